#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "conditions/ui/grpvlk.h"
#include "model/notify.h"
#include "output/ui/atgfilin.h"
#include "questionanswers.h"
#include "racedata/startlistview.h"
#include "racedata/ui/atgdata.h"
#include "reduction/pointsentry.h"
#include "reduction/ui/infoutdeln.h"
#include "reduction/ui/reducu.h"
#include "support/startlists.h"
#include "sysfile/systemfileformat.h"
#include "sysfile/ui/suddafil.h"
#include "views/percentages.h"
#include "views/ui/procenten.h"
#include "windowset.h"

namespace {

const QString CloseQuestion = QStringLiteral("Ska systemet sparas innan programmet stängs?");
const QString LoadQuestion = QStringLiteral("Ska systemet sparas innan nytt system hämtas in?");

class SystemFileWindowsTest : public WindowSetTest {
protected:
    void SetUp() override
    {
        WindowSetTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
    }

    QString PathOf(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    static void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Marks in every race, a name, one "Nej" in the distribution list, and the group system
    // built by "Flerkupong".
    static void BuildSystem()
    {
        MarkOneAHorsePerRace();
        for (int race = 1; race <= 3; ++race)
            Mark(race, GroupB, 4);
        Mark(2, GroupC, 7);
        Find<QLineEdit>("Namn")->setText(QStringLiteral("Lördagssystemet"));
        Click("Berekna");
        ASSERT_EQ(CouponsBuilt, 1);
        ASSERT_EQ(SystemSaved, 0);
    }

    // What the main window shows of a system: counts, captions, the grid, the lists.
    static QStringList Displays()
    {
        QStringList shown{V65x->windowTitle(), Find<QLineEdit>("Namn")->text()};
        for (const char* name : {"LabelRadantal", "LabelKup", "LRaderoreduc", "LReducgrad", "Prisrader",
                                 "Prisavg", "Pristot", "Maxrader", "Lantalraderutan", "Antalkusar", "Label2",
                                 "NejPanel", "Labelantalvlk", "Lsnvlk", "Lvchvlk", "LabelRes"})
            shown << QString::fromLatin1(name) + QLatin1Char('=') + Text(name) +
                         (Find(name)->isHidden() ? QStringLiteral(" (dold)") : QString());
        for (int race = 1; race <= RaceSlots; ++race)
            for (int group = GroupA; group <= GroupD; ++group)
                for (int horse = 1; horse <= StartNumbers; ++horse)
                    shown << V65x->MarkCells[race][group][horse]->text();
        for (int row = 1; row <= CompositionCount; ++row)
            for (int column = 0; column < 3; ++column)
                shown << ListCell(row, column);
        return shown;
    }

    QTemporaryDir dir_;
};

TEST_F(SystemFileWindowsTest, ASavedSystemLoadsIntoAFreshProgramWithTheSameTablesAndDisplays)
{
    BuildSystem();
    ConditionGroupLimits[2] = 40;
    TestDialogs().fileNames.push_back(PathOf("lordag"));
    Click("Button9");
    EXPECT_TRUE(QFile::exists(PathOf("lordag.SV6")));
    Click("Button9");  // the dialog offers the file saved, with ".SV6"; cancelled
    EXPECT_EQ(TestDialogs().proposedNames, (QStringList{QString(), PathOf("lordag.SV6")}));
    EXPECT_EQ(SystemSaved, 1);
    EXPECT_TRUE(TestDialogs().errors.isEmpty());
    const QStringList shown = Displays();
    const StagedSystem tables = StageCurrentSystem(false);

    StartClean();
    ASSERT_NE(Displays(), shown);
    Gruppvillkor->Show();
    TestDialogs().fileNames.push_back(PathOf("lordag.txt"));
    Click("Button8");
    // The group-conditions window is closed by the load and shows the loaded limits again.
    EXPECT_TRUE(Gruppvillkor->isHidden());
    EXPECT_EQ(GroupFormOpen, 0);
    Gruppvillkor->Show();
    Gruppvillkor->FormActivate();
    EXPECT_EQ(Gruppvillkor->HighEdits[1]->text(), QStringLiteral("40"));
    Gruppvillkor->close();
    EXPECT_TRUE(TestDialogs().questions.isEmpty());
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
    EXPECT_EQ(Displays(), shown);
    EXPECT_TRUE(StageCurrentSystem(false) == tables);
    EXPECT_EQ(SystemSaved, 1);
    EXPECT_EQ(Infoutd->Edit2->text(), QStringLiteral("100000000"));
    // The loaded shares of the unreduced system on the streck and reduction windows.
    const int32 share = UnreducedPercent[HorseIndex(1, 4)];
    EXPECT_GT(share, 0);
    EXPECT_EQ(Procent->o[1][4]->text(), ShareText(share));
    EXPECT_EQ(ReduceraF->o[1][4]->text(), PadCellNumber(share));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The open dialog offers the file loaded, with ".SV6", next time.
    Click("Button8");
    EXPECT_EQ(TestDialogs().proposedNames, (QStringList{QString(), PathOf("lordag.SV6")}));
}

TEST_F(SystemFileWindowsTest, ALoadWithRaceDataRebuildsTheStartListText)
{
    FillRace3();
    StartListLoaded = 1;
    StartListHeading = QStringLiteral("Solvalla V64");
    StartListFetchTime = QStringLiteral("2026-12-11 18:05");
    BuildSystem();
    TestDialogs().fileNames.push_back(PathOf("lista"));
    Click("Button9");

    StartClean();
    TestDialogs().fileNames.push_back(PathOf("lista.SV6"));
    Click("Button8");
    EXPECT_EQ(ATG->Rubrikbana->text(), QStringLiteral("Solvalla V64"));
    EXPECT_EQ(ATG->Rubriktid->text(), QStringLiteral("Hämtad: 2026-12-11 18:05"));
    EXPECT_EQ(ATG->Memo1->toPlainText().split(QLatin1Char('\n')), StartListListing());
    EXPECT_TRUE(ATG->Memo1->toPlainText().contains(QStringLiteral("  2  ")));
}

// Loaded right after the start, a single-row system costs its rows: the main window's stake
// shows them and the bet-file window prices them.
TEST_F(SystemFileWindowsTest, ALoadedSingleRowSystemShowsItsPriceHereAndInTheBetFileWindow)
{
    MarkOneAHorsePerRace();
    Mark(1, GroupB, 2);
    SingleRowsBuilt = 1;
    SingleRowCount = 2;
    for (int32 row = 1; row <= 2; ++row)
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][row] = race == 1 ? row : 1;
    TestDialogs().fileNames.push_back(PathOf("enkel"));
    Click("Button9");

