#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <functional>

#include "grading/ui/nestaavd.h"
#include "grading/ui/rettar2.h"
#include "model/notify.h"
#include "output/couponhorses.h"
#include "pdftext.h"
#include "platform/textfile.h"
#include "platform/ui/colours.h"
#include "platform/ui/printer.h"
#include "support/coupons.h"
#include "support/marks.h"
#include "windowset.h"

namespace {

class GradingWindowTest : public WindowSetTest {
protected:
    void SetUp() override
    {
        WindowSetTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
    }
    void TearDown() override
    {
        SharedPrinter().setOutputFileName(QString());
        WindowSetTest::TearDown();
    }

    static void Activate(QWidget* window)
    {
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(window, &activate);
    }

    // Six single rows, row k playing k in race 6 and 1 everywhere else, in the shown grading window.
    static void ShowSixSingleRows()
    {
        for (int k = 1; k <= 6; ++k)
            for (int race = 1; race <= RaceSlots; ++race)
                RowStore[race][k] = race == 6 ? k : 1;
        SingleRowCount = 6;
        SingleRowsBuilt = 1;
        Retta2->Show();
        Activate(Retta2);
    }

    static void Press(QWidget* box, Qt::MouseButton button = Qt::LeftButton)
    {
        SendMouse(box, QEvent::MouseButtonPress, {3, 3}, button);
        SendMouse(box, QEvent::MouseButtonRelease, {3, 3}, button);
    }

    // The second press of a quick double click, which arrives as a double-click event.
    static void PressAgainQuickly(QWidget* box)
    {
        SendMouse(box, QEvent::MouseButtonDblClick, {3, 3});
        SendMouse(box, QEvent::MouseButtonRelease, {3, 3});
    }

    // Six one-horse coupons on 1, 2, ... in races 1-6 and a coupon of two horses in race 6.
    static void StoreCoupons()
    {
        GroupSystemBuilt = 0;
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][1] = RowStore[race][2] = race <= PoolRaces ? HorseBit(race) : HorseBit(1);
        RowStore[6][2] = HorseBit(6) | HorseBit(7);
        RowStore[3][2] = HorseBit(9);
        KeepCoupons(2);
        RowsKept = 3;
    }

    static void SetWinners(std::initializer_list<int> winners)
    {
        int race = 1;
        for (int h : winners)
            Retta2->WinnerBoxMouseDown(race++, h);
    }

    QTemporaryDir dir_;
};

TEST_F(GradingWindowTest, TheMainWindowsButtonOpensTheWindowOnlyWithASystem)
{
    Click("Button5");
    EXPECT_FALSE(Retta2->isVisible());
    EXPECT_EQ(TestDialogs().messages, QStringList{QStringLiteral("Det finns inget system att rätta.")});
    KeepCoupons(7);
    Click("Button5");
    EXPECT_TRUE(Retta2->isVisible());
    EXPECT_EQ(Retta2->Rettlista->rowCount(), 7);
    EXPECT_EQ(Retta2->Rettlista->horizontalHeaderItem(2)->text(), QStringLiteral("     5 r"));
    Retta2->Button6->click();
    EXPECT_TRUE(TestDialogs().modalWindows.contains(QStringLiteral("TRettningsinfo")));
    SharedPrinter().setPageOrientation(QPageLayout::Landscape);
    Retta2->Button2->click();
    EXPECT_FALSE(Retta2->isVisible());
    EXPECT_EQ(GradingWindowFlags, 0);
    SharedPrinter().setPageOrientation(QPageLayout::Portrait);
}

