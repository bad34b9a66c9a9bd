// Start-up time: from the tables at their defaults to the main window shown, with all 64
// windows created, on the offscreen platform.

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QFont>
#include <QPointer>
#include <QWidget>

#include "app/forms.h"
#include "core/ui/huvf.h"
#include "model/notify.h"
#include "model/variabl.h"
#include "support/windowbench.h"

namespace {

void DeleteAllWindows()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows << window;
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
    ClearObservers();
}

void BM_StartToMainWindowShown(benchmark::State& state)
{
    for (auto _ : state) {
        ResetGlobals();
        CreateAllForms();
        V65x->UpdateCheckOnShow = false;
        V65x->Show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        DeleteAllWindows();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToMainWindowShown)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunWindowBenchmarks(argc, argv, BenchWindows::LeftToTheBenchmarks);
}
