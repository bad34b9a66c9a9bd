// The main window: its layout at start, marking horses in the grid, the recount shown in
// the labels and the ABCD list, the winner-count labels and the close question.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/forms.h"
#include "conditions/keptcoupons.h"
#include "conditions/price.h"
#include "conditions/winnercounts.h"
#include "core/clearing.h"
#include "core/ui/huvf.h"
#include "model/variabl.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/placement.h"
#include "questionanswers.h"
#include "reduction/ui/reducu.h"
#include "support/coupons.h"
#include "windowset.h"

namespace {

class MainWindowTest : public WindowSetTest {};

TEST_F(MainWindowTest, FreshWindowHasTheLayoutsStartState)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString previous = QDir::currentPath();
    auto window = std::make_unique<TV65x>();
    const auto restore = qScopeGuard([&] {
        QDir::setCurrent(previous);
        window.reset();
        MainFormWidget() = V65x;
    });
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    window->FormCreate();
    EXPECT_EQ(ProgramDir, QDir(dir.path()).canonicalPath() + QLatin1Char('/'));
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral("/")));
    window->FormCreate();
    EXPECT_EQ(ProgramDir, QStringLiteral("/"));

    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("Vimsta för V65-V64, version 18.2")));
    EXPECT_EQ(window->size(), QSize(768, 568));

    const std::pair<const char*, const char*> texts[] = {
        {"LabelRadantal", "x"}, {"LabelKup", "x"},     {"Maxrader", "0"}, {"Lantalraderutan", "0"},
        {"LRaderoreduc", "0"},  {"Antalkusar", "0"},   {"Lsnvlk", "0"},   {"Lvchvlk", "0"},
        {"Label2", "hästar"},   {"LReducgrad", "0 %"}, {"LabelRes", "-"}, {"Labelantalvlk", "Villkor, 0 st"},
        {"NejPanel", "0 Nej"},  {"Vnr1", "1"},         {"Vnr4", "4"},     {"Avin1", "0"},
        {"Avin7", "6"},         {"Bvin0", "0"},        {"Dvin6", "6"},    {"V23C", " C"},
        {"R1101", ""},
    };
    for (const auto& [name, text] : texts)
        EXPECT_EQ(window->findChild<QLabel*>(QString::fromLatin1(name))->text(), QString::fromUtf8(text))
            << name;

    for (const char* name :
         {"Pris1", "Pris3", "Pris4", "Prisrader", "Prisavg", "Pristot", "ResF", "Venta1", "Venta2", "Venta3",
          "Avbrytknapp", "LabelVersionskoll", "Avin0", "Bvin7", "Cvin7", "Dvin7", "Button18"})
        EXPECT_TRUE(window->findChild<QWidget*>(QString::fromLatin1(name))->isHidden()) << name;
    for (const char* name : {"LabelRes", "Maxrader", "R6415", "Avin1", "V47D"})
        EXPECT_FALSE(window->findChild<QWidget*>(QString::fromLatin1(name))->isHidden()) << name;

    for (QCheckBox* box :
         {window->VlkstartnrJA, window->VlkvinstchJA, window->CBUtdelning, window->Vlkovrigt})
        EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(BackgroundOf(window->Signalhest), LimeColour);
    EXPECT_EQ(BackgroundOf(window->Signalstreck), LimeColour);
    EXPECT_EQ(BackgroundOf(window->Signalodds), RedColour);
    EXPECT_EQ(window->RullistV->minimum(), 1);
    EXPECT_EQ(window->RullistV->maximum(), 97);
    EXPECT_EQ(window->RullistV->value(), 1);
    EXPECT_FALSE(window->KnReducera->isEnabled());

    EXPECT_EQ(window->ABClista->horizontalHeaderItem(0)->text(), QStringLiteral(" A  B  C  D"));
    EXPECT_EQ(window->ABClista->horizontalHeaderItem(1)->text(), QStringLiteral("  Rader"));
    EXPECT_EQ(window->ABClista->horizontalHeaderItem(2)->text(), QStringLiteral(" Kvar"));
    EXPECT_EQ(window->ABClista->rowCount(), 120);

    // Positions of the numbered components, and race slot 7 and hit count 7 out of sight.
    const std::pair<const char*, QRect> places[] = {
        {"R1101", {41, 129, 14, 14}}, {"R6415", {391, 339, 14, 14}},  {"R3207", {178, 219, 14, 14}},
        {"Avin7", {22, 412, 14, 15}}, {"Dvin0", {70, 508, 14, 15}},   {"Bvin3", {38, 460, 14, 15}},
        {"V11A", {147, 428, 14, 15}}, {"V46D", {420, 508, 14, 15}},   {"V10", {208, 512, 13, 14}},
        {"V46", {436, 428, 13, 14}},  {"Button19", {40, 93, 63, 20}}, {"ABClista", {512, 388, 236, 139}},
    };
    for (const auto& [name, rect] : places)
        EXPECT_EQ(window->findChild<QWidget*>(QString::fromLatin1(name))->geometry(), rect) << name;
    const QRect client(0, 0, 768, 568);
    for (const char* name : {"R7101", "R7415", "V17A", "V47D", "V17", "V47", "Button25"})
        EXPECT_FALSE(client.intersects(window->findChild<QWidget*>(QString::fromLatin1(name))->geometry()))
            << name;
}