    StartClean();
    TestDialogs().fileNames.push_back(PathOf("enkel.SV6"));
    Click("Button8");
    EXPECT_EQ(Text("Prisrader"), QStringLiteral("2"));
    EXPECT_FALSE(Find("Prisrader")->isHidden());
    Click("LATGfil");
    EXPECT_EQ(ATGFilform->Pris->text(), QStringLiteral("Pris, alla kup. 2 kr"));
}

TEST_F(SystemFileWindowsTest, ARefusedFileChangesNothingNotEvenTheCaption)
{
    BuildSystem();
    V65x->setWindowTitle(QStringLiteral("Vimsta för V65-V64, version 18.2   Solvalla"));
    const QStringList shown = Displays();
    const StagedSystem tables = StageCurrentSystem(false);
    WriteFile(PathOf("fel.SV6"), "V64 v7c u\r\n1\r\n");
    SystemSaved = 1;
    TestDialogs().fileNames.push_back(PathOf("fel.SV6"));
    Click("Button8");
    EXPECT_EQ(TestDialogs().messages, QStringList{QStringLiteral("Systemet kunde inte läsas in.")});
    EXPECT_EQ(Displays(), shown);
    EXPECT_TRUE(StageCurrentSystem(false) == tables);
    EXPECT_EQ(CouponsBuilt, 1);
}

// On Yes, a save that did not happen keeps the program open and the system as it was.
TEST_F(SystemFileWindowsTest, ASaveThatDidNotHappenStopsTheCloseAndTheLoad)
{
    struct Case {
        const char* what;
        bool answer;
        QStringList fileNames;
        bool closes;
    };
    const Case cases[] = {
        {"dialog cancelled", true, {}, false},
        {"write failed", true, {PathOf("saknas/system")}, false},
        {"saved", true, {PathOf("sparat")}, true},
        {"not saved on No", false, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StartClean();
        BuildSystem();
        TestDialogs().answers.push_back(c.answer);
        TestDialogs().fileNames.assign(c.fileNames.begin(), c.fileNames.end());
        QCloseEvent close;
        QCoreApplication::sendEvent(V65x, &close);
        EXPECT_EQ(close.isAccepted(), c.closes);
        EXPECT_EQ(TestDialogs().questions, QStringList{CloseQuestion});
    }

    // The load after a failed save does not take place: the chosen file stays unread.
    StartClean();
    BuildSystem();
    TestDialogs().answers.push_back(true);
    TestDialogs().fileNames = {PathOf("saknas/system"), PathOf("annat.SV6")};
    Click("Button8");
    EXPECT_EQ(TestDialogs().questions, QStringList{LoadQuestion});
    EXPECT_EQ(TestDialogs().errors.size(), 1);
    EXPECT_EQ(TestDialogs().fileNames.size(), 1U);
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
    EXPECT_EQ(CouponsBuilt, 1);
}

// Only "Nej" on the real question gives up the unsaved system for another; Escape and the close
// box cancel the load, so no open dialog follows. Once the box is up, the seam takes over the
// open dialog and cancels it.
TEST_F(SystemFileWindowsTest, DismissingTheQuestionBeforeALoadCancelsTheLoad)
{
    for (const QuestionAnswer& c : WaysToAnswerTheQuestion()) {
        SCOPED_TRACE(c.how);
        StartClean();
        BuildSystem();
        TestDialogs() = DialogSeam();  // the real question box
        QString asked;
        QTimer::singleShot(0, [&asked, &c] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* box = qobject_cast<QMessageBox*>(modal);
            TestDialogs().Reset();
            if (box == nullptr) {
                if (modal != nullptr)
                    modal->close();
                return;
            }
            asked = box->text();
            c.answer(box);
        });
        Click("Button8");
        EXPECT_EQ(asked, LoadQuestion);
        EXPECT_EQ(TestDialogs().proposedNames.size(), c.givesUp ? 1 : 0);
        EXPECT_EQ(CouponsBuilt, 1);
        EXPECT_EQ(SystemSaved, 0);
    }
}

// The wait sign ("Beräknar", "VÄNTA!", without "Avbryt") stands from the reading of the file
// until the load has reported a row count that its marks do not give; a refusal is told
// after it is gone, and none stays behind.
TEST_F(SystemFileWindowsTest, TheWaitSignShowsWhileAFileIsLoaded)
{
    MarkOneAHorsePerRace();
    Mark(1, GroupB, 2);
    TestDialogs().fileNames.push_back(PathOf("rader"));
    Click("Button9");
    QFile saved(PathOf("rader.SV6"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = saved.readAll().split('\n');
    ASSERT_EQ(lines[325], QByteArray("2\r"));  // the unreduced row count of section 10
    WriteFile(PathOf("lika.SV6"), lines.join('\n'));
    lines[325] = "3\r";
    WriteFile(PathOf("olika.SV6"), lines.join('\n'));
    WriteFile(PathOf("fel.SV6"), "V64 v7c u\r\n1\r\n");

    const auto waitSignShown = [] {
        return !V65x->Venta1->isHidden() && !V65x->Venta2->isHidden() && !V65x->Venta3->isHidden() &&
               V65x->Avbrytknapp->isHidden();
    };
    const QString shownBehind = QStringLiteral(" (VÄNTA!)");
    const struct {
        const char* file;
        bool shownWhileLoaded;
        QStringList notices;
    } cases[] = {
        {"lika.SV6", true, {}},
        {"olika.SV6", true, {QStringLiteral("Något blev fel vid inläsningen. AVBRYT!") + shownBehind}},
        {"fel.SV6", false, {QStringLiteral("Systemet kunde inte läsas in.")}},
        {"saknas.SV6",
         false,
         {QStringLiteral("Filen %1 finns ej.").arg(QDir::toNativeSeparators(PathOf("saknas.SV6")))}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        StartClean();
        QStringList notices;
        TestDialogs().noticed = [&notices, &waitSignShown, &shownBehind](const QString& text) {
            notices << text + (waitSignShown() ? shownBehind : QString());
        };
        bool shownWhileLoaded = false;
        const QObject owner;
        Events::SystemLoaded.Subscribe(
            &owner, [&shownWhileLoaded, &waitSignShown] { shownWhileLoaded = waitSignShown(); });
        TestDialogs().fileNames.push_back(PathOf(c.file));
        Click("Button8");
        EXPECT_EQ(shownWhileLoaded, c.shownWhileLoaded);
        EXPECT_EQ(notices, c.notices);
        EXPECT_TRUE(V65x->Venta2->isHidden());
        EXPECT_TRUE(V65x->Venta3->isHidden());
    }
}

// "Spara system" under a shell's file-size limit ("ulimit -f"), in the program as its own start
// prepares it, with SIGXFSZ at its default as the shell leaves it: the save is reported as
// failed, the old file stays whole and the program goes on to its normal end. A child process,
// which the signal would end.
TEST_F(SystemFileWindowsTest, ASaveBeyondTheFileSizeLimitIsReportedAndTheProgramGoesOn)
{
    const QString path = PathOf("system.SV6");
    WriteFile(path, "gammalt");
    QProcess program;
    program.start(QStringLiteral(VIMSTA_SAVE_BEYOND_LIMIT), {path});
    ASSERT_TRUE(program.waitForFinished(-1));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(program.readAllStandardOutput()),
              QStringLiteral("Systemet kunde inte sparas i filen %1.\n").arg(path));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "gammalt");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("system.SV6")});
}