TEST_F(GradingWindowTest, WinnerBoxesEnterMoveAndRemoveTheWinnerAndTheChanceWindowFollows)
{
    MarkHorse(2, GroupA, 4);
    int notices = 0;
    const QObject listener;  // the subscription ends with the test
    Events::GradingInputsChanged.Subscribe(&listener, [&notices] { ++notices; });
    Press(Retta2->WinnerBoxes[2][4], Qt::RightButton);
    EXPECT_EQ(CorrectRow[2], 4);
    EXPECT_EQ(Retta2->WinnerBoxes[2][4]->text(), QStringLiteral("4"));
    EXPECT_EQ(BackgroundOf(Retta2->WinnerBoxes[2][4]), Magenta);
    Press(Retta2->WinnerBoxes[2][6]);
    EXPECT_EQ(ChanceCorrectRow[2], 6);
    EXPECT_TRUE(Retta2->WinnerBoxes[2][4]->text().isEmpty());
    EXPECT_EQ(BackgroundOf(Retta2->WinnerBoxes[2][4]), QColor(Qt::white));
    EXPECT_EQ(BackgroundOf(Retta2->WinnerBoxes[2][6]), QColor(Qt::white));  // unmarked horse
    PressAgainQuickly(Retta2->WinnerBoxes[2][6]);
    EXPECT_EQ(CorrectRow[2], 0);
    EXPECT_EQ(ChanceCorrectRow[2], 0);
    EXPECT_EQ(notices, 3);
    Press(Retta2->ScratchBoxes[3][12]);
    EXPECT_EQ(Retta2->ScratchBoxes[3][12]->text(), QStringLiteral("12"));
    EXPECT_EQ(TextColourOf(Retta2->ScratchBoxes[3][12]), QColor(255, 0, 0));
    PressAgainQuickly(Retta2->ScratchBoxes[3][12]);
    EXPECT_TRUE(Retta2->ScratchBoxes[3][12]->text().isEmpty());
}

TEST_F(GradingWindowTest, APayoutFieldKeepsItsValueOnBadInputAndTellsTheChanceWindow)
{
    QLineEdit* six = Retta2->findChild<QLineEdit*>(QStringLiteral("Utd6Edit"));
    ASSERT_EQ(six, Retta2->PayoutEdits[2]);
    int notices = 0;
    const QObject listener;  // the subscription ends with the test
    Events::GradingInputsChanged.Subscribe(&listener, [&notices] { ++notices; });
    six->setText(QStringLiteral("2500"));
    Retta2->PayoutEditExit(2);
    EXPECT_EQ(six->text(), QStringLiteral("    2500"));
    EXPECT_EQ(PayoutPerHits[2], 2500);
    EXPECT_EQ(notices, 1);
    for (const char* bad : {"abc", "-5", "100000001"}) {
        six->setText(QString::fromLatin1(bad));
        Retta2->PayoutEditExit(2);
        EXPECT_EQ(six->text(), QStringLiteral("    2500")) << bad;
    }
    EXPECT_EQ(notices, 1);
}

TEST_F(GradingWindowTest, GradingACouponSystemFillsCountsAmountsAndTheGrid)
{
    StoreCoupons();
    SetWinners({1, 2, 3, 4, 5, 7});
    Retta2->PayoutEdits[1]->setText(QStringLiteral("300"));
    Retta2->PayoutEditExit(1);
    Retta2->Button1->click();
    EXPECT_EQ(Retta2->CountLabels[2]->text(), QStringLiteral("2 st"));  // N5rett
    EXPECT_EQ(Retta2->CountLabels[3]->text(), QStringLiteral("1 st"));
    EXPECT_EQ(Retta2->AmountLabels[1]->text(), QStringLiteral("     600"));
    EXPECT_EQ(Retta2->VinstSummaEdit->text(), QStringLiteral("     600"));
    EXPECT_EQ(Retta2->Visaantal->text(), QStringLiteral("2 kuponger"));
    EXPECT_FALSE(Retta2->Visaantal->isHidden());
    EXPECT_EQ(Retta2->Rettlista->item(1, 0)->text(), QStringLiteral("      2"));
    EXPECT_EQ(Retta2->Rettlista->item(1, 2)->text(), QStringLiteral("       1"));
    EXPECT_FALSE(Retta2->Knappnesta->isEnabled());
    EXPECT_EQ(Graded, 1);
    // Any click on a box clears the results.
    Press(Retta2->ScratchBoxes[1][9]);
    EXPECT_EQ(Graded, 0);
    EXPECT_TRUE(Retta2->Rettlista->item(1, 0)->text().isEmpty());
    EXPECT_TRUE(Retta2->CountLabels[2]->text().isEmpty());
}

