#pragma once
// The main() of the benchmarks that drive windows: the offscreen platform, the tables at their
// start, the application with the program's look and, when asked, the 64 windows; then the
// benchmarks the command line selects.

#include <benchmark/benchmark.h>
#include <QApplication>

#include "app/forms.h"
#include "model/variabl.h"
#include "platform/ui/kit.h"

enum class BenchWindows { Created, LeftToTheBenchmarks };

inline int RunWindowBenchmarks(int argc, char** argv, BenchWindows windows)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    InitializeGlobals();
    QApplication app(argc, argv);
    ApplyProgramLook();
    if (windows == BenchWindows::Created)
        CreateAllForms();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
