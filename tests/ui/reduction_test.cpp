// The reduction windows: the varying reduction run from its window (with input blocked but
// "Avbryt"), the points edits and group colours, the refused extension of coupons, the
// payout and random-code edits, and the manual coupon reduction with the main window's
// totals.

#include <gtest/gtest.h>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "app/forms.h"
#include "conditions/price.h"
#include "conditions/rowcount.h"
#include "conditions/winnercounts.h"
#include "core/ui/huvf.h"
#include "marks/marking.h"
#include "model/variabl.h"
#include "platform/ui/dialogs.h"
#include "racedata/ui/startlistwindow.h"
#include "reduction/ui/infoutdeln.h"
#include "reduction/ui/reduc.h"
#include "reduction/ui/reducu.h"
#include "reduction/ui/slumpis.h"
#include "reduction/varyingreduction.h"
#include "windowset.h"

namespace {

class ReductionWindowTest : public WindowSetTest {
protected:
    void SetUp() override
    {
        WindowSetTest::SetUp();
        for (VForm* window : std::initializer_list<VForm*>{ReduceraF, Slump, Infoutd, Reducera})
            window->ResetToStartState();
    }

    static void LeaveEdit(QLineEdit* edit)
    {
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(edit, &out);
    }

    // The offscreen platform activates no window: deliver the activation by hand.
    static void Activate(QWidget* window)
    {
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(window, &activate);
    }

    // One point for start number 1 of every race, so that each race has a drawable horse.
    static void GivePointsToHorseOne()
    {
        for (int race = 1; race <= 6; ++race)
            ReductionPoints[HorseIndex(race, 1)] = 1;
    }

    static void OpenReductionWindow()
    {
        V65x->Bereknaerader->click();
        ASSERT_TRUE(ReduceraF->isVisible());
    }

    // Every race has an A horse with 99 points and a B horse with 1, and the winner counts allow
    // only the row of A horses and the seven rows of five or six B horses. The first is kept at
    // once; each of the others is drawn about once in 10^10 candidates, so a run with the target
    // of two rows draws all of its candidates (some seconds) unless something stops it.
    static void PrepareRunThatCannotFinish()
    {
        for (int race = 1; race <= 6; ++race) {
            Mark(race, GroupA, 1);
            Mark(race, GroupB, 2);
            ReductionPoints[HorseIndex(race, 1)] = 99;
            ReductionPoints[HorseIndex(race, 2)] = 1;
        }
        OpenReductionWindow();
        for (int count = 0; count <= 7; ++count)
            WinnerCountAllowed[count][GroupA] = count <= 2 || count == 7 ? 1 : 0;  // the dummy is an A
        ReduceraF->Editradantal->setText("2");
    }

    // Where a key goes: an open popup takes every key, else the widget with the focus.
    static void PressEscape(QWidget* focus)
    {
        QWidget* popup = QApplication::activePopupWidget();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(popup ? popup : focus, &escape);
    }

    // A press of the right button and the context-menu request that follows it.
    static void RightClick(QWidget* target)
    {
        SendMouse(target, QEvent::MouseButtonPress, {3, 3}, Qt::RightButton);
        QContextMenuEvent request(QContextMenuEvent::Mouse, {3, 3}, target->mapToGlobal(QPoint(3, 3)));
        QCoreApplication::sendEvent(target, &request);
        SendMouse(target, QEvent::MouseButtonRelease, {3, 3}, Qt::RightButton);
    }

    // Clicks "Konstruera system". A run still going after some seconds, which the test should
    // have stopped or which should have ended by itself, fails the test and is stopped.
    static void RunWithFailSafe()
    {
        const QObject failSafe;  // the timer ends with the run
        QTimer::singleShot(10000, &failSafe, [] {
            ADD_FAILURE() << "The run was still going: the fail-safe stopped it.";
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            ReduceraF->KnAvbryt->click();
        });
        ReduceraF->Konstrueraknapp->click();
    }