TEST_F(GradingWindowTest, ARegradingAfterAnOrderChangeShowsNoStaleCoupons)
{
    // Two coupons with horse 1 in race 1, scratched; its stand-in comes from the official order.
    GroupSystemBuilt = 0;
    const int coupons[2][RaceSlots] = {{1, 2, 3, 4, 5, 6, 1}, {1, 2, 3, 4, 8, 8, 1}};
    for (int k = 1; k <= 2; ++k)
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][k] = HorseBit(coupons[k - 1][race - 1]);
    KeepCoupons(2);
    Press(Retta2->ScratchBoxes[1][1]);
    SetWinners({2, 2, 3, 4, 9, 9});
    Retta2->Button1->click();
    ASSERT_EQ(Retta2->Visaantal->text(), QStringLiteral("2 kuponger"));
    // Horse 3 stands in now: neither coupon reaches 4 right.
    Press(Retta2->OrderBoxes[1][2]);
    Retta2->Button1->click();
    EXPECT_TRUE(Retta2->Rettlista->item(0, 0)->text().isEmpty());
    EXPECT_TRUE(Retta2->Rettlista->item(1, 0)->text().isEmpty());
    EXPECT_TRUE(Retta2->Visaantal->isHidden());
}

TEST_F(GradingWindowTest, APartialRowOpensTheNextRace)
{
    MarkEveryRace("AAB");
    StoreCoupons();
    SetWinners({1, 2});
    Retta2->Button1->click();
    ASSERT_TRUE(Retta2->Knappnesta->isEnabled());
    Retta2->Knappnesta->click();
    Activate(Nesta);
    EXPECT_EQ(Nesta->Rubrik->text(), QStringLiteral("Antal rader med 3 rätt efter 3 avd."));
    EXPECT_EQ(Nesta->RowLabels[3]->text(), QStringLiteral("1"));  // coupon 1 plays 3 in race 3
    EXPECT_EQ(Nesta->RowLabels[2]->text(), QStringLiteral("0"));
    EXPECT_TRUE(Nesta->RowLabels[4]->text().isEmpty());
    Retta2->Button2->click();
    EXPECT_FALSE(Nesta->isVisible());
}

TEST_F(GradingWindowTest, SingleRowsShowTheirWinningRowsPage)
{
    ShowSixSingleRows();
    EXPECT_TRUE(Retta2->Rettlista->isHidden());
    EXPECT_FALSE(Retta2->Vinster->isHidden());
    SetWinners({1, 1, 1, 1, 1, 1});
    Retta2->Button1->click();
    EXPECT_EQ(Retta2->Visaantal->text(), QStringLiteral("6 vinstrader"));
    EXPECT_EQ(Retta2->ScrollBar1->maximum(), 6);
    EXPECT_EQ(Retta2->Vinstgrp[1]->text(), QStringLiteral("6"));
    EXPECT_EQ(Retta2->Vinstrad[1]->text(), QStringLiteral("1,1,1,1,1,1"));
    EXPECT_EQ(Retta2->Vinstgrp[2]->text(), QStringLiteral("  5"));
    Retta2->ScrollBar1->setValue(5);
    EXPECT_EQ(Retta2->Vinstnr[1]->text(), QStringLiteral("5"));
    EXPECT_EQ(Retta2->Vinstnr[2]->text(), QStringLiteral("6"));
    EXPECT_TRUE(Retta2->Vinstnr[3]->text().isEmpty());
}

TEST_F(GradingWindowTest, EveryChangeThatClearsTheCountsClearsTheWinningRowsPage)
{
    ShowSixSingleRows();
    SetWinners({1, 1, 1, 1, 1, 1});
    const std::pair<const char*, std::function<void()>> changes[] = {
        // Neither change takes a winning row away: race 2 loses its winner, a horse no row
        // plays is scratched.
        {"winner box", [] { Press(Retta2->WinnerBoxes[2][1]); }},
        {"scratch box", [] { Press(Retta2->ScratchBoxes[4][9]); }},
        {"activation", [] { Activate(Retta2); }},
        {"main window's Rätta", [] { Click("Button5"); }},
    };
    const auto pageText = [] {
        QString text;
        for (int line = 1; line <= 4; ++line)
            text += Retta2->Vinstgrp[line]->text() + Retta2->Vinstnr[line]->text() +
                    Retta2->Vinstrad[line]->text();
        return text;
    };
    for (const auto& [change, make] : changes) {
        Retta2->Button1->click();
        Retta2->ScrollBar1->setValue(5);
        ASSERT_EQ(Retta2->Vinstnr[1]->text(), QStringLiteral("5")) << change;
        make();
        ASSERT_TRUE(Retta2->CountLabels[2]->text().isEmpty()) << change;
        EXPECT_EQ(Retta2->ScrollBar1->value(), 1) << change;
        EXPECT_TRUE(pageText().isEmpty()) << change << ": " << pageText().toStdString();
        // The page stays empty, also when scrolled, until the next grading.
        Retta2->ScrollBar1->setValue(2);
        EXPECT_TRUE(pageText().isEmpty()) << change << ", scrolled: " << pageText().toStdString();
        Retta2->ScrollBar1->setValue(1);
    }
}

