#include "sysfile/systemfile.h"

#include "platform/dialogs.h"

bool WriteSystemFile()
{
    ShowMessage(QStringLiteral("Systemet kan ännu inte sparas i denna version av programmet."));
    return false;
}
