#include "app/program.h"

#include <QApplication>
#include <QTimer>
#include <csignal>

#include "app/forms.h"
#include "core/ui/huvf.h"
#include "model/variabl.h"
#include "platform/ui/kit.h"

namespace {

// Settings of the process that the run relies on; its first step.
void PrepareProcess()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace

int RunProgram(int argc, char** argv, const std::function<void()>& started)
{
    PrepareProcess();
    InitializeGlobals();
    QApplication app(argc, argv);
    ApplyProgramLook();
    QApplication::setQuitOnLastWindowClosed(false);
    CreateAllForms();
    V65x->Show();
    if (started)
        QTimer::singleShot(0, &app, started);
    const int result = QApplication::exec();
    FinalizeGlobals();
    return result;
}