TEST_F(GradingWindowTest, OfficialOrderBoxesChangeByClicks)
{
    Press(Retta2->OrderBoxes[2][3]);
    EXPECT_EQ(Retta2->OrderBoxes[2][3]->text(), QStringLiteral("4"));
    EXPECT_EQ(Retta2->OrderBoxes[2][4]->text(), QStringLiteral("3"));
    EXPECT_EQ(OfficialOrder[2][4], 3);
    EXPECT_EQ(Retta2->OrderBoxes[1][3]->text(), QStringLiteral("3"));
}

TEST_F(GradingWindowTest, AStagedRoundIsShownOnTheFirstActivationOnly)
{
    MarkHorse(3, GroupD, 8);
    KeepCoupons(1);
    SavedRoundWinners[3] = 8;
    SavedRoundPayouts[2] = 12345;
    SaveRoundInFile = 1;
    Retta2->Show();
    Activate(Retta2);
    EXPECT_EQ(Retta2->WinnerBoxes[3][8]->text(), QStringLiteral("8"));
    EXPECT_EQ(BackgroundOf(Retta2->WinnerBoxes[3][8]), QColor(192, 192, 192));
    EXPECT_EQ(Retta2->PayoutEdits[2]->text(), QStringLiteral("   12345"));
    EXPECT_EQ(Retta2->PayoutEdits[0]->text(), QStringLiteral("       0"));
    Retta2->WinnerBoxMouseDown(3, 8);
    Activate(Retta2);
    EXPECT_EQ(CorrectRow[3], 0);
    Retta2->Button9->click();  // the save itself belongs to the system file
    EXPECT_EQ(SaveRoundInFile, 1);
    EXPECT_EQ(SavedRoundAux, 1);
}

TEST_F(GradingWindowTest, TheResultIsSavedAsTextOnlyWhenGraded)
{
    StoreCoupons();
    SetWinners({1, 2, 3, 4, 5, 6});
    Retta2->Button7->click();
    EXPECT_EQ(TestDialogs().messages, QStringList{QStringLiteral("Rätta innan resultatet kan sparas.")});
    Retta2->Button1->click();
    const QString chosen = dir_.filePath(QStringLiteral("omgang.res"));
    TestDialogs().fileNames.push_back(chosen);
    Retta2->Button7->click();
    const auto lines = ReadTextLines(dir_.filePath(QStringLiteral("omgang.txt")));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->first(), QStringLiteral("Vimsta V75"));
    EXPECT_EQ(lines->last(), QStringLiteral("Kup 2:   1 femma + 1 fyra"));
    // An existing file is replaced only on Yes; a failed write is reported.
    TestDialogs().fileNames.push_back(chosen);
    TestDialogs().answers.push_back(false);
    Retta2->Button7->click();
    EXPECT_EQ(TestDialogs().questions.last(), QStringLiteral("Ska filen omgang.txt skrivas över?"));
    TestDialogs().fileNames.push_back(dir_.filePath(QStringLiteral("saknas/omgang.txt")));
    Retta2->Button7->click();
    EXPECT_EQ(TestDialogs().errors.size(), 1);
    // Each save proposes the name of the one before, written or not.
    const QString txt = dir_.filePath(QStringLiteral("omgang.txt"));
    Retta2->Button7->click();
    EXPECT_EQ(TestDialogs().proposedNames,
              (QStringList{QString(), txt, txt, dir_.filePath(QStringLiteral("saknas/omgang.txt"))}));
}

