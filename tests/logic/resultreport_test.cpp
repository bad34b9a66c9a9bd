#include <gtest/gtest.h>

#include <QStringList>

#include "grading/resultreport.h"
#include "model/variabl.h"
#include "platform/numbers.h"
#include "platform/printlayout.h"

namespace {

// An A4 page at 300 dots an inch and a font 20 pixels a character.
constexpr PageMetrics A4{2480, 3508, 210, 297};
double FixedWidth(const QString& text)
{
    return 20.0 * text.size();
}

// The top of a text lines x lineHeight below the margin.
int RoundedLines(double lines, int lineHeight)
{
    return static_cast<int>(RoundHalfEven(lines * lineHeight));
}

class ResultReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        Graded = 1;
        const byte correct[] = {0, 3, 5, 1, 12, 7, 2, 0};
        for (int race = 1; race <= RaceSlots; ++race)
            CorrectRow[race] = correct[race];
    }

    // A coupon system with coupons 7 and 12 winning.
    static void GradedCoupons()
    {
        CouponsBuilt = 1;
        RowsKept = 96;
        KeptCouponCount = 12;
        CouponResults[7] = {6, 3, 1, 0, 1};
        CouponResults[12] = {1, 0, 0, 0, 1};
        const int32 counts[] = {0, 1, 3, 7, 20, 30, 25, 10};
        for (int i = 0; i < 8; ++i)
            CorrectCounts[i] = counts[i];
    }

    static void Pay(int32 four, int32 five, int32 six)
    {
        PayoutPerHits[0] = four;
        PayoutPerHits[1] = five;
        PayoutPerHits[2] = six;
        for (int i = 0; i <= 3; ++i)
            WinningsPerClass[i] = static_cast<std::int64_t>(PayoutPerHits[i]) * CorrectCounts[3 - i];
    }
};

TEST_F(ResultReportTest, ACouponSystemAsTextFile)
{
    GradedCoupons();
    Pay(15, 230, 12500);
    SystemName = "Lördag";
    SystemDate = "DD";
    const QStringList expected{QStringLiteral("Lördag"),
                               QString(),
                               QStringLiteral("Storlek: 96 rader, 12 kuponger."),
                               QString(),
                               QStringLiteral("Rätt rad: 3, 5, 1, 12, 7, 2, 0"),
                               QString(),
                               QStringLiteral("   7 rätt: 0 st  á 0 kr"),
                               QStringLiteral("   6 rätt: 1 st  á 12500 kr"),
                               QStringLiteral("   5 rätt: 3 st  á 230 kr"),
                               QStringLiteral("   4 rätt: 7 st  á 15 kr"),
                               QString(),
                               QStringLiteral("   Vinst:    13295 kr."),
                               QString(),
                               QStringLiteral("Kup 7:   1 sexa + 3 femmor + 6 fyror"),
                               QStringLiteral("Kup 12:  1 fyra")};
    EXPECT_EQ(ResultTextLines(), expected);
    EXPECT_TRUE(QString(SystemDate).isEmpty());
}

TEST_F(ResultReportTest, ASingleRowSystemWithoutPayoutsAsTextFile)
{
    SingleRowsBuilt = 1;
    SingleRowCount = 120;
    RowCorrectCounts[7] = 5;
    RowCorrectCounts[42] = 6;
    RowCorrectCounts[100] = 4;
    RowCorrectCounts[101] = 3;
    CorrectCounts[1] = CorrectCounts[2] = CorrectCounts[3] = 1;
    SystemName = "NN";
    SystemDate = "11/12";
    const QStringList lines = ResultTextLines();
    EXPECT_EQ(lines[0], QStringLiteral("Vimsta V75  11/12"));
    EXPECT_EQ(lines[2], QStringLiteral("Storlek: 120 rader"));
    EXPECT_EQ(lines[7], QStringLiteral("   6 rätt: 1 st"));
    EXPECT_EQ(lines[11], QStringLiteral("   Vinst:  ? kr"));
    EXPECT_EQ(lines.mid(13),
              (QStringList{QStringLiteral("Rad 7:       5 rätt"), QStringLiteral("Rad 42:   6 rätt"),
                           QStringLiteral("Rad 100:        4 rätt")}));
    EXPECT_EQ(WinningListLines(ReportForm::Paper)[1], QStringLiteral("Rad 42:   6 rätt"));
    EXPECT_EQ(ReportTitle(ReportForm::Paper), QStringLiteral("Vimsta V64  11/12"));
}

