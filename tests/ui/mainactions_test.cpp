// The main window's actions: the windows its buttons open, loading and saving, grading,
// the varying reduction, the condition switches, name and date, the column signals, the
// ABCD group-condition panel, the ABCD distribution list and the three clear buttons.

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>

#include "app/forms.h"
#include "conditions/ui/cvillkor.h"
#include "conditions/ui/ovrigavlk.h"
#include "conditions/ui/radvlk.h"
#include "conditions/winnercounts.h"
#include "core/ui/aboutb.h"
#include "core/ui/huvf.h"
#include "grading/ui/chanser.h"
#include "grading/ui/rettar2.h"
#include "model/variabl.h"
#include "output/ui/atgfilin.h"
#include "output/ui/txtfil.h"
#include "platform/ui/dialogs.h"
#include "racedata/ui/datavisa.h"
#include "racedata/ui/startlists.h"
#include "reduction/ui/infoutdeln.h"
#include "reduction/ui/reducu.h"
#include "views/ui/procenten.h"
#include "windowset.h"

namespace {

const QString Nej = QStringLiteral("  Nej ");
// What the system file shows until saving and loading are built.

class MainActionsTest : public WindowSetTest {
protected:
    // One A horse per race and a B horse in race 3: compositions " 6  0  0  0" and
    // " 5  1  0  0", one row each.
    static void MarkTwoCompositions()
    {
        MarkOneAHorsePerRace();
        Mark(3, GroupB, 2);
    }

    static void PressListCell(int listRow, int column)
    {
        QTableWidget* list = V65x->ABClista;
        MouseClick(list->viewport(), list->visualItemRect(list->item(listRow - 1, column)).center());
    }

    // A constructed, saved system with its counts and price shown.
    static void ShowBuiltSystem()
    {
        CouponsBuilt = SingleRowsBuilt = SystemSaved = UnreducedPercentValid = 1;
        RowsKept = RowsConstructed = 64;
        ResultLabels = {QStringLiteral("64"), QStringLiteral("64"), QStringLiteral("3"),
                        QStringLiteral("50 %"), true};
        V65x->PaintResultLabels();
    }

    static void ExpectStale()
    {
        for (const char* name : {"LabelRadantal", "LabelKup", "LRaderoreduc"})
            EXPECT_EQ(Text(name), QStringLiteral("x")) << name;
        for (QLabel* price : {V65x->Prisrader, V65x->Prisavg, V65x->Pristot})
            EXPECT_TRUE(price->isHidden());
        EXPECT_EQ(CouponsBuilt, 0);
        EXPECT_EQ(SingleRowsBuilt, 0);
        EXPECT_EQ(SystemSaved, 0);
        EXPECT_EQ(UnreducedPercentValid, 0);
        EXPECT_EQ(RowsKept, 0);
        EXPECT_EQ(RowsConstructed, 0);
    }

