#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "conditions/keptcoupons.h"
#include "conditions/price.h"
#include "model/variabl.h"

namespace {

// A constructed coupon system with the given rows per coupon, every coupon kept.
void SetCouponSystem(const std::vector<int32>& rows)
{
    ResetGlobals();
    CouponCount = static_cast<int32>(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        CouponRowCounts[i + 1] = rows[i];
    RowsConstructed = RowsKept = PriceRows = std::accumulate(rows.begin(), rows.end(), 0);
    KeepAllCouponsAfterBuild(CouponCount);
}

}  // namespace

TEST(CouponFee, FollowsTheFeeTableAtEveryStep)
{
    const struct {
        int32 rows;
        int fee;
    } cases[] = {
        {1, 2},    {50, 2},   {51, 4},   {100, 4},  {101, 5},  {150, 5},  {151, 7},  {200, 7},
        {201, 8},  {250, 8},  {251, 10}, {300, 10}, {301, 11}, {350, 11}, {351, 13}, {400, 13},
        {401, 14}, {450, 14}, {451, 16}, {500, 16}, {501, 17}, {550, 17}, {551, 19}, {600, 19},
        {601, 20}, {650, 20}, {651, 22}, {700, 22}, {701, 23}, {750, 23}, {751, 25}, {11390625, 25},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CouponFeeForRows(c.rows), c.fee) << c.rows << " rows";
}

TEST(CouponPrice, AllCouponsAfterAConstruction)
{
    const struct {
        std::vector<int32> rows;
        const char* fees;
        const char* total;
        double lastFee;
    } cases[] = {
        {{1}, "2", "3", 2.0},
        {{1024}, "25", "1049", 25.0},
        {{120, 60, 20}, "11", "211", 2.0},
    };
    for (const auto& c : cases) {
        SetCouponSystem(c.rows);
        const PriceTexts texts = PriceCouponSystem(RowsKept, PricedCoupons::All);
        EXPECT_EQ(texts.rows, QString::number(RowsKept));
        EXPECT_EQ(texts.fees, c.fees);
        EXPECT_EQ(texts.total, c.total);
        EXPECT_EQ(CouponFee, c.lastFee);
        EXPECT_EQ(TotalPrice, RowsKept + CouponFeeTotal);
    }
}

TEST(CouponPrice, KeptModePricesOnlyTheKeptList)
{
    SetCouponSystem({120, 60, 20});
    KeptCoupons[1] = 2;
    KeptCoupons[2] = 0;
    KeptCouponCount = 1;
    const PriceTexts texts = PriceCouponSystem(60, PricedCoupons::Kept);
    EXPECT_EQ(texts.fees, "4");
    EXPECT_EQ(texts.total, "64");
}

TEST(KeptCouponTotals, OneCouponDropped)
{
    SetCouponSystem({120, 60, 20});
    CouponKept[2] = 0;
    const KeptCouponTotals totals = RecomputeCouponSelection();
    EXPECT_EQ(KeptCouponCount, 2);
    EXPECT_EQ(KeptCoupons[1], 1);
    EXPECT_EQ(KeptCoupons[2], 3);
    EXPECT_EQ(KeptCoupons[3], 0);
    EXPECT_EQ(RowsKept, 140);
    EXPECT_EQ(PriceRows, 140);
    EXPECT_EQ(ReductionPercent, 30);  // 140 of the 200 constructed rows are kept
    EXPECT_EQ(CouponsReduced, 1);
    EXPECT_EQ(totals.rows, "140");
    EXPECT_EQ(totals.coupons, "2");
    EXPECT_EQ(totals.reduction, "30 %");
    EXPECT_EQ(totals.price.rows, "140");
    EXPECT_EQ(totals.price.fees, "7");
    EXPECT_EQ(totals.price.total, "147");
    EXPECT_EQ(totals.rowsAfter, "140");
    EXPECT_EQ(totals.couponsAfter, "2");
    EXPECT_EQ(totals.keptPositions, 2);
    EXPECT_EQ(totals.maxRows, 140);
}

TEST(KeptCouponTotals, ReductionPercentRoundsHalfToEven)
{
    const struct {
        int keptOfEight;
        int32 percent;
    } cases[] = {{7, 12}, {5, 38}, {8, 0}, {0, 100}};
    for (const auto& c : cases) {
        SetCouponSystem(std::vector<int32>(8, 1));
        for (int k = c.keptOfEight + 1; k <= 8; ++k)
            CouponKept[k] = 0;
        EXPECT_EQ(RecomputeCouponSelection().reduction, QString::number(c.percent) + " %");
        EXPECT_EQ(ReductionPercent, c.percent);
    }
}

TEST(KeptCouponTotals, AllKeptEqualsTheConstruction)
{
    SetCouponSystem({300, 120, 7});
    const PriceTexts built = PriceCouponSystem(RowsKept, PricedCoupons::All);
    const KeptCouponTotals totals = RecomputeCouponSelection();
    EXPECT_EQ(RowsKept, RowsConstructed);
    EXPECT_EQ(totals.reduction, "0 %");
    EXPECT_EQ(CouponsReduced, 0);
    EXPECT_EQ(totals.price.fees, built.fees);
    EXPECT_EQ(totals.price.total, built.total);
}

TEST(KeptCouponTotals, ReductionFlagFollowsTheKeptRows)
{
    SetCouponSystem({10, 10});
    CouponKept[1] = 0;
    RecomputeCouponSelection();
    EXPECT_EQ(CouponsReduced, 1);
    CouponKept[1] = 1;
    RecomputeCouponSelection();
    EXPECT_EQ(CouponsReduced, 0);
}

TEST(KeptCouponTotals, SingleCouponAroundTheLastFeeStep)
{
    const struct {
        int32 rows;
        const char* fees;
        const char* total;
    } cases[] = {{751, "25", "776"}, {750, "23", "773"}};
    for (const auto& c : cases) {
        SetCouponSystem({c.rows});
        const KeptCouponTotals totals = RecomputeCouponSelection();
        EXPECT_EQ(totals.price.fees, c.fees);
        EXPECT_EQ(totals.price.total, c.total);
    }
}

TEST(KeptCouponTotals, NothingKept)
{
    SetCouponSystem({40, 30, 20});
    for (int k = 1; k <= 3; ++k)
        CouponKept[k] = 0;
    const KeptCouponTotals totals = RecomputeCouponSelection();
    EXPECT_EQ(KeptCouponCount, 0);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(KeptCoupons[i], 0);
    EXPECT_EQ(RowsKept, 0);
    EXPECT_EQ(totals.rows, "0");
    EXPECT_EQ(totals.coupons, "0");
    EXPECT_EQ(totals.reduction, "100 %");
    EXPECT_EQ(totals.price.fees, "0");
    EXPECT_EQ(totals.price.total, "0");
    EXPECT_EQ(totals.keptPositions, 0);
    EXPECT_EQ(totals.maxRows, 0);
}

TEST(KeptCouponTotals, NoConstructedRowsGivesZeroPercent)
{
    ResetGlobals();
    const KeptCouponTotals totals = RecomputeCouponSelection();
    EXPECT_EQ(ReductionPercent, 0);
    EXPECT_EQ(totals.reduction, "0 %");
}

TEST(KeptCouponTotals, BuildKeepsLoadedFlagsOnlyWhenAsked)
{
    SetCouponSystem({5, 4, 3});
    CouponKept[2] = 0;
    CouponKept[4] = 1;  // left over from an earlier, larger system
    KeepLoadedCouponSelection = 1;
    KeepAllCouponsAfterBuild(3);
    EXPECT_EQ(CouponKept[1], 1);
    EXPECT_EQ(CouponKept[2], 0);
    EXPECT_EQ(CouponKept[4], 0);
    EXPECT_EQ(KeepLoadedCouponSelection, 0);
    EXPECT_EQ(KeptCouponCount, 3);

    KeepAllCouponsAfterBuild(3);
    EXPECT_EQ(CouponKept[2], 1);
    const CouponReductionTexts texts = CouponReductionTextsAfterBuild();
    EXPECT_EQ(texts.rowsBefore, "12");
    EXPECT_EQ(texts.rowsAfter, "12");
    EXPECT_EQ(texts.couponsBefore, "3");
    EXPECT_EQ(texts.couponsAfter, "3");
    EXPECT_EQ(texts.percent, "0 %");
}