// Scroll bars only below 800 x 600; centred on the screen at the first showing, halves
// rounded toward zero and never left of or above the desktop; later showings keep the place.
// Other windows shift on a screen wider than 800, the new place rounded half to even.
// "Reducera kuponger" opens the coupon reduction for a user at the keyboard, by Tab from
// "Hämta system" through the whole window and past the ABCD list, and for one with the mouse.
TEST_F(MainWindowTest, TheCouponReductionIsReachedByTabAndByMouse)
{
    MarkOneAHorsePerRace();
    V65x->Berekna->click();
    ASSERT_TRUE(V65x->KnReducera->isEnabled());
    V65x->UpdateCheckOnShow = false;
    const auto hide = qScopeGuard([] {
        V65x->hide();
        V65x->UpdateCheckOnShow = true;
    });
    V65x->Show();
    QApplication::setActiveWindow(V65x);
    V65x->Button8->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), V65x->Button8);

    QStringList passed;
    for (int step = 0; step < 100 && QApplication::focusWidget() != V65x->KnReducera; ++step) {
        passed << QApplication::focusWidget()->objectName();
        SendKey(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), V65x->KnReducera) << passed.join(QLatin1Char(' ')).toStdString();
    SendKey(V65x->KnReducera, Qt::Key_Space);
    EXPECT_EQ(TestDialogs().modalWindows, QStringList{QStringLiteral("TReducera")});

    // The list lets Tab go on to the next control.
    V65x->ABClista->setFocus();
    SendKey(V65x->ABClista, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), V65x->ABClista);

    const QPoint spot = V65x->KnReducera->geometry().center();
    ASSERT_TRUE(QRect(QPoint(0, 0), V65x->Client->size()).contains(V65x->KnReducera->geometry()));
    QWidget* under = V65x->Client->childAt(spot);
    ASSERT_EQ(under, V65x->KnReducera);
    MouseClick(under, under->mapFrom(V65x->Client, spot));
    EXPECT_EQ(TestDialogs().modalWindows.size(), 2);
}

TEST_F(MainWindowTest, PlacementOnTheScreen)
{
    EXPECT_EQ(ShiftedForScreen({100, 50}, {800, 1200}, WideScreenShift::Standard), QPoint(100, 50));
    EXPECT_EQ(ShiftedForScreen({100, 50}, {1025, 768}, WideScreenShift::Standard), QPoint(212, 134));
    EXPECT_EQ(ShiftedForScreen({101, 50}, {1025, 768}, WideScreenShift::HeightBased), QPoint(214, 134));
    EXPECT_EQ(ShiftedForScreen({101, 50}, {1025, 768}, WideScreenShift::None), QPoint(101, 50));
    EXPECT_FALSE(NeedsHorizontalScrollBar({800, 480}));
    EXPECT_TRUE(NeedsHorizontalScrollBar({799, 1024}));
    EXPECT_FALSE(NeedsVerticalScrollBar({640, 600}));
    EXPECT_TRUE(NeedsVerticalScrollBar({1024, 599}));
    const QRect desktop(0, 0, 2000, 2000);
    EXPECT_EQ(CentredOver({0, 0, 801, 601}, {768, 568}, desktop), QPoint(16, 16));
    EXPECT_EQ(CentredOver({0, 0, 700, 500}, {768, 568}, desktop), QPoint(0, 0));

    auto window = std::make_unique<TV65x>();
    const auto restore = qScopeGuard([&] {
        window.reset();
        MainFormWidget() = V65x;
    });
    window->UpdateCheckOnShow = false;
    const QSize screen = QGuiApplication::primaryScreen()->size();
    window->move(3, 4);  // a position before the first showing does not count
    window->Show();
    const QRect outer = OuterRect(window->geometry(), window->frameGeometry());  // title bar included
    EXPECT_EQ(outer.topLeft(),
              QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2));
    window->hide();
    window->move(5, 40);
    window->Show();
    EXPECT_EQ(window->pos(), QPoint(5, 40));

    // A fixed size, a minimise box and no maximise box, also none that the platform adds.
    const Qt::WindowFlags flags = V65x->windowFlags();
    EXPECT_TRUE(
        flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(V65x->minimumSize(), V65x->maximumSize());
}