    static void ExpectStillBuilt()
    {
        EXPECT_EQ(Text("LabelRadantal"), QStringLiteral("64"));
        EXPECT_EQ(Text("LabelKup"), QStringLiteral("3"));
        EXPECT_EQ(CouponsBuilt, 1);
        EXPECT_EQ(SystemSaved, 1);
    }
};

TEST_F(MainActionsTest, ButtonsOpenTheirWindows)
{
    const std::pair<const char*, QWidget*> modeless[] = {
        {"Button26", Data},    {"Button27", Chans},       {"LATGfil", ATGFilform},   {"Button28", Procent},
        {"Button11", Textfil}, {"Button19", Startlista1}, {"Button24", Startlista6},
    };
    for (const auto& [button, window] : modeless) {
        Click(button);
        EXPECT_TRUE(window->isVisible()) << button;
    }

    // Modal windows are shown through the dialog seam.
    const std::pair<const char*, const char*> modal[] = {{"Button2", "TFyllikup"},
                                                         {"Button3", "TSkriva"},
                                                         {"Button13", "TReserver"},
                                                         {"Button1", "TInformation"}};
    for (const auto& [button, window] : modal) {
        TestDialogs().Reset();
        Click(button);
        EXPECT_EQ(TestDialogs().modalWindows, QStringList{QString::fromLatin1(window)}) << button;
    }

    Click("CKnapp");  // the about box is modeless
    EXPECT_TRUE(AboutC->isVisible());
}

TEST_F(MainActionsTest, EveryChangeOfASwitchShowsTheResultsStale)
{
    for (QCheckBox* box : {V65x->VlkstartnrJA, V65x->VlkvinstchJA, V65x->CBUtdelning, V65x->Vlkovrigt}) {
        SCOPED_TRACE(box->objectName().toStdString());
        for (int click = 1; click <= 2; ++click) {
            ShowBuiltSystem();
            box->click();
            EXPECT_EQ(box->isChecked(), click == 1);
            ExpectStale();
            EXPECT_EQ(Text("LReducgrad"), QStringLiteral("50 %"));  // the grade is left alone
        }
    }
}

TEST_F(MainActionsTest, ConditionButtonsTickTheirSwitchAndOpenTheirWindow)
{
    struct Case {
        const char* button;
        QCheckBox* box;
        QWidget* window;
    };
    const Case cases[] = {
        {"Button16", V65x->VlkstartnrJA, Radvillkor},
        {"Button14", V65x->VlkvinstchJA, Chansvillkor},
        {"Button17", V65x->Vlkovrigt, ovrigavillkor},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        QCheckBox* box = c.box;
        ShowBuiltSystem();
        Click(c.button);  // unticked: ticks it, which marks the results stale
        EXPECT_TRUE(box->isChecked());
        EXPECT_TRUE(c.window->isVisible());
        ExpectStale();

        c.window->hide();
        ShowBuiltSystem();
        Click(c.button);  // already ticked: opens the window and resets nothing
        EXPECT_TRUE(box->isChecked());
        EXPECT_TRUE(c.window->isVisible());
        ExpectStillBuilt();
    }
}

TEST_F(MainActionsTest, PayoutIntervalNeedsStreckInRacesOneToSix)
{
    const auto giveStreck = [](int lastRace) {
        for (int race = 1; race <= lastRace; ++race)
            StreckValues[HorseIndex(race, 4)] = 25;
    };
    struct Case {
        int racesWithStreck;
        bool opens;
    };
    for (const Case c : {Case{0, false}, Case{5, false}, Case{6, true}}) {
        SCOPED_TRACE(c.racesWithStreck);
        StartClean();
        giveStreck(c.racesWithStreck);
        ShowBuiltSystem();
        Click("Button29");
        EXPECT_EQ(StreckPresent, c.opens ? 1 : 0);
        EXPECT_EQ(V65x->CBUtdelning->isChecked(), c.opens);
        EXPECT_EQ(Infoutd->isVisible(), c.opens);
        if (c.opens) {
            EXPECT_TRUE(TestDialogs().messages.isEmpty());
            ExpectStale();
        } else {
            EXPECT_EQ(TestDialogs().messages, QStringList{QStringLiteral("Streckfördelningen saknas.")});
            ExpectStillBuilt();
        }
    }
}

TEST_F(MainActionsTest, ListClicksToggleNejAndTheCountsFollow)
{
    MarkTwoCompositions();
    ASSERT_EQ(ListCell(2, 0), QStringLiteral(" 5  1  0  0"));
    ASSERT_EQ(Text("Lantalraderutan"), QStringLiteral("2"));

    ShowBuiltSystem();
    PressListCell(2, 1);
    EXPECT_EQ(ListCell(2, 2), Nej);
    EXPECT_EQ(CompositionNej[2], 1);
    EXPECT_EQ(Text("NejPanel"), QStringLiteral("1 Nej"));
    EXPECT_EQ(Text("Lantalraderutan"), QStringLiteral("1"));
    ExpectStale();

    PressListCell(2, 0);  // a second click allows it again
    EXPECT_EQ(ListCell(2, 2), QStringLiteral(" 100 %"));
    EXPECT_EQ(CompositionNej[2], 0);
    EXPECT_EQ(Text("NejPanel"), QStringLiteral("0 Nej"));
    EXPECT_EQ(Text("Lantalraderutan"), QStringLiteral("2"));

    // An empty row and the head change nothing, not even the results.
    ShowBuiltSystem();
    PressListCell(3, 0);
    SendMouse(V65x->ABClista->horizontalHeader(), QEvent::MouseButtonPress, {5, 5});
    EXPECT_EQ(NejCount, 0);
    EXPECT_EQ(ListCell(3, 2), QString());
    ExpectStillBuilt();
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
}

TEST_F(MainActionsTest, NejOnAllShowsEveryCountItChanges)
{
    MarkTwoCompositions();
    PressListCell(1, 0);  // one composition already "Nej"
    ASSERT_EQ(Text("NejPanel"), QStringLiteral("1 Nej"));

    ShowBuiltSystem();
    Click("Allanej");  // answered No
    EXPECT_EQ(TestDialogs().questions, QStringList{QStringLiteral("Ska vi sätta \"Nej\" på allt i listan?")});
    EXPECT_EQ(NejCount, 1);
    EXPECT_EQ(ListCell(2, 2), QStringLiteral(" 100 %"));
    ExpectStillBuilt();

    TestDialogs().answers.push_back(true);
    Click("Allanej");
    EXPECT_EQ(ListCell(1, 2), Nej);
    EXPECT_EQ(ListCell(2, 2), Nej);
    EXPECT_EQ(NejCount, 2);
    EXPECT_EQ(Text("NejPanel"), QStringLiteral("2 Nej"));
    EXPECT_EQ(Text("Lantalraderutan"), QStringLiteral("0"));
    EXPECT_EQ(RowsAfterGroupConditions, 0);
    EXPECT_EQ(Text("LabelRadantal"), QStringLiteral("0"));  // RowsKept, which the reset cleared
    EXPECT_EQ(Text("LabelKup"), QStringLiteral("x"));
    EXPECT_EQ(CouponsBuilt, 0);
    EXPECT_EQ(SystemSaved, 0);
}

TEST_F(MainActionsTest, PanelClicksEditTheConditionsOnView)
{
    V65x->RullistV->setValue(97);
    for (int column = 1; column <= 4; ++column)
        EXPECT_EQ(Text(QStringLiteral("Vnr%1").arg(column).toLatin1()), QString::number(96 + column));

    Press(Find("V41A"));  // column 4 edits condition 100
    EXPECT_EQ(GroupCondCells[1][1][100], 1);
    ExpectLook("V41A", Magenta, Qt::black);
    ExpectLook("V40", LimeColour, Qt::black);  // 0 and 1 hits can now occur
    ExpectLook("V41", LimeColour, Qt::black);
    ExpectLook("V42", Qt::white, SilverColour);
    EXPECT_EQ(Text("Labelantalvlk"), QStringLiteral("Villkor, 1 st"));

    Press(Find("V40"));
    EXPECT_EQ(GroupCondForbiddenHits[0][100], 1);
    ExpectLook("V40", RedColour, Qt::black);

    ShowBuiltSystem();
    Press(Find("V42"));  // two hits cannot occur: nothing changes
    EXPECT_EQ(GroupCondForbiddenHits[2][100], 0);
    ExpectLook("V42", Qt::white, SilverColour);
    ExpectStillBuilt();

    // Scrolling away and back shows each condition from its tables.
    V65x->RullistV->setValue(96);
    EXPECT_EQ(Text("Vnr4"), QStringLiteral("99"));
    ExpectLook("V41A", Qt::white, SilverColour);
    ExpectLook("V40", Qt::white, SilverColour);
    V65x->RullistV->setValue(97);
    ExpectLook("V41A", Magenta, Qt::black);
    ExpectLook("V40", RedColour, Qt::black);

    // V23C: group C of race 3 in the second condition on view.
    V65x->RullistV->setValue(1);
    Press(Find("V23C"));
    EXPECT_EQ(GroupCondCells[3][3][2], 1);
    ExpectLook("V23C", Aqua, Qt::black);
    ExpectStale();
}

TEST_F(MainActionsTest, ClearButtonsAskAndClearOnYesOnly)
{
    struct Case {
        const char* button;
        QString question;
        void (*prepare)();
        void (*expectCleared)();
    };
    const Case cases[] = {
        {"Button10", QStringLiteral("Ska vi ta bort alla markeringar i ranken?"),
         [] {
             MarkTwoCompositions();
             StartNrCondMarks[4][2][1] = 1;
             StartNrCondUsed[1] = 1;
         },
         [] {
             for (const char* cell : {"R1101", "R3202", "R6101", "R7101"})
                 EXPECT_EQ(Text(cell), QString()) << cell;
             ExpectLook("R3202", Qt::white, Qt::black);
             for (const char* label : {"Avin1", "Avin7", "Bvin0"})
                 ExpectLook(label, Qt::white, SilverColour);
             EXPECT_EQ(Text("Antalkusar"), QStringLiteral("0"));
             EXPECT_EQ(Text("Label2"), QStringLiteral("hästar"));
             EXPECT_EQ(HorseGroups[3][0][2], 0);
             EXPECT_EQ(HorseGroups[7][GroupA][1], 1);  // the dummy race keeps its mark
             EXPECT_EQ(StartNrCondMarks[4][2][1], 0);
             EXPECT_EQ(StartNrCondUsed[1], 0);
         }},
        {"Button12", QStringLiteral("Ska vi ta bort alla villkor?"),
         [] {
             V65x->RullistV->setValue(40);
             Press(Find("V22B"));  // condition 41
         },
         [] {
             EXPECT_EQ(GroupCondCells[2][2][41], 0);
             EXPECT_EQ(V65x->RullistV->value(), 40);
             EXPECT_EQ(Text("Vnr1"), QStringLiteral("40"));
             ExpectLook("V22B", Qt::white, SilverColour);
             ExpectLook("V20", Qt::white, SilverColour);
             EXPECT_EQ(Text("Labelantalvlk"), QStringLiteral("Villkor, 0 st"));
         }},
        {"Button7", QStringLiteral("Ska vi ta bort alla \"Nej\" i listan?"),
         [] {
             MarkTwoCompositions();
             PressListCell(2, 0);
         },
         [] {
             EXPECT_EQ(NejCount, 0);
             EXPECT_EQ(Text("NejPanel"), QStringLiteral("0 Nej"));
             EXPECT_EQ(ListCell(2, 2), QStringLiteral(" 100 %"));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        StartClean();
        c.prepare();
        ShowBuiltSystem();
        const QString before = Text("Antalkusar") + Text("Labelantalvlk") + Text("NejPanel");

        Click(c.button);  // No
        EXPECT_EQ(TestDialogs().questions, QStringList{c.question});
        EXPECT_EQ(Text("Antalkusar") + Text("Labelantalvlk") + Text("NejPanel"), before);
        ExpectStillBuilt();

        TestDialogs().answers.push_back(true);
        Click(c.button);
        c.expectCleared();
        ExpectStale();
    }
}

TEST_F(MainActionsTest, GradingNeedsASystem)
{
    Graded = 1;
    Click("Button5");
    EXPECT_EQ(TestDialogs().messages, QStringList{QStringLiteral("Det finns inget system att rätta.")});
    EXPECT_FALSE(Retta2->isVisible());
    EXPECT_EQ(Graded, 0);

    TestDialogs().Reset();
    SingleRowsBuilt = 1;
    Click("Button5");
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
    EXPECT_TRUE(Retta2->isVisible());
}

TEST_F(MainActionsTest, SeeCouponsOpensTheViewerOfTheSystem)
{
    struct Case {
        flag singleRows, coupons, groupSystem;
        int32 keptCount;
        const char* viewer;
        int32 currentCoupon;
    };
    const Case cases[] = {
        {1, 1, 1, 2, "TSeenkelrader", -1},  // single rows first; the coupon is not touched
        {0, 0, 1, 2, "TKuponger", 0},       // no system: no coupon to show
        {0, 1, 1, 0, "TKuponger", 0},       // no kept coupon
        {0, 1, 0, 2, "TKupongerE", 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.viewer);
        TestDialogs().Reset();
        SingleRowsBuilt = c.singleRows;
        CouponsBuilt = c.coupons;
        GroupSystemBuilt = c.groupSystem;
        KeptCouponCount = c.keptCount;
        KeptCoupons[1] = 7;
        CurrentCoupon = -1;
        Click("Button4");
        EXPECT_EQ(TestDialogs().modalWindows, QStringList{QString::fromLatin1(c.viewer)});
        EXPECT_EQ(CurrentCoupon, c.currentCoupon);
    }
}

// "Spara system" saves without the graded round (here the dialog is cancelled).
TEST_F(MainActionsTest, SavingTheSystemLeavesTheGradedRoundOut)
{
    TestDialogs().Reset();
    SaveRoundInFile = RoundDataInFile = 1;
    Click("Button9");
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
    EXPECT_EQ(SaveRoundInFile, 0);
    EXPECT_EQ(RoundDataInFile, 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainActionsTest, VaryingReductionAsksBeforeDroppingCouponsAndNeedsMarks)
{
    const QString question = QStringLiteral("Kupongerna raderas. Är det OK?    ");
    SaveRoundInFile = 1;
    CouponsBuilt = 1;
    Click("Bereknaerader");  // answered No: only the saved round is forgotten
    EXPECT_EQ(TestDialogs().questions, QStringList{question});
    EXPECT_EQ(SaveRoundInFile, 0);
    EXPECT_EQ(CouponsBuilt, 1);
    EXPECT_FALSE(V65x->LReducgrad->isHidden());
    EXPECT_FALSE(ReduceraF->isVisible());

    TestDialogs().Reset();
    TestDialogs().answers.push_back(true);
    Click("Bereknaerader");  // no marks
    EXPECT_EQ(TestDialogs().messages,
              QStringList{QStringLiteral("Markera först minst en häst i varje avdelning.")});
    EXPECT_EQ(CouponsBuilt, 0);
    EXPECT_TRUE(V65x->LReducgrad->isHidden());
    EXPECT_FALSE(ReduceraF->isVisible());

    TestDialogs().Reset();
    MarkTwoCompositions();
    Click("Bereknaerader");
    EXPECT_TRUE(TestDialogs().questions.isEmpty());
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
    EXPECT_TRUE(ReduceraF->isVisible());
}

TEST_F(MainActionsTest, NameAndDateAreStoredInTheCodePageWithoutMarkingTheSystemUnsaved)
{
    SystemSaved = 1;
    const QString fifty = QString(49, QLatin1Char('n')) + QStringLiteral("é");
    V65x->Namn->setText(fifty);
    EXPECT_EQ(SystemName.str(), fifty);
    V65x->Namn->setText(fifty + QStringLiteral("xyz"));
    EXPECT_EQ(V65x->Namn->text(), fifty);
    EXPECT_EQ(SystemName.str(), fifty);

    V65x->Datum->setText(QStringLiteral("Lördag 12 april 2025, Solvalla"));
    EXPECT_EQ(SystemDate.str(), QStringLiteral("Lördag 12 april 2025, Sol"));
    V65x->Datum->setText(QStringLiteral("Łódź €"));  // Ł and ź are not in the code page
    EXPECT_EQ(SystemDate.str(), QStringLiteral("?ód? €"));
    EXPECT_EQ(SystemSaved, 1);
}

TEST_F(MainActionsTest, SignalsToggleBetweenLimeAndRed)
{
    Press(V65x->Signalodds);
    EXPECT_EQ(BackgroundOf(V65x->Signalodds), LimeColour);
    Press(V65x->Signalodds);
    EXPECT_EQ(BackgroundOf(V65x->Signalodds), RedColour);
    Press(V65x->Signalhest);
    EXPECT_EQ(BackgroundOf(V65x->Signalhest), RedColour);
    EXPECT_EQ(BackgroundOf(V65x->Signalstreck), LimeColour);
}

TEST_F(MainActionsTest, AbortSetsTheStopFlag)
{
    ReduceAbort = 0;
    Click("Avbrytknapp");
    EXPECT_EQ(ReduceAbort, 1);
}

}  // namespace
