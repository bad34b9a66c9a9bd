#include "core/program.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include "core/forms.h"
#include "core/huvf.h"
#include "core/variabl.h"
#include "platform/dialogs.h"

int RunProgram(int argc, char** argv)
{
    InitializeGlobals();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    QApplication::setApplicationName(ApplicationTitle);
    QApplication::setQuitOnLastWindowClosed(false);
    CreateAllForms();
    V65x->Show();
    const int result = QApplication::exec();
    FinalizeGlobals();
    return result;
}
