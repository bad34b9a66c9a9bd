// The start-number conditions window, the window of their groups and the other number
// conditions window, clicked through by object name: marks, counts, copy and paste, clear
// all, the group limits, the number sets and rules, the row counts and the results they leave
// stale.

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "conditions/construction.h"
#include "conditions/ui/grpvlk.h"
#include "conditions/ui/ovrigavlk.h"
#include "conditions/ui/radvlk.h"
#include "marks/marking.h"
#include "model/notify.h"
#include "model/variabl.h"
#include "windowset.h"

namespace {

void ToggleMark(int race, int horse, int group)
{
    ClickedMarkCode = MarkCode(group, horse);
    ASSERT_TRUE(ToggleGroupMark(race));
}

// Start numbers 1..horses in group A in races 1-6.
void MarkHorses(int horses)
{
    for (int race = 1; race <= 6; ++race)
        for (int horse = 1; horse <= horses; ++horse)
            ToggleMark(race, horse, GroupA);
}

// Types text into an edit key by key, as a user does.
void Type(QLineEdit* edit, const QString& text)
{
    for (const QChar ch : text) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(edit, &key);
    }
}

void Erase(QLineEdit* edit)
{
    while (!edit->text().isEmpty()) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &key);
    }
}

void LeaveByTab(QLineEdit* edit)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(edit, &out);
}

class NumberWindowsTest : public WindowSetTest {
protected:
    void SetUp() override
    {
        WindowSetTest::SetUp();
        for (VForm* window : std::initializer_list<VForm*>{Radvillkor, Gruppvillkor, ovrigavillkor})
            window->ResetToStartState();
    }