TEST_F(SystemFileWindowsTest, TheDeleteWindowIsReachedByMouseAndErasesOnlyWhatItAsksAbout)
{
    auto* button = Find<QPushButton>("Button6");
    EXPECT_TRUE(QRect(0, 0, 768, 568).contains(button->geometry()));
    Click("Button6");
    EXPECT_EQ(TestDialogs().modalWindows, QStringList{QStringLiteral("TRadera")});

    WriteFile(PathOf("gammal.V75"), "x");
    WriteFile(PathOf("system.SV6"), "x");
    Radera->ChangeFolder(dir_.path());
    ASSERT_EQ(Radera->FileListBox1->count(), 1);
    Radera->FileListBox1->setCurrentRow(0);
    EXPECT_EQ(Radera->Edit1->text(), QStringLiteral("gammal.V75"));

    TestDialogs().answers = {false, true};
    Radera->Button1->click();
    EXPECT_TRUE(QFile::exists(PathOf("gammal.V75")));
    Radera->Button1->click();
    EXPECT_EQ(TestDialogs().questions, QStringList(2, QStringLiteral("Ska filen  gammal.V75 raderas?")));
    EXPECT_FALSE(QFile::exists(PathOf("gammal.V75")));
    EXPECT_EQ(Radera->FileListBox1->count(), 0);

    // A system file is not the name the window erases: nothing is asked, nothing erased.
    Radera->Edit1->setText(QStringLiteral("system.SV6"));
    Radera->Button1->click();
    EXPECT_EQ(TestDialogs().questions.size(), 2);
    EXPECT_TRUE(QFile::exists(PathOf("system.SV6")));
    EXPECT_TRUE(TestDialogs().errors.isEmpty());
    Radera->Button2->click();
    EXPECT_TRUE(Radera->isHidden());
}

}  // namespace
