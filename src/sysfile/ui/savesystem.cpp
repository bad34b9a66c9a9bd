#include "sysfile/ui/savesystem.h"

#include "platform/ui/dialogs.h"
#include "sysfile/systemfile.h"

namespace {

// The names that the main window's save and open dialogs offer (empty at start). The bet
// file's save dialog keeps a name of its own.
QString SaveDialogName;
QString OpenDialogName;

}  // namespace

bool WriteSystemFile(QWidget* parent)
{
    const QString chosen = ChooseSaveFileName(parent, SystemFileFilter, SaveDialogName);
    if (chosen.isEmpty())
        return false;
    SaveDialogName = chosen;
    const SystemFileOutcome outcome =
        SaveSystemFile(chosen, [](const QString& question) { return AskYesNo(question); });
    if (!outcome.message.isEmpty())
        ShowErrorMessage(outcome.message);
    if (outcome.done)
        SaveDialogName = SystemFilePath(chosen);
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

void ForgetSystemFileNames()
{
    SaveDialogName.clear();
    OpenDialogName.clear();
}
