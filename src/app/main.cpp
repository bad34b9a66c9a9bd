#include <QApplication>

#include "core/variabl.h"

int main(int argc, char** argv)
{
    InitializeGlobals();
    QApplication app(argc, argv);
    const int result = app.exec();
    FinalizeGlobals();
    return result;
}
