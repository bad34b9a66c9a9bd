#include <gtest/gtest.h>

#include "model/variabl.h"
#include "views/rowdistribution.h"

namespace {

class RowDistributionTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }

    // Coupons built with row conditions: 1 = {1, 2} x {3} (2 rows), 2 = {1} x {4, 5, 6} (3 rows),
    // the other races start number 1.
    static void TwoMaskCoupons()
    {
        for (int race = 3; race <= RaceSlots; ++race)
            RowStore[race][1] = RowStore[race][2] = 1;
        RowStore[1][1] = 0b11;
        RowStore[2][1] = 0b100;
        RowStore[1][2] = 0b1;
        RowStore[2][2] = 0b111000;
        CouponRowCounts[1] = 2;
        CouponRowCounts[2] = 3;
        CouponCount = 2;
        GroupSystemBuilt = 0;
        RowsPerHorseUnreduced[HorseIndex(1, 1)] = 4;
        RowsPerHorseUnreduced[HorseIndex(1, 2)] = 1;
        RowsConstructed = 5;
    }
};

TEST_F(RowDistributionTest, PercentagesRoundHalvesToEven)
{
    const int32 expected[][2] = {{1, 0}, {3, 2}, {5, 2}, {7, 4}, {200, 100}};
    for (const auto& [count, percent] : expected)
        EXPECT_EQ(RowSharePercentText(count, 200), QString::number(percent) + QStringLiteral(" %")) << count;
    EXPECT_EQ(RowSharePercentText(7, 0), QStringLiteral("0 %"));
}

TEST_F(RowDistributionTest, AfterCountsAddTheKeptCouponsOnly)
{
    TwoMaskCoupons();
    CouponKept[2] = 1;
    RowsKept = 3;
    EXPECT_TRUE(ComputeRowsPerHorseKept());
    EXPECT_EQ(StreckKeptComputed, 1);
    SelectRowCountsAfter();
    EXPECT_EQ(RowDistributionCell(1, 1), QStringLiteral("3"));
    EXPECT_EQ(RowDistributionCell(1, 2), QStringLiteral("-"));
    EXPECT_EQ(RowDistributionCell(2, 5), QStringLiteral("1"));
    EXPECT_EQ(RowDistributionCell(7, 1), QStringLiteral("3"));
    EXPECT_EQ(RowDistributionTitle(), QStringLiteral("Radernas fördelning på startnr efter ev. reducering"));

    ToggleRowDistributionUnit();  // after, percent: "-" follows the before count
    EXPECT_EQ(RowDistributionCell(1, 1), QStringLiteral("100 %"));
    EXPECT_EQ(RowDistributionCell(1, 2), QStringLiteral("0 %"));
    EXPECT_EQ(RowDistributionCell(2, 5), QStringLiteral("-"));
    SelectRowPercentBefore();
    EXPECT_EQ(RowDistributionCell(1, 1), QStringLiteral("80 %"));
    EXPECT_EQ(RowDistributionCell(1, 2), QStringLiteral("20 %"));
    ToggleRowDistributionUnit();
    EXPECT_EQ(StreckViewCounts, 1);
    EXPECT_EQ(StreckViewUnreduced, 1);
    EXPECT_EQ(RowDistributionCell(1, 1), QStringLiteral("4"));
}

TEST_F(RowDistributionTest, AMismatchIsReportedAndTheCountingGoesOn)
{
    TwoMaskCoupons();
    CouponKept[1] = CouponKept[2] = 1;
    CouponRowCounts[2] = 4;  // 3 horses: 4 / 3 rounds to 1
    EXPECT_FALSE(ComputeRowsPerHorseKept());
    EXPECT_EQ(RowsPerHorseKept[HorseIndex(1, 1)], 1 + 4);
    EXPECT_EQ(RowsPerHorseKept[HorseIndex(2, 6)], 1);
}

TEST_F(RowDistributionTest, GroupCouponsUseTheMarksAsTheyStandNow)
{
    for (int h : {2, 9}) {
        HorseGroups[1][0][h] = 1;
        HorseGroups[1][1][h] = 1;
    }
    for (int race = 1; race <= RaceSlots; ++race)
        CouponGroupCodes[race][1] = 1;
    CouponGroupCodes[2][1] = 0;  // no horse: the product no longer matches
    CouponRowCounts[1] = 2;
    CouponCount = 1;
    CouponKept[1] = 1;
    GroupSystemBuilt = 1;
    EXPECT_FALSE(ComputeRowsPerHorseKept());
    EXPECT_EQ(RowsPerHorseKept[HorseIndex(1, 2)], 1);
    EXPECT_EQ(RowsPerHorseKept[HorseIndex(1, 9)], 1);
}

TEST_F(RowDistributionTest, NothingConstructedShowsDashesAndAZeroTotalDividesNothing)
{
    for (auto select :
         {SelectRowCountsBefore, SelectRowCountsAfter, SelectRowPercentBefore, SelectRowPercentAfter}) {
        select();
        EXPECT_EQ(RowDistributionCell(3, 4), QStringLiteral("-"));
    }
    RowsPerHorseUnreduced[HorseIndex(3, 4)] = 12;  // left by a rows-stale reset that zeroed the totals
    SelectRowPercentBefore();
    EXPECT_EQ(RowDistributionCell(3, 4), QStringLiteral("0 %"));
}

TEST_F(RowDistributionTest, PrintTexts)
{
    SystemName = QStringLiteral("NN");
    SystemDate = QStringLiteral("DD");
    EXPECT_EQ(RowDistributionPrintHeading(), QStringLiteral("Vimsta V75"));
    EXPECT_EQ(QString(SystemDate), QString());
    SystemName = QStringLiteral("Lördag");
    SystemDate = QStringLiteral("2024-04-14");
    EXPECT_EQ(RowDistributionPrintHeading(), QStringLiteral("Lördag  2024-04-14"));

    SelectRowPercentAfter();
    EXPECT_EQ(RowDistributionPrintTitle(),
              QStringLiteral("Radernas fördelning på startnr efter ev. reducering [%]"));
    const char* cells[][2] = {{"100 %", "100"}, {"39 %", "39"}, {"7 %", "7 "}, {"-", "-"}};
    for (const auto& [screen, paper] : cells)
        EXPECT_EQ(RowDistributionPrintCell(QString::fromUtf8(screen)), QLatin1String(paper));
    SelectRowCountsBefore();
    EXPECT_EQ(RowDistributionPrintTitle(),
              QStringLiteral("Radernas fördelning på startnr före ev. reducering"));
    EXPECT_EQ(RowDistributionPrintCell(QStringLiteral("1234")), QStringLiteral("1234"));
}

}  // namespace
