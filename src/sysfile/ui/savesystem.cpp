#include "sysfile/ui/savesystem.h"

#include "platform/ui/dialogs.h"
#include "sysfile/systemfile.h"

namespace {

// The name that the main window's open dialog offers (empty at start); its save dialog's
// name is shared with the bet file (MainSaveDialogFileName).
QString OpenDialogName;

}  // namespace

bool WriteSystemFile(QWidget* parent)
{
    const QString chosen = ChooseSaveFileName(parent, SystemFileFilter, MainSaveDialogFileName());
    if (chosen.isEmpty())
        return false;
    MainSaveDialogFileName() = chosen;
    const SystemFileOutcome outcome =
        SaveSystemFile(chosen, [](const QString& question) { return AskYesNo(question); });
    if (!outcome.message.isEmpty())
        ShowErrorMessage(outcome.message);
    if (outcome.done)
        MainSaveDialogFileName() = SystemFilePath(chosen);
    return outcome.done;
}

QString ChooseSystemFileToLoad(QWidget* parent)
{
    const QString chosen = ChooseOpenFileName(parent, SystemFileFilter, OpenDialogName);
    if (!chosen.isEmpty())
        OpenDialogName = chosen;
    return chosen;
}

void OfferLoadedSystemFile(const QString& chosen)
{
    OpenDialogName = SystemFilePath(chosen);
}