TEST_F(MainWindowTest, ClickingCellsMarksMovesAndRemovesHorses)
{
    Mark(1, GroupA, 7);
    EXPECT_EQ(Text("R1107"), QStringLiteral("7"));
    ExpectLook("R1107", Magenta, Qt::black);
    EXPECT_EQ(HorseGroups[1][GroupA][0], 1);
    EXPECT_EQ(Text("Antalkusar"), QStringLiteral("1"));
    EXPECT_EQ(Text("Label2"), QStringLiteral("häst"));
    EXPECT_EQ(Text("Maxrader"), QStringLiteral("0"));

    Mark(1, GroupC, 7);  // moves the horse from A to C
    EXPECT_EQ(Text("R1107"), QString());
    EXPECT_EQ(BackgroundOf(Find("R1107")), QColor(Qt::white));
    EXPECT_EQ(Text("R1307"), QStringLiteral("7"));
    EXPECT_EQ(BackgroundOf(Find("R1307")), Aqua);
    EXPECT_EQ(HorseGroups[1][GroupA][0], 0);
    EXPECT_EQ(HorseGroups[1][GroupC][0], 1);

    Mark(1, GroupC, 7);  // the same cell again removes the mark
    EXPECT_EQ(Text("R1307"), QString());
    EXPECT_EQ(BackgroundOf(Find("R1307")), QColor(Qt::white));
    EXPECT_EQ(HorseGroupOf(1, 7), 0);
    EXPECT_EQ(Text("Antalkusar"), QStringLiteral("0"));
    EXPECT_EQ(Text("Label2"), QStringLiteral("hästar"));

    Mark(6, GroupB, 15, Qt::RightButton);  // any button marks
    EXPECT_EQ(Text("R6215"), QStringLiteral("15"));
    EXPECT_EQ(BackgroundOf(Find("R6215")), QColor(255, 255, 0));
    Mark(2, GroupD, 3);
    EXPECT_EQ(Text("Antalkusar"), QStringLiteral("2"));
    EXPECT_EQ(BackgroundOf(Find("R2403")), QColor(192, 192, 192));
}

TEST_F(MainWindowTest, RecountShowsRowsWinnerCountsAndTheAbcdList)
{
    MarkOneAHorsePerRace();
    EXPECT_EQ(Text("Maxrader"), QStringLiteral("1"));
    EXPECT_EQ(Text("Lantalraderutan"), QStringLiteral("1"));
    EXPECT_EQ(Text("Antalkusar"), QStringLiteral("6"));
    EXPECT_EQ(ListCell(1, 0), QStringLiteral(" 6  0  0  0"));
    EXPECT_EQ(ListCell(1, 1), QStringLiteral("        1"));
    EXPECT_EQ(ListCell(1, 2), QStringLiteral(" 100 %"));
    EXPECT_EQ(ListCell(2, 0), QString());
    ExpectLook("Avin7", LimeColour, Qt::black);  // six A winners is possible
    ExpectLook("Avin1", LimeColour, Qt::black);
    ExpectLook("Bvin0", Qt::white, SilverColour);  // no B horse: every B count locked
    ExpectLook("Dvin6", Qt::white, SilverColour);

    Mark(3, GroupB, 2);
    EXPECT_EQ(Text("Maxrader"), QStringLiteral("2"));
    EXPECT_EQ(Text("Lantalraderutan"), QStringLiteral("2"));
    EXPECT_EQ(ListCell(1, 0), QStringLiteral(" 6  0  0  0"));
    EXPECT_EQ(ListCell(2, 0), QStringLiteral(" 5  1  0  0"));
    EXPECT_EQ(ListCell(2, 1), QStringLiteral("        1"));
    ExpectLook("Bvin0", LimeColour, Qt::black);
    ExpectLook("Bvin1", LimeColour, Qt::black);
    ExpectLook("Bvin2", Qt::white, SilverColour);

    Mark(3, GroupB, 2);  // removing the last B horse locks the B counts again
    EXPECT_EQ(ListCell(2, 0), QString());
    ExpectLook("Bvin1", Qt::white, SilverColour);
}

