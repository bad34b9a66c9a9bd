#include "app/program.h"

#include <QApplication>

#include "app/forms.h"
#include "core/ui/huvf.h"
#include "model/variabl.h"
#include "platform/ui/kit.h"

int RunProgram(int argc, char** argv)
{
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
