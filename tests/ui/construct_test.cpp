// "Flerkupong": the check of the marks, the single-rows question, the choice of builder by
// the condition switches, the counts and prices shown, too many coupons, and "Avbryt"
// during a run.

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <array>

#include "app/forms.h"
#include "conditions/construction.h"
#include "conditions/keptcoupons.h"
#include "conditions/price.h"
#include "conditions/ui/ovrigavlk.h"
#include "conditions/ui/radvlk.h"
#include "conditions/winnercounts.h"
#include "core/ui/huvf.h"
#include "marks/marking.h"
#include "model/variabl.h"
#include "platform/ui/dialogs.h"
#include "reduction/ui/reducu.h"
#include "support/marks.h"
#include "windowset.h"

namespace {

// Start numbers 1..horses in group A in races 1-6.
void MarkHorses(std::array<int, 6> horses)
{
    for (int race = 1; race <= 6; ++race)
        for (int horse = 1; horse <= horses[race - 1]; ++horse)
            ASSERT_TRUE(MarkHorse(race, GroupA, horse));
}

class ConstructTest : public WindowSetTest {
protected:
    static void Construct() { V65x->Berekna->click(); }

    static void ExpectNoSystemShown()
    {
        EXPECT_EQ(Text("LabelRadantal"), "x");
        EXPECT_EQ(Text("LRaderoreduc"), "x");
        EXPECT_EQ(Text("LabelKup"), "x");
        EXPECT_TRUE(V65x->Prisrader->isHidden());
        EXPECT_EQ(CouponsBuilt, 0);
    }

