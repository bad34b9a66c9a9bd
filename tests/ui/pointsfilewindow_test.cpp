// The points window's file buttons against the disk: a save that fails when the data reaches
// the disk, and reads of damaged files through "Läs in".

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <random>

#include "conditions/pointsedit.h"
#include "conditions/pointsfile.h"
#include "conditions/ui/cvillkor.h"
#include "platform/textfile.h"
#include "support/filesizelimit.h"
#include "windowset.h"

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

class PointsFileWindow : public WindowSetTest {
protected:
    // Shows the window and makes it the active window, as a click on it does.
    static void Open()
    {
        Chansvillkor->Show();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(Chansvillkor, &activate);
    }

    // Everything a read may change, as bytes: every points condition and the system's state.
    static QByteArray TablesAReadMayChange()
    {
        QByteArray tables;
        const auto add = [&tables](const auto& table) {
            tables.append(reinterpret_cast<const char*>(&table), sizeof table);
        };
        add(CondPoints);
        add(CondSumMin);
        add(CondSumMax);
        add(CondSumMode);
        add(CondProdMode);
        add(CondActive);
        add(CondSumActive);
        add(CondProdActive);
        add(CondProdMinMantissa);
        add(CondProdMaxMantissa);
        add(CondProdMinExp);
        add(CondProdMaxExp);
        add(CondProdMinReal);
        add(CondProdMaxReal);
        add(ActivePointsCondCount);
        add(CouponsBuilt);
        add(SystemSaved);
        for (const auto& name : PointsCondNames)
            tables.append(name.str().toUtf8()).append('\0');
        return tables.append(ResultLabels.Radantal.toUtf8());
    }
};

// The file-size limit makes the write fail when the data is flushed to the disk: the window
// reports it and the file saved before stays whole, with no partial copy left beside it.
TEST_F(PointsFileWindow, SaveThatFailsAtTheDiskIsReportedAndTheOldFileStaysWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("v.str"));
    Open();
    TestDialogs().fileNames.push_back(path);
    Chansvillkor->Button6->click();
    const QByteArray old = FileBytes(path);
    ASSERT_GT(old.size(), 64);

    CondPoints[1][1][1] = 7;
    TestDialogs().answers.push_back(true);  // overwrite
    TestDialogs().fileNames.push_back(path);
    {
        const FileSizeLimit limit(64);
        Chansvillkor->Button6->click();
    }
    EXPECT_EQ(TestDialogs().errors, QStringList{PointsFileWriteFailedMessage.arg(path)});
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("v.str")});
}

// Random edits of a good file read through "Läs in": what the window refuses leaves every
// condition and the constructed system as they were; what it takes holds only points that the
// edits allow.
TEST_F(PointsFileWindow, DamagedFilesAreTakenWholeOrNotAtAll)
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            CondPoints[r][h][3] = static_cast<byte>((r * 7 + h * 3) % 101);
    CondSumMax[3] = 420;
    CondSumMin[3] = 35;
    CondProdMaxReal[3] = 5.0e9;
    CondSumActive[3] = 1;
    PointsCondNames[3] = QStringLiteral("Tränarnas bästa");
    const QByteArray good =
        EncodeWindows1252(PointsFileLines(PointsFileContentOf(3)).join(QStringLiteral("\r\n")));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("skadad.str"));
    Open();
    std::mt19937 random(20261211);
    int refused = 0;
    for (int round = 0; round < 150; ++round) {
        QByteArray bytes = good;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits; ++e) {
            const auto at = static_cast<qsizetype>(random() % static_cast<unsigned>(bytes.size()));
            const char c = static_cast<char>(random() % 256);
            switch (random() % 3) {
                case 0:
                    bytes[at] = c;
                    break;
                case 1:
                    bytes.insert(at, c);
                    break;
                default:
                    bytes.remove(at, 1 + static_cast<qsizetype>(random() % 8));
            }
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
        file.close();

        CouponsBuilt = SystemSaved = 1;
        ResultsStaleShown = 0;
        ResultLabels.Radantal = QStringLiteral("64");
        const QByteArray before = TablesAReadMayChange();
        TestDialogs().fileNames.push_back(path);
        Chansvillkor->Button7->click();
        if (TestDialogs().messages.size() > refused) {
            ASSERT_EQ(TestDialogs().messages.last(), PointsFileUnreadableMessage) << "round " << round;
            ASSERT_TRUE(TablesAReadMayChange() == before) << "round " << round;
            ++refused;
            continue;
        }
        for (int r = 1; r <= RaceSlots; ++r)
            for (int h = 1; h <= StartNumbers; ++h)
                ASSERT_LE(CondPoints[r][h][1], MaxPoint) << "round " << round;
    }
    EXPECT_GT(refused, 50);
    EXPECT_LT(refused, 150);
}

}  // namespace