TEST_F(MainWindowTest, AnyMarkingChangeShowsTheResultsStale)
{
    CouponsBuilt = 1;
    SystemSaved = 1;
    ResultLabels = {QStringLiteral("64"), QStringLiteral("64"), QStringLiteral("3"), QStringLiteral("0 %"),
                    true};
    V65x->PaintResultLabels();
    ASSERT_FALSE(V65x->Prisrader->isHidden());
    ReduceraF->Show();

    Mark(4, GroupA, 9);
    EXPECT_TRUE(ReduceraF->isHidden()) << "the recount closes the varying-reduction window";
    for (const char* name : {"LabelRadantal", "LabelKup", "LRaderoreduc"})
        EXPECT_EQ(Text(name), QStringLiteral("x")) << name;
    EXPECT_EQ(Text("LReducgrad"), QStringLiteral("0 %"));
    for (QLabel* price : {V65x->Prisrader, V65x->Prisavg, V65x->Pristot})
        EXPECT_TRUE(price->isHidden());
    EXPECT_EQ(CouponsBuilt, 0);
    EXPECT_EQ(SystemSaved, 0);
}

// The price captions head the values shown: none at start, all three over a coupon system's
// price, only "Insats, kr" over the stake of single rows, and none again after a change of a
// mark resets the results.
TEST_F(MainWindowTest, PriceCaptionsShowWithThePrices)
{
    const auto shownCaptions = [] {
        QStringList shown;
        for (QLabel* caption : {V65x->Pris1, V65x->Pris3, V65x->Pris4})
            if (!caption->isHidden())
                shown << caption->text();
        return shown;
    };
    EXPECT_EQ(shownCaptions(), QStringList{});

    StoreSmallGroupCoupons();
    RowsConstructed = 20;
    PublishKeptCouponTotals(RecomputeCouponSelection());
    V65x->PaintResultLabels();
    EXPECT_EQ(shownCaptions(), (QStringList{"Insats, kr", "Kup. avgift", "Totalt, kr"}));
    Mark(4, GroupA, 9);
    EXPECT_EQ(shownCaptions(), QStringList{});

    ShowSingleRowPrice(5);
    V65x->PaintResultLabels();
    EXPECT_EQ(shownCaptions(), QStringList{"Insats, kr"});
    Mark(4, GroupA, 9);
    EXPECT_EQ(shownCaptions(), QStringList{});
}

TEST_F(MainWindowTest, WinnerCountLabelsToggleUnlessLocked)
{
    Mark(1, GroupB, 4);
    for (int race = 2; race <= 6; ++race)
        Mark(race, GroupA, 1);
    ASSERT_EQ(ListCell(1, 0), QStringLiteral(" 5  1  0  0"));

    Press(Find("Bvin1"));  // forbid one B winner: the only composition loses its rows
    ExpectLook("Bvin1", RedColour, Qt::black);
    EXPECT_EQ(WinnerCountAllowed[1][GroupB], 0);
    EXPECT_EQ(Text("Lantalraderutan"), QStringLiteral("0"));
    EXPECT_EQ(ListCell(1, 2), QStringLiteral("   0 %"));

    Press(Find("Bvin1"), Qt::RightButton);  // allowed again
    ExpectLook("Bvin1", LimeColour, Qt::black);
    EXPECT_EQ(WinnerCountAllowed[1][GroupB], 1);
    EXPECT_EQ(Text("Lantalraderutan"), QStringLiteral("1"));
    EXPECT_EQ(ListCell(1, 2), QStringLiteral(" 100 %"));

    ResultLabels.Radantal = QStringLiteral("1");
    V65x->PaintResultLabels();
    Press(Find("Bvin3"));  // locked: no change, but the results are stale all the same
    ExpectLook("Bvin3", Qt::white, SilverColour);
    EXPECT_EQ(WinnerCountAllowed[3][GroupB], 1);
    EXPECT_EQ(Text("LabelRadantal"), QStringLiteral("x"));
}

TEST_F(MainWindowTest, ClearingAllMarksEmptiesTheGrid)
{
    MarkOneAHorsePerRace();
    Mark(2, GroupD, 5);
    ClearAllMarks();
    for (const char* name : {"R1101", "R6101", "R2405"}) {
        EXPECT_EQ(Text(name), QString()) << name;
        EXPECT_EQ(BackgroundOf(Find(name)), QColor(Qt::white)) << name;
    }
    EXPECT_EQ(Text("Antalkusar"), QStringLiteral("0"));
    EXPECT_EQ(Text("Label2"), QStringLiteral("hästar"));
    EXPECT_EQ(ListCell(1, 0), QString());
}