    template <typename T = QLabel>
    static T* In(QWidget* window, const char* name)
    {
        T* control = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    static void ClickIn(QWidget* window, const char* name) { In<QAbstractButton>(window, name)->click(); }

    static void OpenStartNrWindow()
    {
        Click("Button16");
        QCoreApplication::processEvents();  // the window system's activation first
        Radvillkor->FormActivate();
    }

    static void OpenOtherWindow()
    {
        Click("Button17");
        QCoreApplication::processEvents();  // the window system's activation first
        ovrigavillkor->FormActivate();
    }

    static void Construct() { V65x->Berekna->click(); }

    static void ExpectColour(QWidget* window, const char* name, const QColor& background)
    {
        EXPECT_EQ(BackgroundOf(In(window, name)), background) << name;
    }
};

TEST_F(NumberWindowsTest, MarkPressInTheRightPanel)
{
    MarkHorses(1);
    ToggleMark(2, 4, GroupB);
    OpenStartNrWindow();
    EXPECT_TRUE(V65x->VlkstartnrJA->isChecked());
    Construct();
    ASSERT_EQ(CouponsBuilt, 1);
    Radvillkor->ScrollBar1->setValue(7);
    EXPECT_EQ(In(Radvillkor, "Vnr2")->text(), "8");
    EXPECT_EQ(CouponsBuilt, 1) << "scrolling from code changes nothing";

    Press(In(Radvillkor, "v2a24"));
    EXPECT_EQ(ClickedStartNrCode, 2204);
    EXPECT_TRUE(In<QCheckBox>(Radvillkor, "aktiv2")->isChecked());
    EXPECT_EQ(StartNrCondActive[8], 1);
    EXPECT_EQ(In(Radvillkor, "Laktiva")->text(), "aktiva: 1 st");
    EXPECT_EQ(Text("Lsnvlk"), "1");
    EXPECT_EQ(In(Radvillkor, "Vlkrubrik")->text(), "Villkor på startnr, 1 st");
    ExpectColour(Radvillkor, "v2a24", YellowColour);
    EXPECT_EQ(Text("LabelRadantal"), "x");
    EXPECT_EQ(CouponsBuilt, 0);
    // One race marked: counts 0 and 1 take clicks, 2-6 do not.
    EXPECT_TRUE(In(Radvillkor, "v21")->isEnabled());
    EXPECT_FALSE(In(Radvillkor, "v22")->isEnabled());
    ExpectColour(Radvillkor, "v22", Qt::white);

    MouseClick(In(Radvillkor, "v21"));
    ExpectColour(Radvillkor, "v21", RedColour);
    EXPECT_EQ(StartNrCondForbiddenCounts[1][8], 1);
    MouseClick(In(Radvillkor, "v21"));
    ExpectColour(Radvillkor, "v21", LimeColour);
    MouseClick(In(Radvillkor, "v22"));
    EXPECT_EQ(StartNrCondForbiddenCounts[2][8], 0) << "a disabled count takes no click";
}

TEST_F(NumberWindowsTest, HorsesInNoGroupShowWhiteOnWhiteAndTakeNoPress)
{
    MarkHorses(2);
    OpenStartNrWindow();
    QLabel* unmarked = In(Radvillkor, "v1a13");
    EXPECT_EQ(BackgroundOf(unmarked), QColor(Qt::white));
    EXPECT_EQ(TextColourOf(unmarked), QColor(Qt::white));
    EXPECT_EQ(TextColourOf(In(Radvillkor, "v1a12")), QColor(Qt::black));
    Press(unmarked);
    EXPECT_EQ(StartNrCondMarks[1][3][1], 0);
    EXPECT_FALSE(In<QCheckBox>(Radvillkor, "aktiv1")->isChecked());

    Mark(1, GroupC, 3);  // marked in the main grid while the window is open
    EXPECT_EQ(TextColourOf(unmarked), QColor(Qt::black));
    Press(unmarked);
    EXPECT_EQ(BackgroundOf(unmarked), Aqua);
}

TEST_F(NumberWindowsTest, ActivationAfterNothingChangedLeavesTheSystem)
{
    MarkHorses(2);
    OpenStartNrWindow();
    Press(In(Radvillkor, "v1a11"));
    MouseClick(In(Radvillkor, "v10"));  // a 1 in race 1 is required
    Construct();
    ASSERT_EQ(CouponsBuilt, 1);
    EXPECT_EQ(Text("LabelRadantal"), "32");
    Radvillkor->FormActivate();
    Radvillkor->ScrollBar1->setValue(2);
    Radvillkor->ScrollBar1->setValue(1);
    EXPECT_EQ(CouponsBuilt, 1);
    EXPECT_EQ(Text("LabelRadantal"), "32");
}

TEST_F(NumberWindowsTest, CopyPasteDeleteAndClearAll)
{
    MarkHorses(2);
    OpenStartNrWindow();
    Press(In(Radvillkor, "v1a32"));
    Type(Radvillkor->Edit[1], QStringLiteral("trean"));
    EXPECT_EQ(StartNrCondComments[1].str(), "trean");
    Construct();
    ClickIn(Radvillkor, "Button1");  // "Kopiera"
    ClickIn(Radvillkor, "Button6");  // "Klistra in" into condition 2
    EXPECT_EQ(StartNrCondMarks[3][2][2], 1);
    EXPECT_EQ(Radvillkor->Edit[2]->text(), "trean");
    ExpectColour(Radvillkor, "v2a32", Magenta);
    EXPECT_EQ(Text("LabelRadantal"), "x") << "a paste makes the results stale";

    ClickIn(Radvillkor, "Button7");  // "Radera" condition 1
    EXPECT_EQ(StartNrCondUsed[1], 0);
    EXPECT_TRUE(Radvillkor->Edit[1]->text().isEmpty());
    EXPECT_TRUE(In<QCheckBox>(Radvillkor, "aktiv1")->isChecked());

    TestDialogs().answers = {false};
    ClickIn(Radvillkor, "Nollaradvlk");
    EXPECT_EQ(TestDialogs().questions, QStringList{"Ska vi ta bort alla villkor?"});
    EXPECT_EQ(StartNrCondUsed[2], 1);
    TestDialogs().answers = {true};
    ClickIn(Radvillkor, "Nollaradvlk");
    EXPECT_EQ(StartNrCondUsedCount, 0);
    EXPECT_TRUE(Radvillkor->Edit[2]->text().isEmpty());
    EXPECT_EQ(In(Radvillkor, "Laktiva")->text(), "aktiva: 1 st");
    EXPECT_EQ(StartNrCondUnreachableCounts[0][2], 1);
    ExpectColour(Radvillkor, "v2a32", Qt::white);
}

TEST_F(NumberWindowsTest, RowCountRunsWithTheWaitingPanelAndOnlyAvbrytTakesInput)
{
    MarkHorses(2);
    OpenStartNrWindow();
    Press(In(Radvillkor, "v1a11"));
    MouseClick(In(Radvillkor, "v10"));
    ClickIn(Radvillkor, "Button3");
    EXPECT_EQ(Text("LabelRadantal"), "32");
    EXPECT_EQ(Text("LRaderoreduc"), "32");
    EXPECT_EQ(CouponsBuilt, 0) << "a row count builds no system";
    EXPECT_TRUE(V65x->Avbrytknapp->isHidden());

    // Enough rows for the run to let events through.
    for (int race = 1; race <= 6; ++race)
        for (int horse = 3; horse <= 12; ++horse)
            ToggleMark(race, horse, GroupB);
    bool panelShown = false;
    QTimer::singleShot(0, V65x, [&] {
        panelShown = !V65x->Avbrytknapp->isHidden() && ConstructionRunning();
        Press(In(Radvillkor, "v1a21"));
        MouseClick(V65x->Avbrytknapp);
    });
    ClickIn(Radvillkor, "Button3");
    EXPECT_TRUE(panelShown);
    EXPECT_EQ(StartNrCondMarks[2][1][1], 0) << "input blocked during the run";
    EXPECT_EQ(ReduceAbort, 1);
    EXPECT_EQ(Text("LabelRadantal"), "x");
    EXPECT_TRUE(V65x->Avbrytknapp->isHidden());
    EXPECT_FALSE(ConstructionRunning());
}

TEST_F(NumberWindowsTest, GroupWindowLimitsAndBoxes)
{
    MarkHorses(2);
    OpenStartNrWindow();
    Press(In(Radvillkor, "v1a11"));
    ClickIn(Radvillkor, "Button9");
    Gruppvillkor->FormActivate();
    EXPECT_EQ(GroupFormOpen, 1);
    EXPECT_TRUE(In<QCheckBox>(Gruppvillkor, "CB11")->isEnabled());
    EXPECT_FALSE(In<QCheckBox>(Gruppvillkor, "CB212")->isEnabled());

    QLineEdit* high = In<QLineEdit>(Gruppvillkor, "E1H");
    Erase(high);
    Type(high, QStringLiteral("150"));
    EXPECT_EQ(ConditionGroupLimits[2], 100);
    EXPECT_EQ(high->text(), "150");
    LeaveByTab(high);
    EXPECT_EQ(TestDialogs().messages, QStringList{"Antal villkor?"});
    EXPECT_EQ(high->text(), "100");

    QLineEdit* low = In<QLineEdit>(Gruppvillkor, "E2L");
    Type(low, QStringLiteral("a"));
    EXPECT_EQ(low->text(), "0") << "a letter is taken back at once";
    Erase(low);
    Type(low, QStringLiteral("07"));
    EXPECT_EQ(ConditionGroupLimits[3], 7);
    LeaveByTab(low);
    EXPECT_EQ(low->text(), "7");
    EXPECT_EQ(TestDialogs().messages.size(), 2);

    Construct();
    ASSERT_EQ(CouponsBuilt, 1);
    In<QCheckBox>(Gruppvillkor, "CBA1")->click();
    EXPECT_EQ(ConditionGroupActive[1], 1);
    EXPECT_EQ(Text("LabelRadantal"), "x") << "a group change makes the results stale";
    In<QCheckBox>(Gruppvillkor, "CB11")->click();
    EXPECT_EQ(ConditionGroupMembers[1][1], 1);

    Press(In(Radvillkor, "v2a11"));  // condition 2 becomes active
    EXPECT_TRUE(In<QCheckBox>(Gruppvillkor, "CB32")->isEnabled());
    ClickIn(Radvillkor, "Button2");  // "Tillbaka" closes both windows
    EXPECT_EQ(GroupFormOpen, 0);
    EXPECT_TRUE(Gruppvillkor->isHidden());
}

TEST_F(NumberWindowsTest, OtherConditionEditAfterFlerkupongShowsXOnce)
{
    MarkHorses(2);
    OpenOtherWindow();
    EXPECT_TRUE(V65x->Vlkovrigt->isChecked());
    int resets = 0;
    const QObject subscription;
    Events::ResultsStale.Subscribe(&subscription, [&] { ++resets; });
    Construct();
    ASSERT_EQ(CouponsBuilt, 1);
    MouseClick(In(ovrigavillkor, "ovrn10"));  // rows without a 1 are removed
    ExpectColour(ovrigavillkor, "ovrn10", RedColour);
    EXPECT_EQ(NrCountForbidden[1][0], 1);
    EXPECT_EQ(Text("LabelRadantal"), "x");
    EXPECT_EQ(resets, 1);
    MouseClick(In(ovrigavillkor, "ovrn11"));  // and those with exactly one
    EXPECT_EQ(resets, 1) << "the second change does not reset again";

    Construct();
    ASSERT_EQ(CouponsBuilt, 1);
    EXPECT_EQ(Text("LabelRadantal"), "57");
    MouseClick(In(ovrigavillkor, "ovrn12"));
    EXPECT_EQ(Text("LabelRadantal"), "x") << "a change after a new construction shows x again";
    EXPECT_EQ(resets, 2);
}

TEST_F(NumberWindowsTest, NumberSetsAndRulesOfTheOtherConditionsWindow)
{
    MarkHorses(3);
    OpenOtherWindow();
    ovrigavillkor->Rullist->setValue(5);  // column 2 shows set 7
    MouseClick(In(ovrigavillkor, "ovrvlk12"));
    MouseClick(In(ovrigavillkor, "ovrvlk22"));
    EXPECT_EQ(NrSetCondMarks[1][7] + NrSetCondMarks[2][7], 2);
    ExpectColour(ovrigavillkor, "ovrvlk12", YellowColour);
    ClickIn(ovrigavillkor, "ovrtb2");
    ClickIn(ovrigavillkor, "ovrk2");
    EXPECT_FALSE(In<QCheckBox>(ovrigavillkor, "ovrtb2")->isChecked());
    EXPECT_EQ(NrSetCondRequire[7], 1);
    EXPECT_EQ(NrSetCondRemove[7], 0);
    EXPECT_EQ(In(ovrigavillkor, "Label160")->text(), "Villkor på nr, 1 st");

    MouseClick(In(ovrigavillkor, "LL1"));
    EXPECT_TRUE(ovrigavillkor->LabelPar->isVisible());
    EXPECT_EQ(ovrigavillkor->LabelPar->text(), "Minst 2 lika nr");
    MouseClick(In(ovrigavillkor, "LL2"));
    EXPECT_EQ(ovrigavillkor->LabelPar->text(), "Minst 3 lika nr");
    ClickIn(ovrigavillkor, "par1k");
    ClickIn(ovrigavillkor, "par1tb");
    EXPECT_FALSE(In<QCheckBox>(ovrigavillkor, "par1k")->isChecked());
    EXPECT_EQ(PairRules[1], 2);
    ClickIn(ovrigavillkor, "par1tb");
    EXPECT_EQ(PairRules[1], 0);

    // Set 7 ("Krav", numbers 1-2, 0-6) keeps every row; "Minst 3 lika nr" keeps the rows of
    // three horses per race in which no number is picked exactly twice.
    ResultsStaleShown = 1;
    ClickIn(ovrigavillkor, "Button3");
    EXPECT_EQ(Text("LabelRadantal"), "189");
    EXPECT_EQ(ResultsStaleShown, 0) << "the next change shows x again";

    ovrigavillkor->FormActivate();
    EXPECT_EQ(ovrigavillkor->Rullist->value(), 0);
    EXPECT_FALSE(In<QCheckBox>(ovrigavillkor, "ovrk2")->isChecked()) << "column 2 shows set 2 again";
    EXPECT_EQ(Text("LabelRadantal"), "189") << "activation changes nothing";
}

}  // namespace
