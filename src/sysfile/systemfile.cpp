#include "sysfile/systemfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "model/notify.h"
#include "model/variabl.h"
#include "platform/textfile.h"
#include "racedata/filenames.h"
#include "reduction/percentdisplays.h"
#include "sysfile/sysload.h"
#include "sysfile/systemfileformat.h"

namespace {

const QString SystemFileExtension = QStringLiteral(".SV6");
const QString ErasedExtension = QStringLiteral(".V75");
// Far above the largest file the program writes (99 999 single rows give about 3.5 MB).
constexpr qint64 LargestSystemFile = 64LL * 1024 * 1024;

std::optional<QByteArray> ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > LargestSystemFile)
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// The windows hear of the whole load once, from the tables it leaves.
void ApplyLoadedSystem(const StagedSystem& system)
{
    const EventBatch batch;
    ResetSystemBeforeLoad();
    ApplyStagedSystem(system);
    RefreshTablesAfterLoad();
    if (SingleRowsBuilt == 1) {
        ShowReducedPercentages();
        ChanceSystemRows = SingleRowCount;
        Events::ChanceSystemRowsChanged.Emit();
    }
    ShowLoadedCounts();
    Events::SystemLoaded.Emit();
}

}  // namespace

QString SystemFilePath(const QString& chosenPath)
{
    return WithExtension(chosenPath, SystemFileExtension);
}

SystemFileOutcome SaveSystemFile(const QString& chosenPath, const OverwriteQuestion& askOverwrite)
{
    if (CouponsBuilt == 0)
        CouponCount = 0;
    const QString path = SystemFilePath(chosenPath);
    if (QFileInfo::exists(path) &&
        !askOverwrite(QStringLiteral("Ska systemet ") + FileNameOf(path) + QStringLiteral(" skrivas över?")))
        return {};
    const QByteArray bytes = SystemFileBytes(StageCurrentSystem(SaveRoundInFile == 1));
    if (!WriteFileBytes(path, bytes))
        return {false, QStringLiteral("Systemet kunde inte sparas i filen ") +
                           QDir::toNativeSeparators(path) + QStringLiteral(".")};
    SystemSaved = 1;
    return {true, QString()};
}

SystemLoadOutcome LoadSystemFile(const QString& chosenPath, const std::function<void()>& reading)
{
    SystemLoadOutcome outcome;
    const QString path = SystemFilePath(chosenPath);
    if (!QFileInfo(path).isFile()) {
        outcome.file.message =
            QStringLiteral("Filen ") + QDir::toNativeSeparators(path) + QStringLiteral(" finns ej.");
        return outcome;
    }
    outcome.found = true;
    if (reading)
        reading();
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    const std::optional<StagedSystem> system = bytes ? ParseSystemFile(*bytes) : std::nullopt;
    if (!system) {
        outcome.file.message = SystemFileRefusedMessage;
        return outcome;
    }
    ApplyLoadedSystem(*system);
    outcome.file.done = true;
    outcome.rowCountDiffers = LoadedRowCountDiffers();
    outcome.rebuild = LoadedSystemNeedsRebuild();
    return outcome;
}

ErasableFile FileToErase(const QString& folder, const QString& typedName)
{
    ErasableFile file;
    file.shownName = WithExtension(typedName.trimmed(), ErasedExtension);
    const QFileInfo typed(file.shownName);
    file.path = typed.isAbsolute() ? file.shownName : QDir(folder).filePath(file.shownName);
    file.exists = !typedName.trimmed().isEmpty() && QFileInfo(file.path).isFile();
    return file;
}

bool EraseFile(const QString& path)
{
    return QFile::remove(path);
}