    // Runs the reduction with during() called from its event handling; returns whether it
    // was called while the run went on.
    static bool RunWith(const std::function<void()>& during)
    {
        bool calledDuringRun = false;
        const QObject duringRun;  // a run that ended before the timer leaves during() uncalled
        QTimer::singleShot(50, &duringRun, [&] {
            calledDuringRun = ReductionRunning();
            during();
        });
        RunWithFailSafe();
        return calledDuringRun;
    }
};

TEST_F(ReductionWindowTest, RunFromTheWindowBlocksInputUntilAvbrytAndShowsTheRows)
{
    PrepareRunThatCannotFinish();
    // During the run a click on the main window's grid is swallowed; then "Avbryt" stops it.
    QTimer::singleShot(50, [] { Mark(1, GroupB, 3); });
    QTimer::singleShot(100, [] { ReduceraF->KnAvbryt->click(); });
    RunWithFailSafe();

    EXPECT_EQ(HorseGroups[1][0][3], 0);
    EXPECT_FALSE(ReductionRunning());
    EXPECT_TRUE(ReduceraF->KnAvbryt->isHidden());
    EXPECT_EQ(ReduceraF->LRader->text(), "1");
    EXPECT_EQ(ReduceraF->Editradantal->text(), "1");
    EXPECT_EQ(ReduceraF->r[1][1]->text(), "100");
    EXPECT_EQ(Text("LabelRadantal"), "1");
    EXPECT_EQ(Text("LabelKup"), "enkelrader");
    EXPECT_EQ(Text("Prisrader"), "1");
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
}

// The close box of the reduction window, of the main window or of a start-list window (a tool
// window) during a run that cannot finish stops the run as "Avbryt" does, with the window and
// its "Avbryt" still shown; the close comes back once the run has ended: the window closes, the
// main window asks its question.
TEST_F(ReductionWindowTest, CloseOfAnyWindowDuringARunStopsItFirst)
{
    struct Case {
        QWidget* window;
        QStringList questions;  // none: the window closes
    };
    std::vector<Case> cases = {
        {ReduceraF, {}},
        {V65x, {QStringLiteral("Ska systemet sparas innan programmet stängs?")}},
    };
    for (int race = 1; race <= RaceSlots; ++race)
        cases.push_back({StartListWindow(race), {}});
    for (const Case& c : cases) {
        SetUp();
        PrepareRunThatCannotFinish();
        const bool closes = c.questions.isEmpty();
        if (closes)
            c.window->show();
        const std::string name = c.window->objectName().toStdString();
        bool shownDuringRun = false;
        EXPECT_TRUE(RunWith([&] {
            c.window->close();
            shownDuringRun = ReduceraF->isVisible() && ReduceraF->KnAvbryt->isVisible() &&
                             (!closes || c.window->isVisible());
        })) << name;
        EXPECT_TRUE(shownDuringRun) << name;
        EXPECT_FALSE(ReductionRunning()) << name;
        EXPECT_EQ(ReduceAbort, 1) << name;
        EXPECT_EQ(SingleRowCount, 1) << name;
        EXPECT_TRUE(TestDialogs().questions.isEmpty()) << name;
        QCoreApplication::processEvents();
        EXPECT_EQ(ReduceraF->isHidden(), c.window == ReduceraF) << name;
        EXPECT_TRUE(!closes || c.window->isHidden()) << name;
        EXPECT_EQ(TestDialogs().questions, c.questions) << name;
    }
}

// A popup takes every key and click, so none may stay open during a run: a right-click on an
// edit opens no menu and a popup that shows meanwhile closes at once. Escape stops the run as
// "Avbryt" does, with the row found kept.
TEST_F(ReductionWindowTest, DuringARunNoPopupStaysOpenAndEscapeStopsIt)
{
    PrepareRunThatCannotFinish();
    QMenu menu;
    menu.addAction(QStringLiteral("Kopiera"));
    bool popupOpen = true;
    EXPECT_TRUE(RunWith([&] {
        RightClick(ReduceraF->Editradantal);
        menu.popup(ReduceraF->mapToGlobal(QPoint(20, 20)));
        QTimer::singleShot(0, ReduceraF, [&] {
            popupOpen = QApplication::activePopupWidget() != nullptr;
            PressEscape(ReduceraF->Editradantal);
        });
    }));
    EXPECT_FALSE(popupOpen);
    EXPECT_FALSE(ReductionRunning());
    EXPECT_EQ(ReduceAbort, 1);
    EXPECT_EQ(SingleRowCount, 1);
    EXPECT_EQ(ReduceraF->LRader->text(), "1");
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
}

// No box opens during a run: a notice that arrives meanwhile (the update notice) shows once the
// run has ended. No second run starts meanwhile: neither the construction nor a row count.
TEST_F(ReductionWindowTest, DuringARunNoticesWaitAndNoOtherRunStarts)
{
    PrepareRunThatCannotFinish();
    ConstructionOutcome countOutcome = ConstructionOutcome::RowsCounted;
    bool noticeShownDuringRun = true;
    EXPECT_TRUE(RunWith([&] {
        ShowMessage(QStringLiteral("Version 19 finns."));
        noticeShownDuringRun = !TestDialogs().messages.isEmpty();
        V65x->Berekna->click();
        countOutcome = CountSystemRows().outcome;
        ReduceraF->Konstrueraknapp->click();
        ReduceraF->KnAvbryt->click();
    }));
    EXPECT_FALSE(noticeShownDuringRun);
    EXPECT_EQ(countOutcome, ConstructionOutcome::AlreadyRunning);
    EXPECT_EQ(CouponsBuilt, 0);
    EXPECT_EQ(SingleRowCount, 1);
    EXPECT_EQ(Text("LabelKup"), "enkelrader");
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(TestDialogs().messages, QStringList{QStringLiteral("Version 19 finns.")});
}

// A target above the system's rows could never be reached: it is refused before the run.
TEST_F(ReductionWindowTest, TargetAboveTheSystemsRowsIsRefused)
{
    MarkOneAHorsePerRace();
    Mark(1, GroupA, 2);
    Mark(2, GroupA, 2);
    GivePointsToHorseOne();
    OpenReductionWindow();
    ReduceraF->Editradantal->setText("5");
    ReduceraF->Konstrueraknapp->click();
    EXPECT_EQ(TestDialogs().messages,
              QStringList{QStringLiteral("Systemet har bara 4 rader. Ange ett mindre radantal.")});
    EXPECT_EQ(SingleRowsBuilt, 0);
    EXPECT_TRUE(ReduceraF->KnAvbryt->isHidden());
}

// Race 1's second horse has no points and is never drawn: once the one drawable row is kept
// the run ends by itself, keeps the row and says how many rows it found.
TEST_F(ReductionWindowTest, ARunThatCanAddNoMoreRowsEndsByItselfWithAMessage)
{
    MarkOneAHorsePerRace();
    Mark(1, GroupA, 2);
    GivePointsToHorseOne();
    OpenReductionWindow();
    ReduceraF->Editradantal->setText("2");
    RunWithFailSafe();
    EXPECT_EQ(ReduceAbort, 0);
    EXPECT_EQ(TestDialogs().messages,
              QStringList{QStringLiteral("Bara 1 rad klarar begränsningarna och radskillnaden.")});
    EXPECT_EQ(ReduceraF->LRader->text(), "1");
    EXPECT_EQ(ReduceraF->Editradantal->text(), "1");
    EXPECT_EQ(Text("LabelRadantal"), "1");
    EXPECT_EQ(Text("LabelKup"), "enkelrader");
}

// The print-out and the run read the restriction boxes from the table they mirror.
TEST_F(ReductionWindowTest, RestrictionBoxesAreMirroredInTheirTable)
{
    MarkOneAHorsePerRace();
    OpenReductionWindow();
    ReduceraF->CBVinnare->click();
    ReduceraF->CBovrigt->click();
    EXPECT_FALSE(ReductionBoxes.winnerCounts);
    EXPECT_TRUE(ReductionBoxes.otherNumbers);
    EXPECT_TRUE(ReductionBoxes.abcdList);
    ReduceraF->ResetToStartState();
    EXPECT_TRUE(ReductionBoxes.winnerCounts);
    EXPECT_FALSE(ReductionBoxes.otherNumbers);
}

TEST_F(ReductionWindowTest, ExtendingCouponsIsRefusedWithAMessage)
{
    MarkOneAHorsePerRace();
    V65x->Berekna->click();
    ASSERT_EQ(CouponsBuilt, 1);
    SystemSaved = 1;
    GivePointsToHorseOne();
    OpenReductionWindow();
    ReduceraF->RadioButton4->setChecked(true);
    ReduceraF->Editradantal->setText("5");
    ReduceraF->Konstrueraknapp->click();
    EXPECT_EQ(TestDialogs().messages, QStringList{NoSingleRowsToExtendMessage});
    EXPECT_EQ(SingleRowsBuilt, 0);
}

TEST_F(ReductionWindowTest, PointsEditsCommitOnExitAndCellsFollowTheMarks)
{
    MarkOneAHorsePerRace();
    OpenReductionWindow();
    QLineEdit* edit = ReduceraF->p[2][5];
    edit->setText("007");
    LeaveEdit(edit);
    EXPECT_EQ(edit->text(), "   7");
    EXPECT_EQ(ReductionPoints[HorseIndex(2, 5)], 7);
    edit->setText("101");
    LeaveEdit(edit);
    EXPECT_EQ(edit->text(), "   7");

    EXPECT_EQ(BackgroundOf(ReduceraF->s[3][1]), Magenta);
    EXPECT_EQ(BackgroundOf(ReduceraF->p[3][1]), Magenta);
    ReduceraF->hide();
    Mark(3, GroupC, 4);
    EXPECT_EQ(BackgroundOf(ReduceraF->r[3][4]), Aqua);

    OpenReductionWindow();
    Activate(ReduceraF);
    EXPECT_EQ(edit->text(), "7");
}

TEST_F(ReductionWindowTest, ButtonsReportMissingDataAndBeraknaShowsTheUnreducedShares)
{
    MarkOneAHorsePerRace();
    OpenReductionWindow();
    ReduceraF->Button5->click();
    ReduceraF->Button8->click();
    ReduceraF->Editradantal->setText("0042");
    LeaveEdit(ReduceraF->Editradantal);
    EXPECT_EQ(TestDialogs().messages,
              (QStringList{"Det finns inga rader.", "Streckfördelningen saknas.", "Radantal?"}));
    EXPECT_FALSE(Infoutd->isVisible());

    ReduceraF->Button3->click();
    EXPECT_EQ(UnreducedPercentValid, 1);
    EXPECT_EQ(ReduceraF->o[2][1]->text(), "100");
    EXPECT_EQ(ReduceraF->o[2][2]->text(), "   0");
    ReduceraF->Button4->click();
    EXPECT_EQ(ReductionPoints[HorseIndex(2, 1)], 100);
    EXPECT_EQ(ReduceraF->p[2][1]->text(), "100");
}

TEST_F(ReductionWindowTest, PayoutAndCodeEditsKeepOnlyValidNumbers)
{
    Infoutd->Edit2->setText("150000000");
    EXPECT_EQ(Infoutd->Edit2->text(), "100000000");
    EXPECT_EQ(PayoutMax, 100000000);
    Infoutd->Edit1->setText("-5");
    EXPECT_EQ(Infoutd->Edit1->text(), "0");
    EXPECT_EQ(Text("LabelRadantal"), "x");

    Slump->slumpedit->setText("0042");
    EXPECT_EQ(Slump->slumpedit->text(), "42");
    EXPECT_EQ(RandomCode, 42);
    Slump->slumpedit->setText("12a");
    EXPECT_EQ(Slump->slumpedit->text(), "42");
    Slump->slumpedit->clear();
    EXPECT_EQ(Slump->slumpedit->text(), "42");
}

TEST_F(ReductionWindowTest, ManualReductionShowsTheKeptTotalsOnBothWindows)
{
    for (int race = 1; race <= 6; ++race) {
        Mark(race, GroupA, 1);
        Mark(race, GroupB, 2);
    }
    ClickWinnerCount(GroupA, 7);  // no row of six A: the system splits into several coupons
    V65x->Berekna->click();
    ASSERT_GT(CouponCount, 1);
    const int32 rowsBefore = RowsKept;
    const int32 lastRows = CouponRowCounts[CouponCount];
    V65x->KnReducera->click();
    ASSERT_TRUE(Reducera->isVisible());
    Activate(Reducera);
    EXPECT_EQ(Reducera->LRaderforereduc->text(), QString::number(rowsBefore));

    Reducera->SValjbortfrom->setValue(1);
    Reducera->SValjborttom->setValue(1);
    Reducera->Button4->click();
    EXPECT_TRUE(Reducera->KAngra->isVisible());
    EXPECT_EQ(CouponKept[1], 0);
    EXPECT_EQ(Text("LabelRadantal"), QString::number(RowsKept));
    EXPECT_EQ(Text("LabelKup"), QString::number(CouponCount - 1));
    EXPECT_EQ(Text("Pristot"), WholeKronorText(TotalPrice));
    EXPECT_EQ(Reducera->LRaderefterreduc->text(), QString::number(RowsKept));

    Reducera->KAngra->click();
    EXPECT_EQ(Text("LabelRadantal"), QString::number(rowsBefore));
    EXPECT_EQ(Text("LReducgrad"), "0 %");

    // A drop that drops nothing ("Fr o m" after "t o m") offers no undo.
    Reducera->Button4->click();  // drops the last kept coupon
    ASSERT_TRUE(Reducera->KAngra->isVisible());
    const int32 kept = RowsKept;
    Reducera->SValjbortfrom->setValue(2);
    Reducera->SValjborttom->setValue(1);
    Reducera->Button4->click();
    EXPECT_FALSE(Reducera->KAngra->isVisible());
    EXPECT_EQ(RowsKept, kept);
    Reducera->Button5->click();  // all kept again

    for (int i = 0; i < 3; ++i)
        Reducera->SpinUp[2]->click();
    EXPECT_EQ(Reducera->LKupongnr->text(), QString::number(CouponCount));
    Reducera->KnTB->click();
    EXPECT_EQ(Reducera->KnTB->text(), "Lägg till kupongen");
    EXPECT_EQ(Text("LabelRadantal"), QString::number(rowsBefore - lastRows));

    CouponsBuilt = 0;  // the coupons are no longer the system
    Activate(Reducera);
    Reducera->Button5->click();
    EXPECT_EQ(CouponKept[CouponCount], 0);
}

}  // namespace
