// The streck window: streck and shares, "Beräkna", the lamps and the mirrored switches; the
// older single-row window's two streck windows and the transfer; and every window that shows
// a horse's group agreeing with HorseGroups after each way of changing the marks.

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/ui/infoomreduc.h"
#include "marks/groupmarks.h"
#include "marks/marking.h"
#include "racedata/ui/datavisa.h"
#include "reduction/ui/reducrader.h"
#include "reduction/ui/reducu.h"
#include "views/ui/procenten.h"
#include "views/ui/streckenreducerat.h"
#include "views/ui/streckforeduc.h"
#include "windowset.h"

namespace {

const QColor Teal{0, 170, 170};

class ProcentTest : public WindowSetTest {
protected:
    void SetUp() override
    {
        WindowSetTest::SetUp();
        for (VForm* window : std::initializer_list<VForm*>{Procent, Reducerader, Data, ReduceraF})
            window->ResetToStartState();
    }

    static void Activate(QWidget* window)
    {
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(window, &activate);
    }

    template <typename T = QLabel>
    static T* In(QWidget* window, const QString& name)
    {
        T* control = window->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }

    static QLabel* Cell(const char* prefix, int race, int horse)
    {
        return Procent->findChild<QLabel*>(QString::fromLatin1(prefix) + QString::number(race) +
                                           QString::number(horse));
    }

    static QColor Colour(int group) { return ToQColor(GroupColours[group]); }

    // Every window that shows a horse's group shows exactly HorseGroups in races 1-6: the main
    // window's four cells of each horse, the streck window's two cells, the race-data window's
    // row with its four boxes, and the reduction window's streck, share and points cells.
    static void ExpectWindowsShowGroups()
    {
        for (int race = 1; race <= PoolRaces; ++race)
            for (int horse = 1; horse <= StartNumbers; ++horse) {
                SCOPED_TRACE(QStringLiteral("race %1 horse %2").arg(race).arg(horse).toStdString());
                const int group = HorseGroups[race][0][horse];
                for (int g = GroupA; g <= GroupD; ++g) {
                    const QLabel* cell = V65x->MarkCells[race][g][horse];
                    EXPECT_EQ(cell->text(), g == group ? QString::number(horse) : QString());
                    EXPECT_EQ(BackgroundOf(cell), g == group ? Colour(g) : QColor(Qt::white));
                }
                EXPECT_EQ(BackgroundOf(Procent->s[race][horse]), Colour(group));
                EXPECT_EQ(BackgroundOf(Procent->o[race][horse]), Colour(group));
                ExpectDataRowShowsGroup(race, horse, group);
                for (QWidget* cell :
                     std::initializer_list<QWidget*>{ReduceraF->s[race][horse], ReduceraF->o[race][horse],
                                                     ReduceraF->r[race][horse], ReduceraF->p[race][horse]})
                    EXPECT_EQ(BackgroundOf(cell), Colour(group));
            }
    }

    static void ExpectDataRowShowsGroup(int race, int horse, int group)
    {
        const QColor row = ToQColor(DataRowColour(group));
        EXPECT_EQ(BackgroundOf(Data->Panel[race][horse]), row);
        EXPECT_EQ(BackgroundOf(Data->H[race][horse]), row);
        EXPECT_EQ(BackgroundOf(Data->P[race][horse]), row);
        EXPECT_EQ(Data->H[race][horse]->font().bold(), group != 0);
        for (int g = GroupA; g <= GroupD; ++g)
            EXPECT_EQ(BackgroundOf(Data->R[race][g][horse]), g == group ? Colour(g) : QColor(Qt::white));
    }

    // A press on the race-data window's group box of the horse.
    static void MarkInDataWindow(int race, int group, int horse) { Press(Data->R[race][group][horse]); }

