#include <gtest/gtest.h>

#include <vector>

#include "conditions/keptcoupons.h"
#include "model/variabl.h"
#include "reduction/manualreduction.h"

namespace {

// Coupons with the given rows, all kept, as a construction leaves them.
void Build(const std::vector<int32>& rows)
{
    CouponCount = static_cast<int32>(rows.size());
    RowsConstructed = 0;
    for (int32 k = 1; k <= CouponCount; ++k) {
        CouponRowCounts[k] = rows[k - 1];
        RowsConstructed += rows[k - 1];
    }
    KeepAllCouponsAfterBuild(CouponCount);
    RecomputeCouponSelection();
}

std::vector<int32> Dropped()
{
    std::vector<int32> dropped;
    for (int32 k = 1; k <= CouponCount; ++k)
        if (CouponKept[k] == 0)
            dropped.push_back(k);
    return dropped;
}

class ManualReductionTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
};

TEST_F(ManualReductionTest, RangeDropsAllEverySecondOrEveryThird)
{
    struct Case {
        RangeDropStep step;
        std::vector<int32> dropped;
    };
    const std::vector<Case> cases = {
        {RangeDropStep::All, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {RangeDropStep::EverySecond, {1, 3, 5, 7, 9}},
        {RangeDropStep::EveryThird, {1, 4, 7, 10}},
    };
    for (const Case& c : cases) {
        Build(std::vector<int32>(10, 4));
        ASSERT_TRUE(DropCouponRange(1, 10, c.step));
        EXPECT_EQ(Dropped(), c.dropped);
    }
}

TEST_F(ManualReductionTest, RangePositionsCountKeptCouponsOnlyAndUndoRestoresThem)
{
    Build({120, 60, 20, 10, 10});
    ToggleCouponKept(2);
    RecomputeCouponSelection();  // kept: 1, 3, 4, 5
    ASSERT_TRUE(DropCouponRange(2, 3, RangeDropStep::All));
    EXPECT_EQ(Dropped(), (std::vector<int32>{2, 3, 4}));
    const KeptCouponTotals dropped = RecomputeCouponSelection();
    EXPECT_EQ(dropped.rows, "130");
    UndoCouponRange();
    const KeptCouponTotals undone = RecomputeCouponSelection();
    EXPECT_EQ(Dropped(), (std::vector<int32>{2}));
    EXPECT_EQ(undone.rows, "160");
    EXPECT_EQ(undone.reduction, "27 %");
}

TEST_F(ManualReductionTest, BadRangesChangeNothing)
{
    Build({5, 5, 5});
    for (auto [from, to] : std::vector<std::pair<int32, int32>>{{0, 2}, {1, 4}, {3, 2}}) {
        CouponUndo[1] = 1;
        EXPECT_FALSE(DropCouponRange(from, to, RangeDropStep::All));
        EXPECT_TRUE(Dropped().empty());
        EXPECT_EQ(CouponUndo[1], 0);
    }
    KeepAllCouponsAfterBuild(3);
    DropCouponRange(1, 3, RangeDropStep::All);
    RecomputeCouponSelection();
    EXPECT_EQ(KeptCouponCount, 0);
    EXPECT_FALSE(DropCouponRange(1, 1, RangeDropStep::All));
}

TEST_F(ManualReductionTest, MaximumRowsKeepsWhatStillFitsAndPricesIt)
{
    Build({100, 80, 50, 30});
    DropCouponsAboveRows(140);
    const KeptCouponTotals totals = RecomputeCouponSelection();
    EXPECT_EQ(Dropped(), (std::vector<int32>{2, 3}));
    EXPECT_EQ(totals.rows, "130");
    EXPECT_EQ(totals.coupons, "2");
    EXPECT_EQ(totals.reduction, "50 %");
    EXPECT_EQ(totals.price.rows, "130");

    KeepEveryCoupon();
    DropCouponsAboveRows(260);
    EXPECT_TRUE(Dropped().empty());
}

TEST_F(ManualReductionTest, TogglingTwiceRestoresTheCouponAndItsCaption)
{
    Build({120, 60, 20});
    EXPECT_EQ(CouponToggleCaption(2), "Ta bort kupongen");
    ASSERT_TRUE(ToggleCouponKept(2));
    const KeptCouponTotals dropped = RecomputeCouponSelection();
    EXPECT_EQ(CouponToggleCaption(2), "Lägg till kupongen");
    EXPECT_EQ(dropped.rows, "140");
    EXPECT_EQ(dropped.reduction, "30 %");
    EXPECT_EQ(dropped.price.fees, "7");
    EXPECT_EQ(dropped.price.total, "147");
    ToggleCouponKept(2);
    EXPECT_EQ(RecomputeCouponSelection().rows, "200");
    EXPECT_FALSE(ToggleCouponKept(4));
}

TEST_F(ManualReductionTest, SteppingStaysWithinTheCoupons)
{
    CouponCount = 4096;
    EXPECT_EQ(SteppedCoupon(3500, 1000), 4096);
    EXPECT_EQ(SteppedCoupon(4096, 1), 4096);
    EXPECT_EQ(SteppedCoupon(5, -10), 1);
    EXPECT_EQ(SteppedCoupon(1, -1), 1);
    EXPECT_EQ(ShownCouponInRange(5000), 4096);
    CouponCount = 0;
    EXPECT_EQ(ShownCouponInRange(7), 1);
    EXPECT_EQ(CouponRows(1), 0);
}

}  // namespace