TEST_F(ResultReportTest, OnlyAFourRightPayoutCountsAsPayouts)
{
    GradedCoupons();
    Pay(15, 0, 0);
    const QStringList lines = ResultTextLines();
    EXPECT_EQ(lines[9], QStringLiteral("   4 rätt: 7 st  á 15 kr"));
    EXPECT_EQ(lines[11], QStringLiteral("   Vinst:      105 kr."));
}

TEST_F(ResultReportTest, ThePrintoutLaysOutClassesTotalAndList)
{
    GradedCoupons();
    Pay(15, 230, 12500);
    const ResultPrintout printout = LayOutResultPrintout(A4, 10, FixedWidth);
    ASSERT_TRUE(printout.refusal.isEmpty());
    EXPECT_EQ(printout.lineHeight, 54);
    EXPECT_EQ(printout.linesPerPage, 56);
    const int top = 236;
    const int left = 236;
    auto at = [&](const QString& text) {
        for (const ResultPrintText& t : printout.texts)
            if (t.text == text)
                return t;
        ADD_FAILURE() << "not printed: " << text.toStdString();
        return ResultPrintText{};
    };
    EXPECT_TRUE(at(QStringLiteral("Vimsta V64")).title);
    EXPECT_EQ(at(QStringLiteral("Storlek: 96 rader, 12 kuponger.")).y, top + 81);  // 1.5 lines
    // Labels from x0 = left + "Re"; counts right-aligned at x0 + label + widest count.
    const double x0 = left + 40;
    EXPECT_EQ(at(QStringLiteral("4 rätt:  ")).x, x0);
    EXPECT_EQ(at(QStringLiteral("4 rätt:  ")).y, top + RoundedLines(6.7, 54));
    EXPECT_EQ(at(QStringLiteral("7 st  á")).x, x0 + 9 * 20);
    const double x2 = x0 + 9 * 20 + 20 + 8 * 20 + 5 * 20;
    EXPECT_EQ(at(QStringLiteral("12500 kr")).x, x2 - 5 * 20);
    EXPECT_EQ(at(QStringLiteral("15 kr")).x, x2 - 2 * 20);
    EXPECT_EQ(at(QStringLiteral("Vinst:    13295 kr.")).y, top + 8 * 54);
    EXPECT_EQ(at(QStringLiteral("Kup 7:   1 sexa + 3 femmor + 6 fyror")).y, top + RoundedLines(9.3, 54));
}

TEST_F(ResultReportTest, AListLongerThanAPageGoesOnNewPages)
{
    CouponsBuilt = 1;
    KeptCouponCount = 60;
    CorrectCounts[2] = 60;
    for (int j = 1; j <= 60; ++j)
        CouponResults[j] = {0, 1, 0, 0, 1};
    const ResultPrintout printout = LayOutResultPrintout(A4, 10, FixedWidth);
    EXPECT_EQ(printout.pageCount, 2);
    const ResultPrintText& last = printout.texts.back();
    EXPECT_EQ(last.page, 1);
    EXPECT_EQ(last.text, QStringLiteral("Kup 60:  1 femma"));
    EXPECT_EQ(last.y, 236 + RoundedLines(12.3, 54));  // 48 lines on page 1, 12 on page 2
}

TEST_F(ResultReportTest, NoWinEndsThePrintoutAndRefusalsComeFirst)
{
    GradedCoupons();
    for (int32& count : CorrectCounts)
        count = 0;
    ResultPrintout printout = LayOutResultPrintout(A4, 10, FixedWidth);
    EXPECT_EQ(printout.texts.back().text, QStringLiteral("Ingen vinst."));
    EXPECT_EQ(printout.texts.size(), 4u);
    // 4 right alone is a win.
    CorrectCounts[3] = 7;
    printout = LayOutResultPrintout(A4, 10, FixedWidth);
    EXPECT_EQ(printout.texts.back().text, QStringLiteral("Kup 12:  1 fyra"));
    EXPECT_EQ(LayOutResultPrintout(A4, 50, FixedWidth).refusal, PageTooSmallMessage);
    EXPECT_EQ(LayOutResultPrintout(A4, 10, [](const QString& t) { return 60.0 * t.size(); }).refusal,
              PageTooSmallMessage);
    Graded = 0;
    EXPECT_EQ(LayOutResultPrintout(A4, 10, FixedWidth).refusal, GradeBeforePrintingMessage);
}

TEST_F(ResultReportTest, TheFileNameEndsInTxt)
{
    EXPECT_EQ(ResultFileName(QStringLiteral("/tmp/res.dat")), QStringLiteral("/tmp/res.txt"));
    EXPECT_EQ(ResultFileName(QStringLiteral("/tmp/a.b/res")), QStringLiteral("/tmp/a.b/res.txt"));
    EXPECT_EQ(ResultFileName(QString(300, QLatin1Char('x'))).size(), 200);
}

}  // namespace
