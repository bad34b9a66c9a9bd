#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include "output/reserves.h"
#include "platform/ui/printer.h"
#include "views/ui/seenkelrad.h"
#include "views/ui/streckford.h"
#include "windowset.h"

namespace {

class RowViewsTest : public WindowSetTest {
protected:
    // Two kept coupons built with row conditions whose horses no longer match their counts.
    static void TwoMismatchingCoupons()
    {
        for (int k = 1; k <= 2; ++k) {
            for (int race = 1; race <= RaceSlots; ++race)
                RowStore[race][k] = 1;
            CouponRowCounts[k] = 2;
            CouponKept[k] = 1;
        }
        CouponCount = 2;
        GroupSystemBuilt = 0;
        RowsPerHorseUnreduced[HorseIndex(1, 1)] = 4;
        RowsConstructed = 4;
        RowsKept = 4;
    }

    static void SingleRows(int32 count)
    {
        SingleRowCount = count;
        SingleRowsBuilt = 1;
        for (int32 row = 1; row <= std::min(count + 1, 200); ++row)
            for (int race = 1; race <= RaceSlots; ++race)
                RowStore[race][row] = 1 + (row + race) % 15;
    }
};

TEST_F(RowViewsTest, DistributionViewsAndOneAlarmForTheWholeCount)
{
    TwoMismatchingCoupons();
    Streckf->Show();
    EXPECT_EQ(Streckf->Cells[1][1]->text(), QStringLiteral("4"));
    EXPECT_EQ(Streckf->Cells[1][2]->text(), QStringLiteral("-"));
    Streckf->KnVexla->click();
    EXPECT_EQ(Streckf->Cells[1][1]->text(), QStringLiteral("100 %"));
    Streckf->KnEfter->click();
    EXPECT_EQ(TestDialogs().errors, QStringList{QStringLiteral("Något är fel. Avbryt programmet!")});
    EXPECT_EQ(Streckf->Label1->text(), QStringLiteral("Radernas fördelning på startnr efter ev. reducering"));
    EXPECT_EQ(Streckf->Cells[1][1]->text(), QStringLiteral("100 %"));
    Streckf->KnEfter->click();  // counted once per opening
    EXPECT_EQ(TestDialogs().errors.size(), 1);
    Streckf->KnVexla->click();
    EXPECT_EQ(Streckf->Cells[1][1]->text(), QStringLiteral("4"));

    RowsKept = 0;  // the totals of a rows-stale reset: no division
    RowsConstructed = 0;
    Streckf->KnVexla->click();
    EXPECT_EQ(Streckf->Cells[1][1]->text(), QStringLiteral("0 %"));
    Streckf->KnFore->click();
    EXPECT_EQ(Streckf->Cells[1][1]->text(), QStringLiteral("0 %"));
    Streckf->close();
    Streckf->Show();
    EXPECT_EQ(Streckf->Cells[1][1]->text(), QStringLiteral("4"));
}

TEST_F(RowViewsTest, DistributionPrintsOnePageOrSaysThePageIsTooSmall)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("streck.pdf"));
    SharedPrinter().setOutputFormat(QPrinter::PdfFormat);
    SharedPrinter().setOutputFileName(pdf);
    SharedPrinter().setPageSize(QPageSize(QPageSize::A4));
    TwoMismatchingCoupons();
    Streckf->Show();
    Streckf->Button5->click();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("/Type /Page\n"), 1);
    EXPECT_TRUE(TestDialogs().messages.isEmpty());

    SharedPrinter().setPageSize(QPageSize(QSizeF(40, 40), QPageSize::Millimeter));
    Streckf->Button5->click();
    EXPECT_EQ(TestDialogs().messages, QStringList{PageTooSmallMessage});
    SharedPrinter().setPageSize(QPageSize(QPageSize::A4));
    SharedPrinter().setOutputFileName(QString());
}

TEST_F(RowViewsTest, SingleRowViewerShowsZeroPastTheLastRowWithoutWritingTheStore)
{
    SingleRows(7);
    RowStore[2][8] = 9;
    ReserveMode = ReserveModeChosenOrder;
    Seenkelrader->ResetToStartState();
    Seenkelrader->Show();
    EXPECT_EQ(Seenkelrader->ScrollBar1->maximum(), 1);
    for (int column = 1; column <= 10; ++column)
        EXPECT_EQ(Seenkelrader->RowNumbers[column]->text(), QString::number(column));
    EXPECT_EQ(Seenkelrader->StartCells[2][1]->text(), QString::number(RowStore[2][1]));
    EXPECT_EQ(Seenkelrader->ReserveCells[2][1]->text(), QStringLiteral("1,2"));
    for (int column = 8; column <= 10; ++column) {
        EXPECT_EQ(Seenkelrader->StartCells[2][column]->text(), QStringLiteral("0"));
        EXPECT_EQ(Seenkelrader->ReserveCells[2][column]->text(), QStringLiteral("0"));
    }
    EXPECT_EQ(RowStore[2][8], 9);
}

TEST_F(RowViewsTest, SingleRowViewerKeepsItsPageStepAndDropsToTheNewMaximum)
{
    Seenkelrader->ResetToStartState();
    SingleRows(50000);
    Seenkelrader->Show();
    EXPECT_EQ(Seenkelrader->ScrollBar1->pageStep(), 1000);
    Seenkelrader->ScrollBar1->setValue(500);
    EXPECT_EQ(SingleRowScrollPos, 500);
    Seenkelrader->close();

    SingleRows(20);
    Seenkelrader->Show();
    EXPECT_EQ(Seenkelrader->ScrollBar1->maximum(), 11);
    EXPECT_EQ(Seenkelrader->ScrollBar1->pageStep(), 1000);
    EXPECT_EQ(SingleRowScrollPos, 11);
    Seenkelrader->ScrollBar1->setMaximum(500);
    Seenkelrader->ScrollBar1->setValue(500);
    Seenkelrader->close();

    SingleRows(100);
    Seenkelrader->Show();
    EXPECT_EQ(Seenkelrader->ScrollBar1->maximum(), 91);
    EXPECT_EQ(Seenkelrader->ScrollBar1->pageStep(), 10);
    EXPECT_EQ(SingleRowScrollPos, 91);
    EXPECT_EQ(Seenkelrader->RowNumbers[10]->text(), QStringLiteral("100"));

    SingleRowCount = 0;  // no rows: the window keeps what it shows
    Seenkelrader->close();
    Seenkelrader->Show();
    EXPECT_EQ(Seenkelrader->RowNumbers[1]->text(), QStringLiteral("91"));
}

}  // namespace
