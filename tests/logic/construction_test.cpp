#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <set>
#include <vector>

#include "conditions/construction.h"
#include "conditions/couponmerge.h"
#include "conditions/rowconditions.h"
#include "marks/marking.h"
#include "model/patterns.h"
#include "model/variabl.h"
#include "support/marks.h"

namespace {

ConstructionSwitches OtherSwitch()
{
    ConstructionSwitches s;
    s.otherNumbers = true;
    return s;
}

int32 Pack(const RowNumbers& row, const SlotOrder& order)
{
    int32 packed = 0;
    for (int m = 1; m <= RaceSlots; ++m)
        packed = packed * 16 + row[order[m]];
    return packed;
}

// Every row of the patterns that planes 9-12 allow, tested one by one.
std::vector<int32> RowByRowOracle(const PreparedRowConditions& p, const SlotOrder& order)
{
    std::vector<int32> rows;
    for (int pattern = 1; pattern <= PatternCount; ++pattern) {
        const auto& planes = AbcdPatternPlanes;
        if (!(planes[PlaneHasRows][pattern] && planes[PlaneWinnerCounts][pattern] &&
              planes[PlaneCompositionList][pattern] && planes[PlaneGroupConditions][pattern]))
            continue;
        std::array<std::vector<int>, RaceSlots + 1> lists;
        for (int r = 1; r <= RaceSlots; ++r)
            for (int h = 1; h <= StartNumbers; ++h)
                if (HorseGroups[r][0][h] == planes[r][pattern])
                    lists[r].push_back(h);
        std::array<std::size_t, RaceSlots + 1> at{};
        while (true) {
            RowNumbers row{};
            for (int r = 1; r <= RaceSlots; ++r)
                row[r] = lists[r][at[r]];
            if (RowPassesRowConditions(p, row))
                rows.push_back(Pack(row, order));
            int r = RaceSlots;
            while (r >= 1 && ++at[r] == lists[r].size())
                at[r--] = 0;
            if (r == 0)
                break;
        }
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The merge exactly as told: one coupon per row, then for N >= 3 a pass per column 7..1
// comparing every coupon with every later one; for N = 2 one merge when one column differs.
std::vector<CouponMasks> ReferenceMerge(const std::vector<int32>& rows)
{
    struct Coupon {
        bool exists = true;
        CouponMasks masks{};
    };
    std::vector<Coupon> coupons;
    for (int32 row : rows) {
        Coupon c;
        for (int m = 1; m <= RaceSlots; ++m)
            c.masks[m] = static_cast<std::uint16_t>(1u << (PackedStartNumber(row, m) - 1));
        coupons.push_back(c);
    }
    auto equalBut = [](const CouponMasks& a, const CouponMasks& b, int d) {
        for (int m = 1; m <= RaceSlots; ++m)
            if (m != d && a[m] != b[m])
                return false;
        return true;
    };
    if (coupons.size() == 2) {
        int differing = 0, column = 0;
        for (int m = 1; m <= RaceSlots; ++m)
            if (coupons[0].masks[m] != coupons[1].masks[m]) {
                ++differing;
                column = m;
            }
        if (differing == 1) {
            coupons[0].masks[column] += coupons[1].masks[column];
            coupons.pop_back();
        }
    } else if (coupons.size() >= 3) {
        for (int d = 7; d >= 1; --d) {
            bool merged = false;
            for (std::size_t p = 0; p < coupons.size(); ++p) {
                if (!coupons[p].exists)
                    continue;
                for (std::size_t q = p + 1; q < coupons.size(); ++q) {
                    if (coupons[q].exists && equalBut(coupons[p].masks, coupons[q].masks, d)) {
                        coupons[p].masks[d] += coupons[q].masks[d];
                        coupons[q].exists = false;
                        merged = true;
                    }
                }
            }
            if (merged)
                std::erase_if(coupons, [](const Coupon& c) { return !c.exists; });
        }
    }
    std::vector<CouponMasks> result;
    for (const Coupon& c : coupons)
        result.push_back(c.masks);
    return result;
}

struct StoredCoupon {
    int32 rows = 0;
    std::array<int32, RaceSlots + 1> masks{};
    bool operator==(const StoredCoupon&) const = default;
};

// Race order and the exchange sort by size, exactly as told.
std::vector<StoredCoupon> ReferenceCoupons(const std::vector<int32>& rows, const SlotOrder& order)
{
    std::vector<StoredCoupon> coupons;
    for (const CouponMasks& merged : ReferenceMerge(rows)) {
        StoredCoupon c;
        c.rows = 1;
        for (int m = 1; m <= RaceSlots; ++m) {
            c.masks[order[m]] = merged[m];
            c.rows *= std::popcount(merged[m]);
        }
        coupons.push_back(c);
    }
    for (std::size_t i = 0; i + 1 < coupons.size(); ++i)
        for (std::size_t j = i + 1; j < coupons.size(); ++j)
            if (coupons[j].rows > coupons[i].rows)
                std::swap(coupons[i], coupons[j]);
    return coupons;
}

std::vector<StoredCoupon> StoredCoupons()
{
    std::vector<StoredCoupon> coupons;
    for (int32 k = 1; k <= CouponCount; ++k) {
        StoredCoupon c;
        c.rows = CouponRowCounts[k];
        for (int r = 1; r <= RaceSlots; ++r)
            c.masks[r] = RowStore[r][k];
        coupons.push_back(c);
    }
    return coupons;
}

// The rows of the stored coupons, packed in the given order, each as often as it occurs.
std::vector<int32> ExpandCoupons(const SlotOrder& order)
{
    std::vector<int32> rows;
    for (int32 k = 1; k <= CouponCount; ++k) {
        std::vector<int32> partial{0};
        for (int m = 1; m <= RaceSlots; ++m) {
            std::vector<int32> next;
            for (int32 prefix : partial)
                for (int h = 1; h <= StartNumbers; ++h)
                    if (RowStore[order[m]][k] & (1 << (h - 1)))
                        next.push_back(prefix * 16 + h);
            partial = std::move(next);
        }
        rows.insert(rows.end(), partial.begin(), partial.end());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<int32> PackedRowsNow()
{
    return std::vector<int32>(PackedRows + 1, PackedRows + RowsAccepted + 1);
}

class Construction : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }

    ConstructionResult Build(const ConstructionSwitches& s, const ConstructionProgress& progress = {})
    {
        BuildCouponsAfterRows = 1;
        return ConstructSystemRows(s, progress);
    }
    ConstructionResult Count(const ConstructionSwitches& s, const ConstructionProgress& progress = {})
    {
        BuildCouponsAfterRows = 0;
        return ConstructSystemRows(s, progress);
    }
};

TEST_F(Construction, SlotOrderPutsTheRaceWithMostHorsesLast)
{
    const int horses[] = {4, 2, 6, 1, 3, 5};
    for (int r = 1; r <= 6; ++r)
        for (int h = 1; h <= horses[r - 1]; ++h)
            ASSERT_TRUE(MarkHorse(r, 1 + h % 4, h));
    EXPECT_EQ(ComputeSlotOrder(), (SlotOrder{0, 4, 7, 2, 5, 1, 6, 3}));

    ResetGlobals();
    MarkRangeInEveryRace(1, 2, 1);
    EXPECT_EQ(ComputeSlotOrder(), (SlotOrder{0, 7, 1, 2, 3, 4, 5, 6}));
}

TEST_F(Construction, NoAllowedPatternShowsNoPanelAndKeepsNothing)
{
    int started = 0, finished = 0;
    ConstructionProgress progress;
    progress.started = [&] { ++started; };
    progress.finished = [&] { ++finished; };
    const ConstructionResult result = Build(OtherSwitch(), progress);
    EXPECT_EQ(result.outcome, ConstructionOutcome::RowsCounted);
    EXPECT_EQ(result.rowsAccepted, 0);
    EXPECT_EQ(RowsAccepted, 0);
    EXPECT_EQ(BuildCouponsAfterRows, 0);
    EXPECT_EQ(CouponsBuilt, 0);
    EXPECT_EQ(started, 0);
    EXPECT_EQ(finished, 1);
}

TEST_F(Construction, ProgressBeforeEvery400thKeptRow)
{
    // 3 x 3 x 3 x 3 x 5 x 5 = 2 025 rows.
    for (int r = 1; r <= 6; ++r)
        for (int h = 1; h <= (r <= 4 ? 3 : 5); ++h)
            ASSERT_TRUE(MarkHorse(r, 1 + h % 2, h));
    std::vector<int32> shown;
    int started = 0;
    ConstructionProgress progress;
    progress.started = [&] { ++started; };
    progress.progress = [&](int32 rows) {
        shown.push_back(rows);
        return true;
    };
    ConstructionResult result = Count(OtherSwitch(), progress);
    EXPECT_EQ(result.rowsAccepted, 2025);
    EXPECT_EQ(shown, (std::vector<int32>{0, 400, 800, 1200, 1600, 2000}));
    EXPECT_EQ(started, 1);

    shown.clear();
    result = Build(OtherSwitch(), progress);
    EXPECT_EQ(result.outcome, ConstructionOutcome::SystemBuilt);
    EXPECT_EQ(shown, (std::vector<int32>{0, 400, 800, 1200, 1600, 2000, 2025}));
}

TEST_F(Construction, OneRowIsOneCouponOfThreeKronor)
{
    MarkRangeInEveryRace(3, 3, 2);
    const ConstructionResult result = Build(OtherSwitch());
    ASSERT_EQ(result.outcome, ConstructionOutcome::SystemBuilt);
    EXPECT_EQ(CouponCount, 1);
    EXPECT_EQ(CouponRowCounts[1], 1);
    EXPECT_EQ(CouponFeeTotal, 2.0);
    EXPECT_EQ(TotalPrice, 3.0);
    EXPECT_EQ(result.price.total, QStringLiteral("3"));
    EXPECT_EQ(RowStore[0][1], 1);
    EXPECT_EQ(RowStore[1][1], 1 << 2);
    EXPECT_EQ(RowStore[7][1], 1);
}

TEST_F(Construction, TwoRowsMergeOnlyWhenOneRaceDiffers)
{
    MarkRangeInEveryRace(1, 1, 1);
    ASSERT_TRUE(MarkHorse(1, 1, 2));
    ASSERT_EQ(Build(OtherSwitch()).outcome, ConstructionOutcome::SystemBuilt);
    EXPECT_EQ(CouponCount, 1);
    EXPECT_EQ(CouponRowCounts[1], 2);
    EXPECT_EQ(RowStore[1][1], 0b11);

    // Races 1 and 2 with two horses; keep the rows with both 1s or both 2s.
    ASSERT_TRUE(MarkHorse(2, 1, 2));
    StartNrCondMarks[1][1][1] = StartNrCondMarks[2][1][1] = 1;
    StartNrCondForbiddenCounts[1][1] = 1;
    StartNrCondUsed[1] = StartNrCondActive[1] = 1;
    ConstructionSwitches s;
    s.startNumbers = true;
    ASSERT_EQ(Build(s).outcome, ConstructionOutcome::SystemBuilt);
    EXPECT_EQ(RowsKept, 2);
    EXPECT_EQ(CouponCount, 2);
}

TEST_F(Construction, MergePassesFollowThePositionOrder)
{
    // Positions 6 and 7 hold (1, 1), (1, 2) and (2, 1); all other positions 1.
    const int32 base = 0x1111100;
    const int32 rows[] = {0, base | 0x11, base | 0x12, base | 0x21};
    const std::vector<CouponMasks> coupons = MergeRowsIntoCoupons(rows, 3);
    ASSERT_EQ(coupons.size(), 2u);
    EXPECT_EQ(coupons[0], (CouponMasks{0, 1, 1, 1, 1, 1, 0b01, 0b11}));
    EXPECT_EQ(coupons[1], (CouponMasks{0, 1, 1, 1, 1, 1, 0b10, 0b01}));
}

TEST_F(Construction, SizeOrderFollowsTheExchangeSequence)
{
    const int32 sizes[] = {5, 3, 5, 7};
    for (int k = 1; k <= 4; ++k) {
        CouponRowCounts[k] = sizes[k - 1];
        RowStore[1][k] = k;  // which coupon it was
    }
    OrderCouponsBySize(4);
    EXPECT_EQ((std::array<int32, 4>{CouponRowCounts[1], CouponRowCounts[2], CouponRowCounts[3],
                                    CouponRowCounts[4]}),
              (std::array<int32, 4>{7, 5, 5, 3}));
    EXPECT_EQ((std::array<int32, 4>{RowStore[1][1], RowStore[1][2], RowStore[1][3], RowStore[1][4]}),
              (std::array<int32, 4>{4, 3, 1, 2}));
}

TEST_F(Construction, BuildPublishesCountsFlagsAndFigures)
{
    // Races 1-6: horses 1-3 in A and 4 in B; rows where horse 4 wins at most once.
    MarkRangeInEveryRace(1, 3, 1);
    MarkRangeInEveryRace(4, 4, 2);
    WinnerCountAllowed[2][2] = WinnerCountAllowed[3][2] = WinnerCountAllowed[4][2] = 0;
    WinnerCountAllowed[5][2] = WinnerCountAllowed[6][2] = 0;
    for (int p = 1; p <= PatternCount; ++p) {
        int b = 0;
        for (int r = 1; r <= RaceSlots; ++r)
            b += AbcdPatternPlanes[r][p] == 2;
        AbcdPatternPlanes[PlaneWinnerCounts][p] = b <= 1;
    }
    CompositionRowsSaved[5] = 9;
    KeepLoadedCouponSelection = 0;
    const ConstructionResult result = Build(OtherSwitch());
    ASSERT_EQ(result.outcome, ConstructionOutcome::SystemBuilt);
    const int32 rows = 729 + 6 * 243;  // no 4, or one 4
    EXPECT_EQ(RowsAccepted, rows);
    EXPECT_EQ(RowsKept, rows);
    EXPECT_EQ(RowsConstructed, rows);
    EXPECT_EQ(PriceRows, rows);
    EXPECT_EQ(CouponsBuilt, 1);
    EXPECT_EQ(GroupSystemBuilt, 0);
    EXPECT_EQ(UnreducedPercentValid, 1);
    EXPECT_EQ(CompositionRowsSaved[5], 0);
    EXPECT_EQ(KeptCouponCount, CouponCount);
    for (int k = 1; k <= CouponCount; ++k) {
        EXPECT_EQ(CouponKept[k], 1);
        EXPECT_EQ(KeptCoupons[k], k);
    }
    EXPECT_EQ(RowsPerHorseUnreduced[HorseIndex(1, 4)], 243);
    EXPECT_EQ(RowsPerHorseUnreduced[HorseIndex(1, 1)], (rows - 243) / 3);
    EXPECT_EQ(UnreducedPercent[HorseIndex(1, 4)], 11);  // 243 / 2187 = 11.1 %
    EXPECT_EQ(UnreducedPercent[HorseIndex(7, 1)], 100);
    int32 sum = 0;
    double fees = 0;
    for (int k = 1; k <= CouponCount; ++k) {
        sum += CouponRowCounts[k];
        fees += CouponFeeForRows(CouponRowCounts[k]);
        if (k > 1) {
            EXPECT_GE(CouponRowCounts[k - 1], CouponRowCounts[k]);
        }
    }
    EXPECT_EQ(sum, rows);
    EXPECT_EQ(CouponFeeTotal, fees);
    EXPECT_EQ(TotalPrice, rows + fees);
    EXPECT_EQ(result.reductionWindow.percent, QStringLiteral("0 %"));
}

TEST_F(Construction, CountingModeLeavesTheConstructedSystem)
{
    MarkRangeInEveryRace(1, 3, 1);
    ASSERT_EQ(Build(OtherSwitch()).outcome, ConstructionOutcome::SystemBuilt);
    const int32 coupons = CouponCount;
    const int32 firstMask = RowStore[1][1];

    NrCountForbidden[1][0] = 1;
    const ConstructionResult result = Count(OtherSwitch());
    EXPECT_EQ(result.outcome, ConstructionOutcome::RowsCounted);
    EXPECT_EQ(RowsAccepted, 729 - 64);
    EXPECT_EQ(CouponCount, coupons);
    EXPECT_EQ(RowStore[1][1], firstMask);
    EXPECT_EQ(CouponsBuilt, 1);
    EXPECT_EQ(RowsKept, 729);
    EXPECT_EQ(BuildCouponsAfterRows, 0);
}

TEST_F(Construction, BuildWithoutRowsLeavesNoSystem)
{
    MarkRangeInEveryRace(1, 2, 1);
    ASSERT_EQ(Build(OtherSwitch()).outcome, ConstructionOutcome::SystemBuilt);
    for (int k = 0; k <= 6; ++k)
        NrCountForbidden[2][k] = 1;
    const ConstructionResult result = Build(OtherSwitch());
    EXPECT_EQ(result.outcome, ConstructionOutcome::RowsCounted);
    EXPECT_EQ(result.rowsAccepted, 0);
    EXPECT_EQ(BuildCouponsAfterRows, 0);
    EXPECT_EQ(CouponsBuilt, 0);
    EXPECT_EQ(RowsKept, 0);
}

TEST_F(Construction, FiveThousandFiveHundredCouponsAreAccepted)
{
    MarkFixedSumSystem({1, 4, 10, 14, 14, 14}, 31);
    ConstructionSwitches s;
    s.points = true;
    const ConstructionResult result = Build(s);
    EXPECT_EQ(result.outcome, ConstructionOutcome::SystemBuilt);
    EXPECT_EQ(CouponCount, 5500);
    EXPECT_EQ(RowsKept, 5500);
}

TEST_F(Construction, MoreThan5500CouponsAreRefusedAndLeaveNoSystem)
{
    // An earlier system of one coupon, still marked as constructed.
    MarkFixedSumSystem({1, 6, 11, 11, 11, 13}, 27);
    const int32 oldMask = 0b101;
    RowStore[1][1] = oldMask;
    CouponCount = 1;
    CouponsBuilt = 1;
    RowsKept = RowsConstructed = 64;
    UnreducedPercentValid = 1;
    ConstructionSwitches s;
    s.points = true;
    const ConstructionResult result = Build(s);
    EXPECT_EQ(result.outcome, ConstructionOutcome::TooManyCoupons);
    EXPECT_EQ(result.couponCount, 5501);
    EXPECT_EQ(result.rowsAccepted, 5501);
    EXPECT_EQ(RowsAccepted, 5501);
    EXPECT_EQ(CouponsBuilt, 0);
    EXPECT_EQ(RowsKept, 0);
    EXPECT_EQ(RowsConstructed, 0);
    EXPECT_EQ(UnreducedPercentValid, 0);
    EXPECT_EQ(CouponCount, 1);
    EXPECT_EQ(RowStore[1][1], oldMask);
    EXPECT_EQ(TooManyCouponsMessage, std::string("Över 5 500 kuponger.  AVBRYT!"));
}

TEST_F(Construction, MoreThanAMillionRowsAreBuiltCompletely)
{
    // 11 horses in races 1-6 (1 771 561 rows): 1-6 in A, 7-11 in B; patterns with exactly
    // two B races are left out by the distribution list.
    MarkRangeInEveryRace(1, 6, 1);
    MarkRangeInEveryRace(7, 11, 2);
    for (int p = 1; p <= PatternCount; ++p) {
        int b = 0;
        for (int r = 1; r <= RaceSlots; ++r)
            b += AbcdPatternPlanes[r][p] == 2;
        if (b == 2)
            AbcdPatternPlanes[PlaneCompositionList][p] = 0;
    }
    const ConstructionResult result = Build(OtherSwitch());
    ASSERT_EQ(result.outcome, ConstructionOutcome::SystemBuilt);
    const int32 expected = 1771561 - 15 * 6 * 6 * 6 * 6 * 5 * 5;
    EXPECT_EQ(RowsAccepted, expected);
    EXPECT_GE(PackedRowsCapacity, expected + 1);
    EXPECT_TRUE(std::is_sorted(PackedRows + 1, PackedRows + RowsAccepted + 1));

    // The coupons hold every kept row exactly once.
    const SlotOrder order = ComputeSlotOrder();
    std::vector<bool> covered(std::size_t{1} << 28);
    int32 total = 0;
    for (int32 row : ExpandCoupons(order)) {
        ASSERT_FALSE(covered[row]);
        covered[row] = true;
        ++total;
    }
    EXPECT_EQ(total, expected);
    for (int32 i = 1; i <= RowsAccepted; ++i)
        ASSERT_TRUE(covered[PackedRows[i]]);
    EXPECT_EQ(RowsPerHorseUnreduced[HorseIndex(7, 1)], expected);
}

TEST_F(Construction, CancelledAfterAFixedAmountOfWorkWhenNothingIsKept)
{
    MarkRangeInEveryRace(1, 2, 1);
    ASSERT_EQ(Build(OtherSwitch()).outcome, ConstructionOutcome::SystemBuilt);
    MarkRangeInEveryRace(3, 15, 1);
    for (int k = 0; k <= 6; ++k)
        NrCountForbidden[15][k] = 1;  // no row passes
    int calls = 0;
    ConstructionProgress progress;
    progress.progress = [&](int32 rows) {
        ++calls;
        EXPECT_EQ(rows, 0);
        return false;
    };
    const ConstructionResult result = Build(OtherSwitch(), progress);
    EXPECT_EQ(result.outcome, ConstructionOutcome::Cancelled);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(CouponsBuilt, 0);
    EXPECT_EQ(RowsKept, 0);
    EXPECT_EQ(UnreducedPercentValid, 0);
    EXPECT_FALSE(ConstructionRunning());
}

TEST_F(Construction, AvbrytSetsTheStopFlagDuringTheRun)
{
    MarkRangeInEveryRace(1, 4, 1);
    ConstructionProgress progress;
    progress.progress = [](int32 rows) {
        if (rows == 800)
            ReduceAbort = 1;
        return true;
    };
    SingleRowsBuilt = 1;
    const ConstructionResult result = Build(OtherSwitch(), progress);
    EXPECT_EQ(result.outcome, ConstructionOutcome::Cancelled);
    EXPECT_EQ(result.rowsAccepted, 800);
    EXPECT_EQ(SingleRowsBuilt, 0);
    EXPECT_EQ(CouponsBuilt, 0);
}

TEST_F(Construction, AStoppedRowCountLeavesTheSystemAsItWas)
{
    MarkRangeInEveryRace(1, 4, 1);
    ASSERT_EQ(Build(OtherSwitch()).outcome, ConstructionOutcome::SystemBuilt);
    SingleRowsBuilt = 1;
    ConstructionProgress progress;
    progress.progress = [](int32 rows) { return rows < 400; };
    BuildCouponsAfterRows = 0;
    EXPECT_EQ(ConstructSystemRows(OtherSwitch(), progress).outcome, ConstructionOutcome::Cancelled);
    EXPECT_EQ(CouponsBuilt, 1);
    EXPECT_EQ(SingleRowsBuilt, 1);
    EXPECT_EQ(RowsKept, 4096);
}

TEST_F(Construction, ASecondRunDuringARunIsRefused)
{
    MarkRangeInEveryRace(1, 2, 1);
    ConstructionOutcome inner = ConstructionOutcome::RowsCounted;
    ConstructionProgress progress;
    progress.progress = [&](int32) {
        EXPECT_TRUE(ConstructionRunning());
        inner = ConstructSystemRows(OtherSwitch()).outcome;
        return true;
    };
    EXPECT_EQ(Build(OtherSwitch(), progress).outcome, ConstructionOutcome::SystemBuilt);
    EXPECT_EQ(inner, ConstructionOutcome::AlreadyRunning);
}

// Random small systems with random conditions of every kind: the walk keeps exactly the
// rows that the row-by-row test keeps, and the coupons are exactly those of the merge as
// told, in the told order.
class RandomSystem {
public:
    explicit RandomSystem(unsigned seed) : random_(seed) {}

    void Create()
    {
        for (int r = 1; r <= 6; ++r) {
            const int horses = Below(4) + 1;
            for (int i = 0; i < horses; ++i) {
                const int h = Below(15) + 1;
                if (HorseGroups[r][0][h] == 0) {
                    ASSERT_TRUE(MarkHorse(r, Below(4) + 1, h));
                }
            }
        }
        for (int p = 1; p <= PatternCount; ++p)
            if (Below(5) == 0)
                AbcdPatternPlanes[PlaneCompositionList + Below(2)][p] = 0;
        switches_.startNumbers = Below(2);
        switches_.points = Below(2);
        switches_.otherNumbers = Below(2);
        switches_.payout = Below(2);
        StartNumberConditions();
        PointsConditions();
        Payout();
        OtherNumbers();
    }
    const ConstructionSwitches& Switches() const { return switches_; }

private:
    int Below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

    // A horse of the system in race r (or any start number now and then).
    int SomeHorse(int r)
    {
        for (int h = Below(15) + 1, tries = 0; tries < 15; ++tries, h = h % 15 + 1)
            if (HorseGroups[r][0][h] > 0 && Below(4) != 0)
                return h;
        return Below(15) + 1;
    }

    void StartNumberConditions()
    {
        for (int c = 1; c <= 5; ++c) {
            for (int i = Below(5); i >= 0; --i) {
                const int r = Below(7) + 1;
                StartNrCondMarks[r][r == 7 ? 1 : SomeHorse(r)][c] = 1;
            }
            for (int k = 0; k <= 7; ++k)
                StartNrCondForbiddenCounts[k][c] = Below(5) == 0;
            StartNrCondUsed[c] = 1;
            StartNrCondActive[c] = Below(2);
            for (int g = 1; g <= 3; ++g)
                ConditionGroupMembers[g][c] = Below(3) == 0;
        }
        const byte limits[] = {0, 1, 2, 3, 5, 100, 4, 6};
        for (int g = 1; g <= 3; ++g) {
            ConditionGroupActive[g] = Below(4) == 0;
            ConditionGroupLimits[2 * g - 1] = limits[Below(5)];
            ConditionGroupLimits[2 * g] = limits[1 + Below(7)];
        }
    }

    void PointsConditions()
    {
        for (int c = 1; c <= 3; ++c) {
            for (int r = 1; r <= RaceSlots; ++r)
                for (int h = 1; h <= StartNumbers; ++h)
                    CondPoints[r][h][c] = static_cast<byte>(Below(4) == 0 ? 0 : Below(12));
            CondSumActive[c] = Below(3) == 0;
            CondProdActive[c] = Below(3) == 0;
            CondSumMode[c] = Below(5) == 0 ? 3 : Below(2);
            CondProdMode[c] = Below(2);
            CondSumMin[c] = Below(30);
            CondSumMax[c] = CondSumMin[c] + Below(40) - 5;
            const int exponents[] = {0, 3, 6, 2};
            CondProdMinMantissa[c] = Below(50);
            CondProdMinExp[c] = exponents[Below(2)];
            CondProdMaxMantissa[c] = Below(1000);
            CondProdMaxExp[c] = exponents[Below(4)];
        }
    }

    void Payout()
    {
        StreckPresent = Below(4) != 0;
        for (int r = 1; r <= 6; ++r)
            for (int h = 1; h <= StartNumbers; ++h)
                StreckValues[HorseIndex(r, h)] = Below(3) == 0 ? 0 : Below(40);
        GameType = Below(2) ? "v64" : "v65";
        PayoutMin = Below(2) ? 0 : 100 * Below(5000);
        PayoutMax = Below(3) == 0 ? 100000000 : PayoutMin + 1000 * Below(50000);
    }

    void OtherNumbers()
    {
        for (int i = Below(3); i > 0; --i)
            NrCountForbidden[Below(15) + 1][Below(8) == 0 ? 0 : 1 + Below(3)] = 1;
        for (int s = 1; s <= 3; ++s) {
            for (int i = Below(4); i > 0; --i)
                NrSetCondMarks[Below(15) + 1][s] = 1;
            NrSetCondRequire[s] = Below(3) == 0;
            NrSetCondRemove[s] = !NrSetCondRequire[s] && Below(3) == 0;
            NrSetCondLow[s] = static_cast<byte>(Below(3));
            NrSetCondHigh[s] = static_cast<byte>(Below(8));
        }
        for (int k = 1; k <= 6; ++k)
            EqualNrRule[k] = Below(10) == 0;
        for (int k = 0; k <= 6; ++k)
            OddCountForbidden[k] = Below(10) == 0;
        for (int k = 1; k <= 3; ++k)
            PairRules[k] = Below(4) ? 0 : Below(3);
    }

    std::mt19937 random_;
    ConstructionSwitches switches_;
};

TEST_F(Construction, RandomSystemsMatchTheRowByRowTestAndTheToldMerge)
{
    int built = 0;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        ResetGlobals();
        RandomSystem system(seed);
        system.Create();
        const SlotOrder order = ComputeSlotOrder();
        const std::vector<int32> oracle =
            RowByRowOracle(PrepareRowConditions(system.Switches(), CurrentStartNrGroupSettings()), order);

        const ConstructionResult counted = Count(system.Switches());
        ASSERT_EQ(counted.rowsAccepted, static_cast<int32>(oracle.size())) << "seed " << seed;
        ASSERT_EQ(PackedRowsNow(), oracle) << "seed " << seed;

        const ConstructionResult result = Build(system.Switches());
        if (oracle.empty()) {
            EXPECT_EQ(result.outcome, ConstructionOutcome::RowsCounted);
            continue;
        }
        ASSERT_EQ(result.outcome, ConstructionOutcome::SystemBuilt) << "seed " << seed;
        ++built;
        EXPECT_EQ(StoredCoupons(), ReferenceCoupons(oracle, order)) << "seed " << seed;
        EXPECT_EQ(ExpandCoupons(order), oracle) << "seed " << seed;
        for (int32 k = 1; k <= CouponCount; ++k)
            EXPECT_EQ(RowStore[7][k], 1);
    }
    EXPECT_GT(built, 80);
}

}  // namespace