TEST_F(MainWindowTest, ReserveSignalReplacesTheLetterWhileTheChosenOrderRules)
{
    ReserveMode = 2;
    MarkOneAHorsePerRace();
    EXPECT_FALSE(V65x->ResF->isHidden());
    EXPECT_TRUE(V65x->LabelRes->isHidden());
}

TEST_F(MainWindowTest, ClosingAsksToSaveOnlyAnUnsavedSystem)
{
    struct Case {
        flag coupons, singleRows, saved;
        bool asked;
    };
    const Case cases[] = {
        {0, 0, 0, false},                   // nothing built
        {1, 0, 1, false},                   // saved or loaded
        {1, 0, 0, true},  {0, 1, 0, true},  // single rows only
        {1, 1, 1, false},
    };
    for (const Case& c : cases) {
        TestDialogs().Reset();
        CouponsBuilt = c.coupons;
        SingleRowsBuilt = c.singleRows;
        SystemSaved = c.saved;
        QCloseEvent close;
        QCoreApplication::sendEvent(V65x, &close);
        EXPECT_TRUE(close.isAccepted());
        const QStringList expected =
            c.asked ? QStringList{QStringLiteral("Ska systemet sparas innan programmet stängs?")}
                    : QStringList{};
        EXPECT_EQ(TestDialogs().questions, expected) << int(c.coupons) << int(c.singleRows) << int(c.saved);
    }

    // Yes with no file name chosen: nothing saved, so the window stays open.
    TestDialogs().Reset();
    TestDialogs().answers.push_back(true);
    CouponsBuilt = 1;
    SystemSaved = 0;
    QCloseEvent close;
    QCoreApplication::sendEvent(V65x, &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_TRUE(TestDialogs().answers.empty());
}

// Only "Nej" on the real question gives up fresh single rows; Escape and the close box on the
// question keep the program open.
TEST_F(MainWindowTest, DismissingTheCloseQuestionKeepsTheProgramOpen)
{
    for (const QuestionAnswer& c : WaysToAnswerTheQuestion()) {
        TestDialogs() = DialogSeam();  // the real question box
        SingleRowsBuilt = 1;
        SystemSaved = 0;
        QString asked;
        QTimer::singleShot(0, [&asked, &c] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            asked = box->text();
            c.answer(box);
        });
        QCloseEvent close;
        QCoreApplication::sendEvent(V65x, &close);
        EXPECT_EQ(asked, QStringLiteral("Ska systemet sparas innan programmet stängs?")) << c.how;
        EXPECT_EQ(close.isAccepted(), c.givesUp) << c.how;
        EXPECT_EQ(SingleRowsBuilt, 1) << c.how;
    }
}

}  // namespace

namespace {

// Labels are as wide as their text in their own font, so none cuts its last characters; the
// platform names the application neutrally, so questions carry no title of ours.
TEST_F(MainWindowTest, LabelsHoldTheirWholeTextAndQuestionsCarryNoTitleOfOurs)
{
    QLabel* label = Find("LabelVersionskoll");
    EXPECT_GE(label->width(), label->sizeHint().width());
    EXPECT_GT(label->sizeHint().width(), 255);  // wider than its place in the layout
    EXPECT_EQ(label->geometry().topLeft(), QPoint(237, 77));
    EXPECT_EQ(QCoreApplication::applicationName(), ApplicationName);
    EXPECT_FALSE(QGuiApplication::applicationDisplayName().contains(QStringLiteral("Vimsta för")));
}

// The switches and the column signals mirror their tables: painting them from the tables
// runs no handler, so nothing becomes stale.
TEST_F(MainWindowTest, SwitchesAndSignalsMirrorTheirTables)
{
    ConditionSwitches.payout = true;
    ColumnSignals.odds = true;
    ResultLabels.Radantal = QStringLiteral("12");
    V65x->PaintSwitches();
    EXPECT_TRUE(V65x->CBUtdelning->isChecked());
    EXPECT_EQ(BackgroundOf(V65x->Signalodds), LimeColour);
    EXPECT_EQ(ResultLabels.Radantal, "12");

    V65x->VlkstartnrJA->setChecked(true);
    EXPECT_TRUE(ConditionSwitches.startNumbers);
    EXPECT_EQ(ResultLabels.Radantal, "x");
    Press(V65x->Signalhest);
    EXPECT_FALSE(ColumnSignals.horse);
}

// A mistyped name fails the test and ends it, rather than handing the test a null pointer.
TEST_F(MainWindowTest, FindFailsOnAMistypedName)
{
    EXPECT_NONFATAL_FAILURE(
        {
            try {
                Find("R11O1");
            } catch (const std::runtime_error&) {
            }
        },
        "no control named R11O1");
}

}  // namespace