TEST_F(GradingWindowTest, TheResultIsPrintedOnlyWhenGraded)
{
    const QString pdf = dir_.filePath(QStringLiteral("resultat.pdf"));
    SharedPrinter().setOutputFormat(QPrinter::PdfFormat);
    SharedPrinter().setOutputFileName(pdf);
    SharedPrinter().setPageSize(QPageSize(QPageSize::A4));
    StoreCoupons();
    Retta2->Button3->click();
    EXPECT_EQ(TestDialogs().messages, QStringList{QStringLiteral("Rätta innan resultatet kan skrivas ut.")});
    EXPECT_FALSE(QFile::exists(pdf));
    SetWinners({1, 2, 3, 4, 5, 6});
    Retta2->Button1->click();
    Retta2->Button3->click();
    const QStringList texts = pdftext::TextRuns(pdf);
    EXPECT_TRUE(texts.contains(QStringLiteral("Rätt rad: 1, 2, 3, 4, 5, 6, 0")))
        << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Kup 1:   1 sexa")));
}

TEST_F(GradingWindowTest, TheLargestWonAmountsShowWhole)
{
    // One coupon of all 15 horses in every race, and the most single rows, all six right.
    const auto allHorsesCoupon = [] {
        GroupSystemBuilt = 0;
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][1] = race <= PoolRaces ? (1 << StartNumbers) - 1 : HorseBit(1);
        KeepCoupons(1);
    };
    const auto mostSingleRows = [] {
        SingleRowCount = MaxGradedSingleRows - 1;
        for (int race = 1; race <= RaceSlots; ++race)
            for (int k = 1; k <= SingleRowCount; ++k)
                RowStore[race][k] = 1;
        SingleRowsBuilt = 1;
    };
    const struct {
        const char* system;
        std::function<void()> store;
        QString amounts[3];  // 4, 5 and 6 right
        QString total;
    } cases[] = {
        {"all horses", allHorsesCoupon, {"294000000000", "8400000000", "100000000"}, "302500000000"},
        {"99 999 rows", mostSingleRows, {"       0", "       0", "9999900000000"}, "9999900000000"},
    };
    for (const auto& c : cases) {
        ResetGlobals();
        c.store();
        for (int entry = 0; entry <= 2; ++entry) {
            Retta2->PayoutEdits[entry]->setText(QStringLiteral("100000000"));
            Retta2->PayoutEditExit(entry);
        }
        SetWinners({1, 1, 1, 1, 1, 1});
        Retta2->Button1->click();
        QLabel* const labels[] = {Retta2->AmountLabels[0], Retta2->AmountLabels[1], Retta2->AmountLabels[2],
                                  Retta2->VinstSummaEdit};
        for (int i = 0; i < 4; ++i) {
            const QLabel* label = labels[i];
            EXPECT_EQ(label->text(), i < 3 ? c.amounts[i] : c.total) << c.system;
            EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()),
                      label->contentsRect().width())
                << c.system << ": " << label->objectName().toStdString();
            EXPECT_TRUE(Retta2->Panel1->rect().contains(label->geometry()))
                << label->objectName().toStdString();
            for (const QWidget* other : Retta2->Panel1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                EXPECT_TRUE(other == label || other->isHidden() ||
                            !other->geometry().intersects(label->geometry()))
                    << label->objectName().toStdString() << " overlaps " << other->objectName().toStdString();
        }
    }
}

TEST_F(GradingWindowTest, EveryTextFitsItsControl)
{
    StoreCoupons();
    for (int entry = 0; entry <= 2; ++entry) {
        Retta2->PayoutEdits[entry]->setText(QStringLiteral("100000000"));
        Retta2->PayoutEditExit(entry);
    }
    SetWinners({1, 2, 3, 4, 5, 6});
    Retta2->Button1->click();
    Retta2->Visaantal->setText(QStringLiteral("5500 kuponger"));
    Retta2->Vinstgrp[1]->setText(QStringLiteral("     4"));  // the page's widest texts
    Retta2->Vinstnr[1]->setText(QStringLiteral("99999"));
    Retta2->Vinstrad[1]->setText(QStringLiteral("15,15,15,15,15,15"));
    Nesta->Rubrik->setText(QStringLiteral("Antal rader med 6 rätt efter 6 avd."));
    Nesta->RowLabels[15]->setText(QStringLiteral("999999"));
    for (QWidget* window : {static_cast<QWidget*>(Retta2), static_cast<QWidget*>(Nesta)})
        for (QLabel* label : window->findChildren<QLabel*>())
            EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width())
                << label->objectName().toStdString() << ": " << label->text().toStdString();
    for (QPushButton* button : Retta2->findChildren<QPushButton*>())
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()) + 8, button->width())
            << button->objectName().toStdString();
}

}  // namespace
