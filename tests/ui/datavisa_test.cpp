// The race-data window: its layout, taking in a pasted start list, the fixed row orders, the
// own order by drag and drop, and marking horses in step with the main window.

#include <gtest/gtest.h>
#include <QClipboard>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>

#include "conditions/ui/cvillkor.h"
#include "core/ui/huvf.h"
#include "core/updaterule.h"
#include "model/variabl.h"
#include "platform/settingsdir.h"
#include "platform/textfile.h"
#include "racedata/ui/datavisa.h"
#include "windowset.h"

namespace {

const QString Tab = QStringLiteral("\t");
const QString Cream = QStringLiteral("#ffffe8");
const QString RowDragFormat = QStringLiteral("application/x-vimsta-racedata-row");

// Chrome's copy of race r's start-list page with horses (name, streck, odds).
QString ChromePage(int race, const QList<std::array<QString, 3>>& horses)
{
    QStringList lines = {QStringLiteral("Spel"),
                         QStringLiteral("Välj spel"),
                         QStringLiteral("V65"),
                         QStringLiteral("Avdelning %1,").arg(race),
                         QString(),
                         QString(),
                         QStringLiteral("Solvalla lördag"),
                         QString(),
                         QString(),
                         QString(),
                         QStringLiteral("Lopp 5"),
                         QString(),
                         QStringLiteral("2140 meter")};
    for (int i = 0; i < horses.size(); ++i) {
        const auto& [name, streck, odds] = horses[i];
        lines << QString::number(i + 1) << name << QString() << QStringLiteral("Kusk %1").arg(i + 1)
              << QStringLiteral("Tränare") << streck + Tab + odds + Tab + QStringLiteral("50 000 kr");
    }
    return lines.join(QLatin1Char('\n'));
}

const QList<std::array<QString, 3>> ThreeHorses = {
    {QStringLiteral("Alfa Boy"), QStringLiteral("12,34%"), QStringLiteral("3,45")},
    {QStringLiteral("Beta Girl"), QStringLiteral("0,00%"), QStringLiteral("EJ")},
    {QStringLiteral("Gamma"), QStringLiteral("87,66%"), QStringLiteral("1,25")},
};

class DataWindowTest : public WindowSetTest {
protected:
    void SetUp() override
    {
        WindowSetTest::SetUp();
        Data->ResetToStartState();
    }

    static void TakeIn(int race, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        Data->KnLesinAvd[race]->click();
    }

    static void PressRow(int race, int horse) { Press(Data->Panel[race][horse]); }

    static void MarkInData(int race, int group, int horse, Qt::MouseButton button = Qt::LeftButton)
    {
        Press(Data->R[race][group][horse], button);
    }

    // A drop of a drag with that format at a point of the target (the toolkit delivers drops
    // only while a real drag runs).
    static bool DropOn(QWidget* target, QPoint at, const QString& format = RowDragFormat)
    {
        QMimeData mime;
        mime.setData(format, QByteArray("18"));
        return Data->DropAt(target, at, &mime);
    }

    static QList<int> OwnOrderOf(int race)
    {
        QList<int> order;
        for (int s = 1; s <= StartNumbers; ++s)
            order << OwnOrder[race][s];
        return order;
    }

    static int SlotOf(int race, int horse) { return Data->Panel[race][horse]->y() / 29; }