    static void GiveEveryPoolRaceStreck()
    {
        for (int race = 1; race <= PoolRaces; ++race) {
            StreckValues[HorseIndex(race, 1)] = 55;
            StreckValues[HorseIndex(race, 2)] = 46;
            StreckTexts[race][1] = QStringLiteral("55");
            StreckTexts[race][2] = QStringLiteral("4");
        }
    }
};

TEST_F(ProcentTest, ActivationShowsStreckOnlyWhenEveryRaceHasIt)
{
    GiveEveryPoolRaceStreck();
    Activate(Procent);
    EXPECT_EQ(Procent->s[2][1]->text(), "55");
    EXPECT_EQ(Procent->s[2][2]->text(), "  4");
    EXPECT_EQ(Procent->ss[2]->text(), "101");
    EXPECT_EQ(StreckPresent, 1);

    for (int horse = 1; horse <= StartNumbers; ++horse)
        StreckValues[HorseIndex(4, horse)] = 0;
    Activate(Procent);
    EXPECT_EQ(StreckPresent, 0);
    EXPECT_EQ(Procent->s[2][1]->text(), "  0");
    EXPECT_EQ(Procent->ss[2]->text(), "  0");
}

TEST_F(ProcentTest, SharesFollowConstructionAndGoStaleWithTheMarks)
{
    MarkOneAHorsePerRace();
    Mark(1, GroupB, 2);
    Activate(Procent);
    EXPECT_EQ(Procent->o[1][1]->text(), "   0");

    Procent->Button3->click();
    EXPECT_EQ(UnreducedPercentValid, 1);
    EXPECT_EQ(Procent->o[1][1]->text(), " 50");
    EXPECT_EQ(Procent->o[1][2]->text(), " 50");
    EXPECT_EQ(Procent->o[2][1]->text(), "100");
    EXPECT_EQ(Procent->o[2][2]->text(), "   0");
    Activate(Procent);
    EXPECT_EQ(Procent->o[1][1]->text(), " 50");

    // Current shares: "Beräkna" builds nothing and shows the table as it stands.
    UnreducedPercent[HorseIndex(1, 1)] = 7;
    Procent->Button3->click();
    EXPECT_EQ(Procent->o[1][1]->text(), "   7");
    EXPECT_TRUE(TestDialogs().questions.isEmpty());

    Mark(3, GroupC, 4);
    Activate(Procent);
    EXPECT_EQ(Procent->o[1][1]->text(), "   0");

    // No to the single-rows question: nothing is built, the last shares show.
    SingleRowsBuilt = 1;
    TestDialogs().answers = {false};
    Procent->Button3->click();
    EXPECT_EQ(TestDialogs().questions, QStringList{"Enkelraderna raderas. Är det OK?    "});
    EXPECT_EQ(UnreducedPercentValid, 0);
    EXPECT_EQ(Procent->o[1][1]->text(), "   7");
}

TEST_F(ProcentTest, CalculateWithARaceUnmarkedOnlyTellsTheUser)
{
    for (int race : {1, 2, 4, 5, 6})
        Mark(race, GroupA, 1);
    UnreducedPercent[HorseIndex(1, 1)] = 100;
    Procent->Button3->click();
    EXPECT_EQ(TestDialogs().messages, QStringList{"Markera först minst en häst i varje avdelning."});
    EXPECT_EQ(Procent->o[1][1]->text(), "   0");
    EXPECT_EQ(UnreducedPercentValid, 0);
}

TEST_F(ProcentTest, LampsCoverTheirRaceAndMirroredBoxesFollowTheMainWindow)
{
    Press(Procent->Visa[2]);
    EXPECT_EQ(BackgroundOf(Procent->Visa[2]), RedColour);
    EXPECT_FALSE(Procent->Lock[2][1]->isHidden());
    EXPECT_FALSE(Procent->Lock[2][2]->isHidden());
    EXPECT_TRUE(Procent->Lock[3][1]->isHidden());
    Press(Procent->Visa[2], Qt::RightButton);
    EXPECT_EQ(BackgroundOf(Procent->Visa[2]), LimeColour);
    EXPECT_TRUE(Procent->Lock[2][1]->isHidden());
    EXPECT_FALSE(Procent->ss[2]->isHidden());

    Procent->CBVinnare->setChecked(false);
    V65x->VlkvinstchJA->setChecked(true);
    Activate(Procent);
    EXPECT_TRUE(Procent->CBChans->isChecked());
    EXPECT_FALSE(Procent->CBStartnr->isChecked());
    EXPECT_FALSE(Procent->CBovrigt->isChecked());
    EXPECT_FALSE(Procent->CBVinnare->isChecked());
}

TEST_F(ProcentTest, EveryWayOfMarkingLeavesEveryWindowShowingTheGroups)
{
    Mark(1, GroupA, 3);
    Mark(2, GroupB, 15);
    Mark(6, GroupD, 7);
    Mark(5, GroupC, 1);
    ExpectWindowsShowGroups();
    Mark(1, GroupC, 3);   // moved
    Mark(2, GroupB, 15);  // unmarked
    ExpectWindowsShowGroups();

    Procent->Button3->click();  // shares shown, then all marks cleared
    TestDialogs().answers = {true};
    Click("Button10");
    ExpectWindowsShowGroups();
    EXPECT_EQ(Procent->o[1][1]->text(), "   0");

    Mark(4, GroupB, 2);
    ExpectWindowsShowGroups();

    MarkInDataWindow(3, GroupD, 9);
    MarkInDataWindow(4, GroupA, 2);  // moved from B
    MarkInDataWindow(6, GroupC, 15);
    ExpectWindowsShowGroups();
    MarkInDataWindow(6, GroupC, 15);  // unmarked
    Mark(3, GroupD, 9);               // unmarked in the main window
    ExpectWindowsShowGroups();
    EXPECT_EQ(HorseGroups[4][0][2], GroupA);
}

TEST_F(ProcentTest, ReplacedMarksRepaintEveryHorseFromTheMembershipFlags)
{
    Mark(1, GroupA, 1);
    HorseGroups[1][0][1] = 0;  // the marks of a loaded file replace these
    HorseGroups[1][GroupA][1] = 0;
    HorseGroups[4][0][10] = GroupC;
    HorseGroups[4][GroupC][10] = 1;
    HorseGroups[6][0][15] = GroupA;
    HorseGroups[6][GroupA][15] = 1;
    HorseGroups[5][0][1] = GroupD;
    HorseGroups[5][GroupD][1] = 1;
    PaintGroupMarksRaces1to3();
    ExpectWindowsShowGroups();
    EXPECT_EQ(Text("R4310"), "10");
    EXPECT_EQ(BackgroundOf(Find("R4310")), Aqua);
    EXPECT_EQ(Text("R5401"), "1");
    EXPECT_EQ(BackgroundOf(Cell("o", 6, 15)), Magenta);
    EXPECT_EQ(Text("R7101"), "1");
    EXPECT_EQ(BackgroundOf(Cell("s", 7, 1)), Magenta);

    // A horse flagged in two groups: both grid cells, the streck cells in the later group.
    HorseGroups[3][GroupB][5] = 1;
    HorseGroups[3][GroupC][5] = 1;
    PaintGroupMarksRaces1to3();
    EXPECT_EQ(Text("R3205"), "5");
    EXPECT_EQ(Text("R3305"), "5");
    EXPECT_EQ(BackgroundOf(Cell("s", 3, 5)), Aqua);
}

TEST_F(ProcentTest, UnreducedStreckWindowShowsAndTransfersTheShares)
{
    Mark(1, GroupA, 1);
    Mark(1, GroupB, 2);
    UnreducedPercent[HorseIndex(1, 1)] = 60;
    UnreducedPercent[HorseIndex(1, 3)] = 40;
    UnreducedPercent[HorseIndex(6, 3)] = 0x100 + 25;
    Activate(streckoreduc);
    EXPECT_EQ(In(streckoreduc, "L11")->text(), "60");
    EXPECT_EQ(BackgroundOf(In(streckoreduc, "L11")), Magenta);
    EXPECT_EQ(BackgroundOf(In(streckoreduc, "L12")), QColor(Qt::white));  // marked, 0
    EXPECT_EQ(BackgroundOf(In(streckoreduc, "L13")), Teal);               // unmarked
    EXPECT_EQ(In(streckoreduc, "l63")->text(), "25");

    ReductionPoints[HorseIndex(2, 2)] = 90;
    streckoreduc->Button1->click();
    EXPECT_EQ(Reducerader->p[1][1]->text(), "60");
    EXPECT_EQ(Reducerader->p[6][3]->text(), "25");
    EXPECT_EQ(Reducerader->p[2][2]->text(), "0");
    EXPECT_EQ(ReductionPoints[HorseIndex(6, 3)], 25);
    EXPECT_EQ(Reducerader->LSummaRace[1]->text(), "100");
    EXPECT_EQ(Reducerader->LSummaRace[2]->text(), "0");
    EXPECT_EQ(BackgroundOf(Reducerader->p[1][1]), Magenta);
    EXPECT_TRUE(Reducerader->Panel1->isHidden());
    EXPECT_TRUE(Reducerader->KnProcent->isEnabled());
    EXPECT_FALSE(Reducerader->KnInmatning->isEnabled());

    streckoreduc->Button3->click();  // "Info": the help of the single-row reduction
    EXPECT_TRUE(Inforeducering->isVisible());
    EXPECT_EQ(BackgroundOf(Reducerader->LSumma), YellowColour);
}

TEST_F(ProcentTest, ReducedStreckWindowCountsTheSingleRows)
{
    Reducerader->Button5->click();
    EXPECT_EQ(TestDialogs().messages, QStringList{"Det finns inga enkelrader."});
    EXPECT_TRUE(Streckreducerat->isHidden());

    Mark(2, GroupB, 1);  // before the rows: a mark change ends the single rows
    const int race2[8] = {1, 2, 2, 2, 3, 3, 3, 3};
    for (int k = 1; k <= 8; ++k)
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][k] = race == 2 ? race2[k - 1] : 1;
    SingleRowCount = 8;
    SingleRowsBuilt = 1;
    Reducerader->Button5->click();
    Activate(Streckreducerat);
    EXPECT_EQ(In(Streckreducerat, "L21")->text(), "12");
    EXPECT_EQ(BackgroundOf(In(Streckreducerat, "L21")), YellowColour);
    EXPECT_EQ(In(Streckreducerat, "L22")->text(), "38");
    EXPECT_EQ(In(Streckreducerat, "L11")->text(), "100");
    EXPECT_EQ(BackgroundOf(In(Streckreducerat, "L22")), Teal);

    SingleRowCount = 0;
    Activate(Streckreducerat);
    EXPECT_EQ(In(Streckreducerat, "L21")->text(), "12");
}

TEST_F(ProcentTest, UnreducedStreckButtonConstructsAStaleSystemFirst)
{
    MarkOneAHorsePerRace();
    Reducerader->Button4->click();
    EXPECT_EQ(UnreducedPercentValid, 1);
    EXPECT_TRUE(streckoreduc->isVisible());
    Activate(streckoreduc);
    EXPECT_EQ(In(streckoreduc, "L11")->text(), "100");
}

}  // namespace
