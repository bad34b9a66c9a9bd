#include "sysfile/systemfile.h"

#include "platform/ui/dialogs.h"

bool WriteSystemFile()
{
    ShowMessage(QStringLiteral("Systemet kan ännu inte sparas i denna version av programmet."));
    return false;
}

bool ReadSystemFile()
{
    ShowMessage(QStringLiteral("Systemet kan ännu inte hämtas in i denna version av programmet."));
    return false;
}
