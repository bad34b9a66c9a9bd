#include "sysfile/ui/savesystem.h"

#include "platform/ui/dialogs.h"
#include "sysfile/systemfile.h"

bool WriteSystemFile(QWidget* parent)
{
    const QString chosen = ChooseSaveFileName(parent, SystemFileFilter, MainSaveDialogFileName());
    if (chosen.isEmpty())
        return false;
    const SystemFileOutcome outcome =
        SaveSystemFile(chosen, [](const QString& question) { return AskYesNo(question); });
    if (!outcome.message.isEmpty())
        ShowErrorMessage(outcome.message);
    if (outcome.done)
        MainSaveDialogFileName() = SystemFilePath(chosen);
    return outcome.done;
}
