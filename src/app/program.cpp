#include "app/program.h"

#include <QApplication>
#include <csignal>

#include "app/forms.h"
#include "core/ui/huvf.h"
#include "model/variabl.h"
#include "platform/ui/kit.h"

void PrepareProcess()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

int RunProgram(int argc, char** argv)
{
    PrepareProcess();
    InitializeGlobals();
    QApplication app(argc, argv);
    ApplyProgramLook();
    QApplication::setQuitOnLastWindowClosed(false);
    CreateAllForms();
    V65x->Show();
    const int result = QApplication::exec();
    FinalizeGlobals();
    return result;
}