    static QString Colour(QWidget* w) { return BackgroundOf(w).name(); }
};

TEST_F(DataWindowTest, RowsAndControlsStandWhereTheyBelong)
{
    EXPECT_EQ(Data->size(), QSize(758, 559));
    EXPECT_EQ(Data->Panel[1][1]->geometry(), QRect(9, 29, 120, 28));
    EXPECT_EQ(Data->Panel[6][15]->geometry(), QRect(629, 435, 120, 28));
    EXPECT_EQ(Data->findChild<QLabel*>(QStringLiteral("R1101"))->geometry(), QRect(45, 15, 10, 10));
    EXPECT_EQ(Data->findChild<QLabel*>(QStringLiteral("R6415"))->parentWidget(), Data->Panel[6][15]);
    EXPECT_EQ(Data->findChild<QLabel*>(QStringLiteral("H31"))->geometry(), QRect(2, 1, 70, 13));
    EXPECT_EQ(Data->findChild<QLabel*>(QStringLiteral("Ps11"))->geometry(), QRect(78, 1, 40, 13));
    EXPECT_EQ(Data->findChild<QLabel*>(QStringLiteral("v3"))->geometry(), QRect(9, 98, 10, 14));
    EXPECT_EQ(Data->findChild<QLabel*>(QStringLiteral("v215")), Data->RankLabels[2][15]);
    EXPECT_EQ(Data->findChild<QPushButton*>(QStringLiteral("KnLesinAvd3"))->geometry(),
              QRect(273, 467, 88, 21));
    EXPECT_EQ(Data->findChild<QLabel*>(QStringLiteral("Ps71")), nullptr);
    EXPECT_EQ(Data->H[2][7]->text(), QStringLiteral("7"));
    EXPECT_EQ(Data->O[2][7]->text(), QStringLiteral("999"));
    EXPECT_EQ(Data->P[2][7]->text(), QStringLiteral("0"));
    EXPECT_TRUE(Data->Po[2][7]->isHidden());
    EXPECT_TRUE(Data->Panel[7][3]->isHidden());
    EXPECT_EQ(Colour(Data->Panel[3][3]), Cream);
    EXPECT_EQ(Data->Lordning->text(), QStringLiteral("egen"));
}

TEST_F(DataWindowTest, PastedStartListFillsTheRaceAndTitlesBothWindows)
{
    RoundDate = QStringLiteral("2026-12-12");
    TakeIn(2, ChromePage(2, ThreeHorses));
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
    EXPECT_EQ(Data->S[2]->text(), QStringLiteral("Lopp 5  2140"));
    EXPECT_EQ(Data->H[2][1]->text(), QStringLiteral("1 Alfa Boy"));
    EXPECT_EQ(Data->Ps[2][1]->text(), QStringLiteral("Kusk 1"));
    EXPECT_EQ(Data->O[2][1]->text(), QStringLiteral("3,45"));
    EXPECT_EQ(Data->P[2][1]->text(), QStringLiteral("12%"));
    EXPECT_EQ(Data->P[2][3]->text(), QStringLiteral("88%"));
    EXPECT_TRUE(Data->H[2][2]->font().strikeOut());
    EXPECT_EQ(TextColourOf(Data->H[2][2]), QColor(Qt::red));
    EXPECT_FALSE(Data->H[2][1]->font().strikeOut());
    EXPECT_FALSE(Data->Panel[2][3]->isHidden());
    EXPECT_TRUE(Data->Panel[2][4]->isHidden());
    EXPECT_TRUE(Data->Panel[1][4]->isHidden());  // no start list of race 1 either
    EXPECT_EQ(Data->windowTitle(),
              QStringLiteral("Startlistor, streck och odds för V65 Solvalla lördag 2026-12-12"));
    EXPECT_EQ(V65x->windowTitle(),
              QStringLiteral("Vimsta för V6 version 18.2          V65 Solvalla lördag "));
    EXPECT_EQ(MainFormCaption, V65x->windowTitle());
}

// The maker's domain ends the main window's caption after an import only while an update
// address is set (the test build sets none); it is that address's host.
TEST_F(DataWindowTest, TheCaptionNamesTheMakersDomainOnlyWhenAnUpdateAddressIsSet)
{
    const QString caption = QStringLiteral("Vimsta för V6 version 18.2          V65 Solvalla lördag ");
    const struct {
        QByteArray file;  // the settings file's bytes; empty: no file
        QString expected;
    } cases[] = {
        {QByteArray(), caption},
        {"https://vimsta.test/v/version.txt\r\n", caption + QStringLiteral("          vimsta.test")},
        {"inte en adress\r\n", caption},
    };
    const QString path = SettingsDir() + UpdateAddressFileName;
    const struct RemoveFile {
        QString path;
        ~RemoveFile() { QFile::remove(path); }
    } removeAfterwards{path};
    for (const auto& c : cases) {
        QFile::remove(path);
        if (!c.file.isEmpty()) {
            ASSERT_TRUE(WriteFileBytes(path, c.file));
        }
        TakeIn(2, ChromePage(2, ThreeHorses));
        EXPECT_EQ(V65x->windowTitle().toStdString(), c.expected.toStdString()) << c.file.constData();
        EXPECT_EQ(MainFormCaption, c.expected) << c.file.constData();
    }
}

TEST_F(DataWindowTest, RefusedPasteSaysWhyAndKeepsTheRace)
{
    TakeIn(3, ChromePage(3, ThreeHorses));
    const QString title = Data->windowTitle();
    const std::pair<QString, QString> refused[] = {
        {ChromePage(2, ThreeHorses), QStringLiteral("Fel avdelning.")},  // "Lägg in avd 3", race 2 copied
        {ChromePage(3, {}), QStringLiteral("Ingen häst hittades i avd 3.")},
        {QStringLiteral("något annat"), QStringLiteral("Märk rätt avd med ctrl+A och välj sedan ctrl+C")},
    };
    for (const auto& [page, message] : refused) {
        TestDialogs().Reset();
        TakeIn(3, page);
        EXPECT_EQ(TestDialogs().messages, QStringList{message});
        EXPECT_EQ(Data->H[3][1]->text(), QStringLiteral("1 Alfa Boy"));
        EXPECT_EQ(Data->P[3][1]->text(), QStringLiteral("12%"));
        EXPECT_EQ(StreckValues[HorseIndex(3, 3)], 88);
        EXPECT_EQ(HorsePresent[HorseIndex(3, 2)], 1);
        EXPECT_EQ(Data->windowTitle(), title);
    }
}

TEST_F(DataWindowTest, MarkedHorsesStayVisibleAndScratchedNamesStayStruckOut)
{
    MarkInData(2, GroupB, 6);
    MarkInData(2, GroupA, 2);
    TakeIn(2, ChromePage(2, ThreeHorses));
    EXPECT_FALSE(Data->Panel[2][6]->isHidden());
    EXPECT_TRUE(Data->Panel[2][7]->isHidden());
    QLabel* scratched = Data->H[2][2];
    EXPECT_TRUE(scratched->font().bold());
    EXPECT_TRUE(scratched->font().strikeOut());
    EXPECT_EQ(TextColourOf(scratched), QColor(Qt::red));
    MarkInData(2, GroupA, 2);
    EXPECT_FALSE(scratched->font().bold());
    EXPECT_TRUE(scratched->font().strikeOut());
}

TEST_F(DataWindowTest, FixedOrdersMoveTheRowsAndTheFirstStreckOrderBecomesOwn)
{
    const int32 streck[] = {0, 20, 5, 5, 10, 0, 3, 3, 8, 12, 4, 20, 10, 0, 0, 0};
    for (int h = 1; h <= StartNumbers; ++h)
        StreckValues[HorseIndex(1, h)] = streck[h];
    OddsValues[HorseIndex(3, 2)] = 4;
    Data->Button2->click();
    EXPECT_EQ(Data->Lordning->text(), QStringLiteral("streck"));
    EXPECT_EQ(OwnOrderOf(1), (QList<int>{1, 11, 9, 4, 12, 8, 3, 2, 10, 7, 6, 5, 13, 14, 15}));
    EXPECT_EQ(SlotOf(1, 11), 2);
    Data->ComputeDisplayedSlots();
    EXPECT_EQ(DisplayedSlot[HorseIndex(1, 2)], 8);
    EXPECT_EQ(DisplayedSlot[HorseIndex(2, 5)], 5);

    Data->Button17->click();
    EXPECT_EQ(Data->Lordning->text(), QStringLiteral("odds"));
    EXPECT_EQ(SlotOf(3, 2), 1);
    EXPECT_EQ(SlotOf(3, 15), 2);
    Data->Button3->click();
    EXPECT_EQ(Data->Lordning->text(), QStringLiteral("nr"));
    EXPECT_EQ(SlotOf(1, 11), 11);
    EXPECT_EQ(OwnOrder[1][2], 11);
    EXPECT_EQ(OwnOrderMode, 0);
    Data->Button5->click();
    EXPECT_EQ(Data->Lordning->text(), QStringLiteral("egen"));
    EXPECT_EQ(SlotOf(1, 11), 2);
}

TEST_F(DataWindowTest, RankInThePointsWindowTakesTheRowsAsShown)
{
    const QList<std::array<QString, 3>> four = {
        {QStringLiteral("Ett"), QStringLiteral("10,00%"), QStringLiteral("9,00")},
        {QStringLiteral("Två"), QStringLiteral("40,00%"), QStringLiteral("2,00")},
        {QStringLiteral("Tre"), QStringLiteral("30,00%"), QStringLiteral("3,00")},
        {QStringLiteral("Fyra"), QStringLiteral("20,00%"), QStringLiteral("4,00")},
    };
    TakeIn(3, ChromePage(3, four));
    const auto ranks = [] {
        Chansvillkor->Show();
        Chansvillkor->Button15->click();
        QList<int> shown;
        for (int h = 1; h <= 5; ++h)
            shown << Chansvillkor->vch[3][h]->value();
        return shown;
    };
    EXPECT_EQ(ranks(), (QList<int>{1, 2, 3, 4, 0}));
    Data->Button2->click();  // streck order
    EXPECT_EQ(ranks(), (QList<int>{4, 1, 2, 3, 0}));
    EXPECT_EQ(CondPoints[3][2][CurrentPointsCond], 1);
    EXPECT_EQ(Chansvillkor->Edit1->text(), QStringLiteral("Rank"));
}

// Odds that round to the same whole number are ordered as the page gives them: the favourite
// at 4,70 ranks first.
TEST_F(DataWindowTest, TheOddsOrderTakesTheOddsAsThePageGivesThem)
{
    const QList<std::array<QString, 3>> three = {
        {QStringLiteral("Ett"), QStringLiteral("30,00%"), QStringLiteral("5,30")},
        {QStringLiteral("Två"), QStringLiteral("40,00%"), QStringLiteral("4,70")},
        {QStringLiteral("Tre"), QStringLiteral("30,00%"), QStringLiteral("5,10")},
    };
    TakeIn(3, ChromePage(3, three));
    Data->Button17->click();  // odds order
    Chansvillkor->Show();
    Chansvillkor->Button15->click();  // "Rank i datarutan"
    QList<int> ranks;
    for (int h = 1; h <= 4; ++h)
        ranks << Chansvillkor->vch[3][h]->value();
    EXPECT_EQ(ranks, (QList<int>{3, 1, 2, 0}));
    for (int h = 1; h <= 3; ++h)
        EXPECT_EQ(OddsValues[HorseIndex(3, h)], 5) << h;  // the whole odds stay as stored
}

TEST_F(DataWindowTest, PointsColumnShowsThePointsHeldEvenWithoutAFile)
{
    HorsePoints[HorseIndex(2, 5)] = 37;
    Data->Button12->click();  // "Hämta" cancelled
    Data->CBPoeng->click();
    EXPECT_TRUE(Data->Po[1][1]->isVisibleTo(Data));
    EXPECT_EQ(Data->Po[1][1]->text(), QStringLiteral("0"));
    EXPECT_EQ(Data->Po[2][5]->text(), QStringLiteral("37"));
}

TEST_F(DataWindowTest, DroppedRowsTakeTheirSlotInTheOwnOrder)
{
    // The row of start number 8 dropped on the name, then on the odds of start number 3.
    const std::pair<QLabel* (*)(), QList<int>> cases[] = {
        {[] { return Data->H[1][3]; }, {1, 2, 8, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15}},
        {[] { return Data->O[1][3]; }, {1, 2, 3, 8, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15}},
    };
    for (const auto& [target, expected] : cases) {
        Data->ResetToStartState();
        PressRow(1, 8);
        EXPECT_TRUE(DropOn(target(), {3, 3}));
        EXPECT_EQ(OwnOrderOf(1), expected);
        EXPECT_EQ(OwnOrder[1][0], 8);
        for (int s = 1; s <= StartNumbers; ++s)
            EXPECT_EQ(SlotOf(1, expected[s - 1]), s);
    }
}

TEST_F(DataWindowTest, DropOnTheBackgroundUsesThePointersHeight)
{
    PressRow(1, 5);
    EXPECT_FALSE(DropOn(Data, Data->Button1->geometry().center()));
    EXPECT_EQ(SlotOf(1, 5), 5);
    EXPECT_TRUE(DropOn(Data, {130, 29 * 14 + 20}));
    EXPECT_EQ(SlotOf(1, 5), 14);
    EXPECT_EQ(SlotOf(1, 14), 13);
}

TEST_F(DataWindowTest, DropsNeedTheOwnOrderAndComeFromThisWindow)
{
    Data->Button3->click();
    PressRow(1, 8);
    DropOn(Data->H[1][3], {3, 3});
    EXPECT_EQ(TestDialogs().messages, QStringList{QStringLiteral("Klicka först på \"Egen\" ordning!")});
    EXPECT_EQ(SlotOf(1, 8), 8);

    Data->Button5->click();
    TestDialogs().Reset();
    EXPECT_FALSE(DropOn(Data->H[1][3], {3, 3}, QStringLiteral("application/x-vimsta-reserve")));
    EXPECT_FALSE(DropOn(Data, {130, 40}, QStringLiteral("text/plain")));
    EXPECT_EQ(SlotOf(1, 8), 8);
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
}

TEST_F(DataWindowTest, BrokenOwnOrderNeverLosesARow)
{
    for (int s = 1; s <= StartNumbers; ++s)
        SavedOwnOrder[4][s] = s <= 2 ? 7 : 0;
    RestoreOwnOrderPending = 1;
    Data->Button5->click();
    QSet<int> slots;
    for (int h = 1; h <= StartNumbers; ++h)
        slots.insert(SlotOf(4, h));
    EXPECT_EQ(slots.size(), StartNumbers);
    EXPECT_EQ(SlotOf(4, 7), 1);
}

TEST_F(DataWindowTest, ActivationRestoresALoadedOwnOrder)
{
    for (int s = 1; s <= StartNumbers; ++s)
        SavedOwnOrder[2][s] = 16 - s;
    for (int r : {1, 3, 4, 5, 6, 7})
        for (int s = 1; s <= StartNumbers; ++s)
            SavedOwnOrder[r][s] = s;
    RestoreOwnOrderPending = 1;
    OwnOrderMode = 0;
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(Data, &activate);
    EXPECT_EQ(SlotOf(2, 15), 1);
    EXPECT_EQ(OwnOrderMode, 1);
    EXPECT_EQ(RestoreOwnOrderPending, 0);
    EXPECT_EQ(Data->Lordning->text(), QStringLiteral("egen"));
}

TEST_F(DataWindowTest, ActivationWithAPopupOpenDoesNotRefill)
{
    StartListLoaded = 1;
    HorsePresent[HorseIndex(1, 1)] = 1;
    RaceWindowOpen[5] = 1;
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(Data, &activate);
    EXPECT_FALSE(Data->Panel[1][2]->isHidden());
    Data->Show();
    Data->Button1->click();
    EXPECT_EQ(RaceWindowOpen[5], 0);
    QCoreApplication::sendEvent(Data, &activate);
    EXPECT_TRUE(Data->Panel[1][2]->isHidden());
    EXPECT_FALSE(Data->Panel[1][1]->isHidden());
}

TEST_F(DataWindowTest, ColumnSettingsFileSetsTheBoxesAtCreation)
{
    QTemporaryDir dir;
    ASSERT_TRUE(
        WriteTextLines(dir.filePath(QStringLiteral("visa.rnn")),
                       {QStringLiteral("Visaejrank"), QStringLiteral("Odds"), QStringLiteral("streck")}));
    const QString programDir = ProgramDir;
    ProgramDir = dir.path() + QLatin1Char('/');
    Data->FormCreate();
    ProgramDir = programDir;
    EXPECT_EQ(ShowRankColumn, 0);
    EXPECT_FALSE(Data->CBRank->isChecked());
    EXPECT_TRUE(Data->RankLabels[3][13]->isHidden());
    EXPECT_TRUE(Data->CBOdds->isChecked());
    EXPECT_FALSE(Data->CBStreck->isChecked());
    EXPECT_TRUE(Data->CBStr100->isChecked());
    EXPECT_FALSE(Data->CBStart->isChecked());
}

TEST_F(DataWindowTest, MarkingInTheDataWindowShowsOnBothWindows)
{
    MarkInData(1, GroupA, 1);
    EXPECT_EQ(HorseGroups[1][0][1], GroupA);
    EXPECT_EQ(BackgroundOf(Data->Panel[1][1]), Magenta);
    EXPECT_EQ(BackgroundOf(Data->R[1][GroupA][1]), Magenta);
    EXPECT_TRUE(Data->H[1][1]->font().bold());
    EXPECT_EQ(V65x->MarkCells[1][GroupA][1]->text(), QStringLiteral("1"));
    EXPECT_EQ(Data->Antalkusar->text(), QStringLiteral("1"));

    MarkInData(1, GroupC, 1, Qt::RightButton);
    EXPECT_EQ(BackgroundOf(Data->Panel[1][1]), Aqua);
    EXPECT_EQ(BackgroundOf(Data->R[1][GroupA][1]), QColor(Qt::white));
    EXPECT_EQ(BackgroundOf(Data->P[1][1]), Aqua);
    EXPECT_EQ(Data->Antalkusar->text(), QStringLiteral("1"));

    MarkInData(1, GroupC, 1);
    EXPECT_EQ(Colour(Data->Panel[1][1]), Cream);
    EXPECT_FALSE(Data->H[1][1]->font().bold());
    EXPECT_EQ(Data->Antalkusar->text(), QStringLiteral("0"));
    EXPECT_EQ(Data->Maxrader->text(), QStringLiteral("0"));
}

TEST_F(DataWindowTest, MainWindowMarksAndClearAllRepaintTheRows)
{
    Data->Button2->click();  // the boxes follow their row wherever it stands
    Mark(4, GroupB, 9);
    EXPECT_EQ(BackgroundOf(Data->Panel[4][9]), QColor(255, 255, 0));
    EXPECT_TRUE(Data->H[4][9]->font().bold());
    TestDialogs().answers.push_back(true);
    Click("Button10");
    EXPECT_EQ(Colour(Data->Panel[4][9]), Cream);
    EXPECT_EQ(BackgroundOf(Data->R[4][GroupB][9]), QColor(Qt::white));
    EXPECT_FALSE(Data->H[4][9]->font().bold());
    EXPECT_EQ(BackgroundOf(Data->Panel[7][1]), Magenta);  // the dummy race keeps its mark
}

}  // namespace