    static void ExpectOverlayHidden()
    {
        for (QWidget* part :
             std::initializer_list<QWidget*>{V65x->Venta1, V65x->Venta2, V65x->Venta3, V65x->Avbrytknapp})
            EXPECT_TRUE(part->isHidden()) << part->objectName().toStdString();
    }
};

TEST_F(ConstructTest, RaceWithoutMarksIsRefusedAndChangesNothing)
{
    MarkHorses({2, 2, 2, 2, 2, 0});
    ResultLabels.Radantal = QStringLiteral("12");
    V65x->PaintResultLabels();
    SaveRoundInFile = 1;
    Construct();
    EXPECT_EQ(TestDialogs().messages, QStringList{"Markera först minst en häst i varje avdelning."});
    EXPECT_EQ(Text("LabelRadantal"), "12");
    EXPECT_EQ(SaveRoundInFile, 1);
    EXPECT_EQ(CouponsBuilt, 0);
}

// Two horses in each race: 64 rows, one coupon, whichever builder runs.
TEST_F(ConstructTest, SwitchesChooseTheBuilderAndTheCountsAndPriceAreShown)
{
    const QString price = QString::number(64 + CouponFeeForRows(64));
    struct Case {
        QCheckBox* ticked;
        int mode;
    };
    const Case cases[] = {
        {nullptr, 1},         {V65x->VlkstartnrJA, 0}, {V65x->VlkvinstchJA, 0},
        {V65x->Vlkovrigt, 0}, {V65x->CBUtdelning, 0},
    };
    for (const Case& c : cases) {
        StartClean();
        MarkHorses({2, 2, 2, 2, 2, 2});
        if (c.ticked)
            c.ticked->setChecked(true);
        V65x->LReducgrad->hide();
        for (int pass = 1; pass <= 2; ++pass) {  // a second run gives the same
            Construct();
            const std::string where =
                (c.ticked ? c.ticked->objectName().toStdString() : "none") + " pass " + std::to_string(pass);
            EXPECT_EQ(GroupSystemBuilt, c.mode) << where;
            EXPECT_EQ(CouponsBuilt, 1) << where;
            EXPECT_EQ(Text("LabelRadantal"), "64") << where;
            EXPECT_EQ(Text("LRaderoreduc"), "64") << where;
            EXPECT_EQ(Text("LabelKup"), "1") << where;
            EXPECT_EQ(Text("Prisrader"), "64") << where;
            EXPECT_EQ(Text("Pristot"), price) << where;
            for (QLabel* label : {V65x->Pris1, V65x->Pris3, V65x->Pris4, V65x->Prisrader, V65x->Prisavg,
                                  V65x->Pristot, V65x->LReducgrad})
                EXPECT_FALSE(label->isHidden()) << where << " " << label->objectName().toStdString();
            for (QPushButton* button : {V65x->Button2, V65x->Button3, V65x->Button4, V65x->Button5,
                                        V65x->LATGfil, V65x->KnReducera})
                EXPECT_TRUE(button->isEnabled()) << where << " " << button->objectName().toStdString();
            ExpectOverlayHidden();
        }
        EXPECT_TRUE(TestDialogs().messages.isEmpty());
        EXPECT_TRUE(TestDialogs().errors.isEmpty());
    }
}

// A system saved with coupons dropped by hand loads with its reduction grade; "Flerkupong"
// then shows the grade of the system it built, with every coupon kept, whichever builder runs.
TEST_F(ConstructTest, AConstructionShowsTheGradeOfTheSystemItBuilt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (QCheckBox* ticked : {static_cast<QCheckBox*>(nullptr), V65x->VlkstartnrJA}) {
        StartClean();
        const std::string where = ticked ? "row engine" : "group coupons";
        for (int race = 1; race <= 6; ++race) {  // A at 1, B at 2; six B winners not allowed
            ASSERT_TRUE(MarkHorse(race, GroupA, 1));
            ASSERT_TRUE(MarkHorse(race, GroupB, 2));
        }
        ClickWinnerCount(GroupB, 6);
        if (ticked)
            ticked->setChecked(true);
        Construct();
        ASSERT_GT(CouponCount, 1) << where;
        CouponKept[1] = 0;
        PublishKeptCouponTotals(RecomputeCouponSelection());
        const QString grade = ResultLabels.Reducgrad;
        ASSERT_NE(grade, QStringLiteral("0 %")) << where;
        TestDialogs().fileNames = {dir.filePath(QStringLiteral("reducerat"))};
        V65x->Button9->click();  // "Spara system"

        StartClean();
        TestDialogs().fileNames = {dir.filePath(QStringLiteral("reducerat.SV6"))};
        V65x->Button8->click();  // "Hämta system"
        EXPECT_EQ(Text("LReducgrad"), grade) << where;
        EXPECT_EQ(Text("LabelRadantal"), QString::number(63 - CouponRowCounts[1])) << where;

        Construct();
        EXPECT_EQ(Text("LReducgrad"), "0 %") << where;
        EXPECT_EQ(Text("LabelRadantal"), "63") << where;
        EXPECT_EQ(ReductionPercent, 0) << where;  // what the reduction window shows
        EXPECT_EQ(CouponsReduced, 0) << where;
        EXPECT_TRUE(TestDialogs().errors.isEmpty()) << where;
    }
}

TEST_F(ConstructTest, SingleRowsAreReplacedOnlyWhenTheUserAgrees)
{
    MarkHorses({2, 2, 2, 2, 2, 2});
    SingleRowsBuilt = 1;
    GroupSystemBuilt = 0;
    SaveRoundInFile = 1;
    TestDialogs().answers = {false};
    Construct();
    EXPECT_EQ(TestDialogs().questions, QStringList{"Enkelraderna raderas. Är det OK?    "});
    EXPECT_EQ(SingleRowsBuilt, 1);
    EXPECT_EQ(GroupSystemBuilt, 0);
    EXPECT_EQ(CouponsBuilt, 0);
    EXPECT_EQ(SaveRoundInFile, 0);

    TestDialogs().answers = {true};
    Construct();
    EXPECT_EQ(TestDialogs().questions.size(), 2);
    EXPECT_EQ(SingleRowsBuilt, 0);
    EXPECT_EQ(GroupSystemBuilt, 1);
    EXPECT_EQ(CouponsBuilt, 1);
    EXPECT_EQ(Text("LabelRadantal"), "64");
}

// Rows whose points add up to 27 with 1, 6, 11, 11, 11 and 13 horses: no two differ in one
// race only, so each is a coupon of its own, 5 501 of them.
TEST_F(ConstructTest, TooManyCouponsIsReportedAndShowsNoSystem)
{
    MarkHorses({1, 6, 11, 11, 11, 13});
    for (int race = 1; race <= 6; ++race)
        for (int horse = 1; horse <= StartNumbers; ++horse)
            CondPoints[race][horse][1] = static_cast<byte>(horse);
    CondSumActive[1] = CondActive[1] = 1;
    CondSumMin[1] = CondSumMax[1] = 27;
    V65x->VlkvinstchJA->setChecked(true);
    ResultLabels.PriceVisible = true;  // the price of an earlier system
    V65x->PaintResultLabels();
    Construct();
    EXPECT_EQ(TestDialogs().errors, QStringList{"Över 5 500 kuponger.  AVBRYT!"});
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
    ExpectNoSystemShown();
    EXPECT_EQ(GroupSystemBuilt, 0);
    ExpectOverlayHidden();
}

// While the engine lets events through, the panel shows, a second construction is refused,
// a click on the grid does not reach it, and "Avbryt" stops the run with no system left.
TEST_F(ConstructTest, AvbrytDuringARunLeavesNoSystem)
{
    MarkHorses({2, 2, 2, 2, 2, 2});
    V65x->Vlkovrigt->setChecked(true);
    bool ranDuringConstruction = false;
    QTimer::singleShot(0, V65x, [&] {
        ranDuringConstruction = ConstructionRunning();
        EXPECT_FALSE(V65x->Avbrytknapp->isHidden());
        EXPECT_FALSE(V65x->Venta3->isHidden());
        SingleRowsBuilt = 1;  // a second construction would ask about them
        Construct();
        MouseClick(V65x->MarkCells[1][GroupA][5]);
        MouseClick(V65x->Avbrytknapp);
    });
    Construct();
    EXPECT_TRUE(ranDuringConstruction);
    EXPECT_TRUE(TestDialogs().questions.isEmpty());
    EXPECT_EQ(HorseGroupOf(1, 5), 0);
    EXPECT_EQ(ReduceAbort, 1);
    ExpectNoSystemShown();
    ExpectOverlayHidden();
    EXPECT_FALSE(ConstructionRunning());

    Construct();  // the next run is not stopped by the old request
    EXPECT_EQ(CouponsBuilt, 1);
    EXPECT_EQ(Text("LabelRadantal"), "64");
}

// No box opens while the engine runs: a notice that arrives meanwhile shows once the run has
// ended, and a close request stops the run as "Avbryt" does and asks its question afterwards.
TEST_F(ConstructTest, NoBoxOpensDuringARun)
{
    MarkHorses({2, 2, 2, 2, 2, 2});
    V65x->Vlkovrigt->setChecked(true);
    bool ranDuringConstruction = false;
    QTimer::singleShot(0, V65x, [&] {
        ranDuringConstruction = ConstructionRunning();
        ShowMessage(QStringLiteral("Version 19 finns."));
        V65x->close();
        EXPECT_TRUE(TestDialogs().messages.isEmpty());
        EXPECT_TRUE(TestDialogs().questions.isEmpty());
    });
    Construct();
    EXPECT_TRUE(ranDuringConstruction);
    EXPECT_EQ(ReduceAbort, 1);
    ExpectNoSystemShown();
    EXPECT_TRUE(TestDialogs().questions.isEmpty());
    SingleRowsBuilt = 1;  // an unsaved system when the close comes back: it asks
    QCoreApplication::processEvents();
    EXPECT_EQ(TestDialogs().messages, QStringList{QStringLiteral("Version 19 finns.")});
    EXPECT_EQ(TestDialogs().questions,
              QStringList{QStringLiteral("Ska systemet sparas innan programmet stängs?")});
}

// A close of a condition window during its row count stops the count as "Avbryt" does and
// comes back afterwards; no reduction starts meanwhile; the built system that remains shows its
// counts again.
TEST_F(ConstructTest, CloseDuringARowCountStopsItFirstAndTheSystemStaysShown)
{
    MarkHorses({2, 2, 2, 2, 2, 2});
    V65x->Vlkovrigt->setChecked(true);
    Construct();
    ASSERT_EQ(CouponsBuilt, 1);
    for (int race = 1; race <= 6; ++race)
        ReductionPoints[HorseIndex(race, 1)] = 1;
    ReduceraF->Editradantal->setText("10");
    Radvillkor->Show();
    bool ranDuringCount = false;
    bool shownDuringCount = false;
    QTimer::singleShot(0, V65x, [&] {
        ranDuringCount = ConstructionRunning();
        Radvillkor->close();
        shownDuringCount = Radvillkor->isVisible();
        ReduceraF->Konstrueraknapp->click();
    });
    Radvillkor->Button3->click();
    EXPECT_TRUE(ranDuringCount);
    EXPECT_TRUE(shownDuringCount);
    EXPECT_EQ(ReduceAbort, 1);
    EXPECT_EQ(SingleRowsBuilt, 0);
    EXPECT_EQ(CouponsBuilt, 1);
    EXPECT_EQ(Text("LabelRadantal"), "64");
    EXPECT_EQ(Text("LRaderoreduc"), "64");
    EXPECT_EQ(Text("LabelKup"), "1");
    EXPECT_FALSE(V65x->Prisrader->isHidden());
    ExpectOverlayHidden();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Radvillkor->isHidden());
}

// During a row count started from the start-number window, which stays on top, the main window
// with its "Avbryt" lies above it until the count ends; Escape stops the count as "Avbryt" does.
TEST_F(ConstructTest, DuringARowCountAvbrytLiesOnTopAndEscapeStopsIt)
{
    MarkHorses({2, 2, 2, 2, 2, 2});
    V65x->Vlkovrigt->setChecked(true);
    V65x->show();
    ovrigavillkor->Show();
    auto onTop = [] { return V65x->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint); };
    bool ranDuringCount = false;
    bool onTopDuringCount = false;
    QTimer::singleShot(0, V65x, [&] {
        ranDuringCount = ConstructionRunning();
        onTopDuringCount = onTop() && !V65x->Avbrytknapp->isHidden();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(ovrigavillkor, &escape);
    });
    ovrigavillkor->Button3->click();
    EXPECT_TRUE(ranDuringCount);
    EXPECT_TRUE(onTopDuringCount);
    EXPECT_FALSE(onTop());
    EXPECT_EQ(ReduceAbort, 1);
    ExpectNoSystemShown();
    ExpectOverlayHidden();
    EXPECT_TRUE(ovrigavillkor->isVisible());
    V65x->hide();
}

}  // namespace
