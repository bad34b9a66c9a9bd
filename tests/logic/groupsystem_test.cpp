#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "conditions/abcdlist.h"
#include "conditions/groupsystem.h"
#include "marks/marking.h"
#include "model/patterns.h"
#include "model/variabl.h"
#include "support/marks.h"

namespace {

using Groups = std::array<int, RaceSlots + 1>;  // group 1-4 per race slot 1-7
using RaceCodes = std::array<int, RaceSlots + 1>;

Groups PatternGroups(int pattern)
{
    Groups g{};
    for (int r = 1; r <= RaceSlots; ++r)
        g[r] = AbcdPatternPlanes[r][pattern];
    return g;
}

// Lets the ABCD group conditions allow only the patterns that `allowed` accepts.
void AllowOnly(const std::function<bool(const Groups&)>& allowed)
{
    for (int p = 1; p <= PatternCount; ++p)
        AbcdPatternPlanes[PlaneGroupConditions][p] = allowed(PatternGroups(p)) ? 1 : 0;
    RefreshAbcdListRows();
}

// Groups of races 1-6 as letters, race 7 always A.
std::function<bool(const Groups&)> OneOf(const std::vector<std::string>& patterns)
{
    return [patterns](const Groups& g) {
        for (const std::string& s : patterns) {
            bool same = g[7] == 1;
            for (int r = 1; r <= 6; ++r)
                same = same && g[r] == s[r - 1] - 'A' + 1;
            if (same)
                return true;
        }
        return false;
    };
}

RaceCodes CouponCodes(int coupon)
{
    RaceCodes codes{};
    for (int r = 1; r <= RaceSlots; ++r)
        codes[r] = CouponGroupCodes[r][coupon];
    return codes;
}

bool PatternAllowed(int pattern)
{
    for (int plane : {PlaneHasRows, PlaneWinnerCounts, PlaneCompositionList, PlaneGroupConditions})
        if (AbcdPatternPlanes[plane][pattern] != 1)
            return false;
    return true;
}

bool CodeHoldsGroup(int code, int group)
{
    static constexpr int Masks[16] = {0, 1, 2, 4, 8, 3, 5, 9, 6, 10, 12, 7, 11, 13, 14, 15};
    return code >= 1 && code <= 15 && (Masks[code] & (1 << (group - 1))) != 0;
}

using Row = std::array<int, RaceSlots + 1>;                      // start number per race slot
using RaceHorses = std::array<std::vector<int>, RaceSlots + 1>;  // start numbers per race slot

// Calls visit for every row that combines one horse per race slot from horses[r].
void ForEachRow(const RaceHorses& horses, const std::function<void(const Row&)>& visit)
{
    Row row{};
    std::function<void(int)> walk = [&](int r) {
        if (r > RaceSlots) {
            visit(row);
            return;
        }
        for (int h : horses[r]) {
            row[r] = h;
            walk(r + 1);
        }
    };
    walk(1);
}

int RowPattern(const Row& row)
{
    int groups[8] = {};
    for (int r = 1; r <= RaceSlots; ++r)
        groups[r] = HorseGroups[r][0][row[r]];
    return PatternNumber(groups);
}

// Checks the built coupons against the rows of the allowed patterns, row by row.
void ExpectCouponsCoverTheSystemExactly()
{
    std::map<Row, int> covered;
    std::int64_t couponRows = 0;
    for (int k = 1; k <= CouponCount; ++k) {
        RaceHorses horses;
        for (int r = 1; r <= RaceSlots; ++r)
            for (int h = 1; h <= StartNumbers; ++h)
                if (HorseGroups[r][0][h] > 0 && CodeHoldsGroup(CouponGroupCodes[r][k], HorseGroups[r][0][h]))
                    horses[r].push_back(h);
        int rows = 0;
        ForEachRow(horses, [&](const Row& row) {
            ++covered[row];
            ++rows;
        });
        EXPECT_EQ(CouponRowCounts[k], rows) << "coupon " << k;
        EXPECT_EQ(CouponGroupCodes[0][k], 1);
        if (k > 1) {
            EXPECT_GE(CouponRowCounts[k - 1], CouponRowCounts[k]);
        }
        couponRows += CouponRowCounts[k];
    }

    RaceHorses marked;
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            if (HorseGroups[r][0][h] > 0)
                marked[r].push_back(h);
    int systemRows = 0;
    THorseTable<int32> perHorse{};
    ForEachRow(marked, [&](const Row& row) {
        const bool allowed = PatternAllowed(RowPattern(row));
        const auto it = covered.find(row);
        EXPECT_EQ(it == covered.end() ? 0 : it->second, allowed ? 1 : 0);
        if (!allowed)
            return;
        ++systemRows;
        for (int r = 1; r <= RaceSlots; ++r)
            ++perHorse[HorseIndex(r, row[r])];
    });
    EXPECT_EQ(static_cast<int>(covered.size()), systemRows);
    EXPECT_EQ(couponRows, systemRows);
    for (int i = 1; i <= HorseCount; ++i)
        EXPECT_EQ(RowsPerHorseUnreduced[i], perHorse[i]) << "horse index " << i;
}

// True when two coupons differ in exactly one race slot, where their group sets are disjoint.
bool Mergeable(int a, int b)
{
    int differing = 0;
    bool disjoint = true;
    for (int r = 1; r <= RaceSlots; ++r) {
        const int x = CouponGroupCodes[r][a];
        const int y = CouponGroupCodes[r][b];
        if (x != y) {
            ++differing;
            disjoint = UnionGroupSetCode(x, y) != 0;
        }
    }
    return differing == 1 && disjoint;
}

// The builder's coupons exactly as told, with group sets as letters: race order, initial
// order by the odometer reading, passes 7..1 and 0 comparing every coupon with every later
// one, back to race slots, and the exchange sort by rows.
std::vector<std::pair<RaceCodes, int32>> ReferenceGroupCoupons()
{
    static const char* const Sets[16] = {"",   "A",  "B",  "C",   "D",   "AB",  "AC",  "AD",
                                         "BC", "BD", "CD", "ABC", "ABD", "ACD", "BCD", "ABCD"};
    auto codeOf = [](const std::string& set) {
        for (int code = 1; code <= 15; ++code)
            if (set == Sets[code])
                return code;
        return 0;
    };
    auto unite = [&](int a, int b) {
        std::string set;
        for (char g : std::string("ABCD"))
            if (std::string(Sets[a]).find(g) != std::string::npos ||
                std::string(Sets[b]).find(g) != std::string::npos)
                set += g;
        return codeOf(set);
    };

    std::array<int, RaceSlots + 1> groups{}, order{};
    std::array<bool, RaceSlots + 1> taken{};
    for (int r = 1; r <= RaceSlots; ++r)
        for (int g = 1; g <= 4; ++g)
            groups[r] += HorseGroups[r][g][0] > 0;
    for (int m = 1; m <= RaceSlots; ++m) {
        int best = 0;
        for (int r = 1; r <= RaceSlots; ++r)
            if (!taken[r] && (best == 0 || groups[r] < groups[best]))
                best = r;
        order[m] = best;
        taken[best] = true;
    }

    std::vector<std::pair<int, RaceCodes>> initial;  // reading, codes by position
    for (int p = 1; p <= PatternCount; ++p) {
        if (!PatternAllowed(p))
            continue;
        RaceCodes codes{};
        int reading = 0;
        for (int m = 1; m <= RaceSlots; ++m) {
            codes[m] = AbcdPatternPlanes[order[m]][p];
            reading = reading * 4 + codes[m] - 1;
        }
        initial.emplace_back(reading, codes);
    }
    std::sort(initial.begin(), initial.end());
    std::vector<RaceCodes> coupons;
    for (const auto& [reading, codes] : initial)
        coupons.push_back(codes);

    for (int p = 7;; p = p > 0 ? p - 1 : 0) {
        std::vector<bool> exists(coupons.size(), true);
        bool merged = false;
        for (std::size_t q = 0; q + 1 < coupons.size(); ++q)
            for (std::size_t l = q + 1; l < coupons.size(); ++l) {
                if (!exists[q] || !exists[l])
                    continue;
                int differing = 0, d = 0;
                for (int m = 1; m <= RaceSlots; ++m)
                    if (coupons[q][m] != coupons[l][m]) {
                        ++differing;
                        d = m;
                    }
                if (differing == 1 && (d == p || p == 0)) {
                    coupons[q][d] = unite(coupons[q][d], coupons[l][d]);
                    exists[l] = false;
                    merged = true;
                }
            }
        std::vector<RaceCodes> left;
        for (std::size_t k = 0; k < coupons.size(); ++k)
            if (exists[k])
                left.push_back(coupons[k]);
        coupons = left;
        if (p == 0 && !merged)
            break;
    }

    std::vector<std::pair<RaceCodes, int32>> result;
    for (const RaceCodes& byPosition : coupons) {
        RaceCodes codes{};
        int32 rows = 1;
        for (int m = 1; m <= RaceSlots; ++m) {
            codes[order[m]] = byPosition[m];
            int width = 0;
            for (char g : std::string(Sets[byPosition[m]]))
                width += HorseGroups[order[m]][g - 'A' + 1][0];
            rows *= width;
        }
        result.emplace_back(codes, rows);
    }
    for (std::size_t i = 0; i + 1 < result.size(); ++i)
        for (std::size_t j = i + 1; j < result.size(); ++j)
            if (result[j].second > result[i].second)
                std::swap(result[i], result[j]);
    return result;
}

}  // namespace

TEST(GroupSystemUnion, UnionCodes)
{
    EXPECT_EQ(UnionGroupSetCode(1, 8), 11);   // A with BC
    EXPECT_EQ(UnionGroupSetCode(7, 8), 15);   // AD with BC
    EXPECT_EQ(UnionGroupSetCode(11, 4), 15);  // ABC with D
    EXPECT_EQ(UnionGroupSetCode(2, 3), 8);    // B with C
    EXPECT_EQ(UnionGroupSetCode(5, 6), 0);    // AB and AC share A
    EXPECT_EQ(UnionGroupSetCode(0, 1), 0);
    EXPECT_EQ(UnionGroupSetCode(1, 16), 0);
    int defined = 0;
    for (int a = 1; a <= 15; ++a)
        for (int b = 1; b <= 15; ++b)
            if (const int u = UnionGroupSetCode(a, b); u != 0) {
                ++defined;
                EXPECT_EQ(u, UnionGroupSetCode(b, a));
            }
    EXPECT_EQ(defined, 50);
}

TEST(GroupSystemRaceOrder, AscendingByGroupsLowerSlotFirst)
{
    const std::array<int, 8> order = GroupSystemRaceOrder({0, 2, 3, 1, 4, 2, 2, 1});
    EXPECT_EQ(order, (std::array<int, 8>{0, 3, 7, 1, 5, 6, 2, 4}));
}

TEST(GroupSystemBuilder, EverythingAllowedGivesOneCoupon)
{
    MarkRaces({"AB", "ABC", "A", "ABDC", "AAB", "B.D"});
    std::vector<int32> progress;
    const GroupSystemResult result = SplitGroupSystemIntoCoupons([&](int32 n) { progress.push_back(n); });

    ASSERT_EQ(CouponCount, 1);
    EXPECT_EQ(CouponCodes(1), (RaceCodes{0, 5, 11, 1, 15, 5, 9, 1}));
    EXPECT_EQ(CouponRowCounts[1], UnreducedRowCount);
    EXPECT_EQ(UnreducedRowCount, 144);
    // Passes 7..1 merge races 4, 2, 6, 5, 1, 7, 3 (by group count), then pass 0.
    EXPECT_EQ(progress, (std::vector<int32>{96, 24, 8, 4, 2, 1, 1, 1}));

    EXPECT_TRUE(result.couponsExist);
    EXPECT_TRUE(result.alarmMessage.isEmpty());
    EXPECT_EQ(result.couponCount, 1);
    EXPECT_EQ(result.rows, "144");
    EXPECT_EQ(RowsKept, 144);
    EXPECT_EQ(RowsConstructed, 144);
    EXPECT_EQ(PriceRows, 144);
    EXPECT_EQ(CouponsBuilt, 1);
    EXPECT_EQ(SingleRowsBuilt, 0);
    EXPECT_EQ(result.price.rows, "144");
    EXPECT_EQ(result.price.fees, "5");
    EXPECT_EQ(result.price.total, "149");
    EXPECT_EQ(KeptCouponCount, 1);
    EXPECT_EQ(KeptCoupons[1], 1);
    EXPECT_EQ(CouponKept[1], 1);
    EXPECT_EQ(result.reductionWindow.rowsBefore, "144");
    EXPECT_EQ(result.reductionWindow.rowsAfter, "144");
    EXPECT_EQ(result.reductionWindow.couponsBefore, "1");
    EXPECT_EQ(result.reductionWindow.couponsAfter, "1");
    EXPECT_EQ(result.reductionWindow.percent, "0 %");
    ExpectCouponsCoverTheSystemExactly();
}

TEST(GroupSystemBuilder, PlaneZeroMarksTheSystemPatterns)
{
    MarkRaces({"AB", "A", "A", "A", "A", "A"});
    AllowOnly(OneOf({"AAAAAA"}));
    SplitGroupSystemIntoCoupons();
    for (int p = 1; p <= PatternCount; ++p)
        ASSERT_EQ(AbcdPatternPlanes[PlaneTakesPart][p], PatternAllowed(p) ? 1 : 0) << p;
}

TEST(GroupSystemBuilder, SingleAndUnmergeablePatterns)
{
    const struct {
        std::vector<std::string> allowed;
        std::vector<RaceCodes> coupons;
    } cases[] = {
        {{"BCAAAD"}, {{0, 2, 3, 1, 1, 1, 4, 1}}},
        {{"AAAAAA", "BBAAAA"}, {{0, 2, 2, 1, 1, 1, 1, 1}, {0, 1, 1, 1, 1, 1, 1, 1}}},
    };
    for (const auto& c : cases) {
        MarkRaces({"AB", "ABBC", "A", "A", "A", "AD"});
        AllowOnly(OneOf(c.allowed));
        const GroupSystemResult result = SplitGroupSystemIntoCoupons();
        ASSERT_EQ(CouponCount, static_cast<int32>(c.coupons.size()));
        for (int k = 1; k <= CouponCount; ++k)
            EXPECT_EQ(CouponCodes(k), c.coupons[k - 1]) << "coupon " << k;
        EXPECT_EQ(result.rows, QString::number(RowsAfterGroupConditions));
        ExpectCouponsCoverTheSystemExactly();
    }
}

// The race with the most groups is merged first; on equal counts the higher race slot.
TEST(GroupSystemBuilder, PassOrderFollowsTheRaceOrder)
{
    const struct {
        std::string race1, race2;
        std::vector<std::string> allowed;
        std::vector<RaceCodes> coupons;
    } cases[] = {
        // Equal group counts: race 2 is merged first.
        {"AB", "AB", {"AAAAAA", "ABAAAA", "BAAAAA"}, {{0, 1, 5, 1, 1, 1, 1, 1}, {0, 2, 1, 1, 1, 1, 1, 1}}},
        // Race 1 has more groups and is merged first.
        {"ABC", "AB", {"AAAAAA", "ABAAAA", "BAAAAA"}, {{0, 5, 1, 1, 1, 1, 1, 1}, {0, 1, 2, 1, 1, 1, 1, 1}}},
        // Race 2 is merged before race 1, although the first coupon could join the second
        // through race 1.
        {"AB", "ABC", {"AAAAAA", "BAAAAA", "BBAAAA"}, {{0, 2, 5, 1, 1, 1, 1, 1}, {0, 1, 1, 1, 1, 1, 1, 1}}},
    };
    for (const auto& c : cases) {
        MarkRaces({c.race1, c.race2, "A", "A", "A", "A"});
        AllowOnly(OneOf(c.allowed));
        SplitGroupSystemIntoCoupons();
        ASSERT_EQ(CouponCount, 2);
        EXPECT_EQ(CouponCodes(1), c.coupons[0]);
        EXPECT_EQ(CouponCodes(2), c.coupons[1]);
    }
}

// Four coupons of 1, 2, 2 and 3 rows, built in the order a, c, b, d, end as d, b, c, a.
TEST(GroupSystemBuilder, ExchangeSortOrder)
{
    MarkRaces({"ABBCCC", "ABC", "ABBC", "A", "A", "A"});
    AllowOnly(OneOf({"AAAAAA", "BBAAAA", "ABBAAA", "CCCAAA"}));
    SplitGroupSystemIntoCoupons();
    ASSERT_EQ(CouponCount, 4);
    const RaceCodes expected[] = {
        {0, 3, 3, 3, 1, 1, 1, 1},
        {0, 2, 2, 1, 1, 1, 1, 1},
        {0, 1, 2, 2, 1, 1, 1, 1},
        {0, 1, 1, 1, 1, 1, 1, 1},
    };
    const int32 rows[] = {3, 2, 2, 1};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(CouponCodes(k), expected[k - 1]) << "coupon " << k;
        EXPECT_EQ(CouponRowCounts[k], rows[k - 1]);
    }
    EXPECT_EQ(RowsKept, 8);
    EXPECT_EQ(CouponFeeTotal, 8.0);
    EXPECT_EQ(TotalPrice, 16.0);
}

TEST(GroupSystemBuilder, LoadedKeepFlagsSurviveTheRebuild)
{
    MarkRaces({"ABBCCC", "ABC", "ABBC", "A", "A", "A"});
    AllowOnly(OneOf({"AAAAAA", "BBAAAA", "ABBAAA", "CCCAAA"}));
    SplitGroupSystemIntoCoupons();
    CouponKept[2] = 0;
    CouponKept[4] = 0;
    CouponKept[5] = 1;
    KeepLoadedCouponSelection = 1;

    SplitGroupSystemIntoCoupons();
    EXPECT_EQ(KeepLoadedCouponSelection, 0);
    const flag kept[] = {1, 0, 1, 0};
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(CouponKept[k], kept[k - 1]);
    for (int k = 5; k <= MaxCoupons; ++k)
        ASSERT_EQ(CouponKept[k], 0) << k;

    const KeptCouponTotals totals = RecomputeCouponSelection();
    EXPECT_EQ(KeptCouponCount, 2);
    EXPECT_EQ(KeptCoupons[1], 1);
    EXPECT_EQ(KeptCoupons[2], 3);
    EXPECT_EQ(RowsKept, 5);
    EXPECT_EQ(totals.reduction, "38 %");  // 100 - 62.5, half to even
    EXPECT_EQ(totals.price.total, "9");
}

TEST(GroupSystemBuilder, NoSystemPatternBuildsNoCoupon)
{
    MarkRaces({"AB", "A", "A", "A", "A", "AB"});
    SplitGroupSystemIntoCoupons();
    ASSERT_EQ(CouponCount, 1);
    const int32 percentBefore = UnreducedPercent[HorseIndex(1, 1)];

    for (int p = 1; p <= PatternCount; ++p)
        AbcdPatternPlanes[PlaneCompositionList][p] = 0;
    RefreshAbcdListRows();
    RowsKept = 0;
    std::vector<int32> progress;
    const GroupSystemResult result = SplitGroupSystemIntoCoupons([&](int32 n) { progress.push_back(n); });

    EXPECT_EQ(progress, std::vector<int32>(8, 0));
    EXPECT_EQ(CouponCount, 0);
    EXPECT_EQ(KeptCouponCount, 0);
    EXPECT_EQ(result.couponCount, 0);
    EXPECT_FALSE(result.couponsExist);
    EXPECT_EQ(CouponsBuilt, 1);  // left as the earlier build set it
    EXPECT_EQ(UnreducedPercent[HorseIndex(1, 1)], percentBefore);
    EXPECT_EQ(CouponGroupCodes[0][1], 0);
    for (int k = 1; k <= MaxCoupons; ++k) {
        ASSERT_EQ(CouponKept[k], 0);
        ASSERT_EQ(KeptCoupons[k], 0);
    }
    for (int i = 1; i <= HorseCount; ++i)
        EXPECT_EQ(RowsPerHorseUnreduced[i], 0);
    EXPECT_EQ(result.price.fees, "0");
    EXPECT_EQ(result.price.total, "0");
    EXPECT_EQ(result.reductionWindow.couponsAfter, "0");
    EXPECT_EQ(result.reductionWindow.percent, "0 %");
}

TEST(GroupSystemBuilder, UnreducedPercentRoundsHalfToEven)
{
    MarkRaces({"AAAAAAAA", "AB", "A", "A", "A", "A"});
    SplitGroupSystemIntoCoupons();
    EXPECT_EQ(UnreducedPercentValid, 1);
    for (int h = 1; h <= 8; ++h) {
        EXPECT_EQ(RowsPerHorseUnreduced[HorseIndex(1, h)], 2);
        EXPECT_EQ(UnreducedPercent[HorseIndex(1, h)], 12);  // 12.5
    }
    EXPECT_EQ(UnreducedPercent[HorseIndex(1, 9)], 0);
    EXPECT_EQ(UnreducedPercent[HorseIndex(2, 1)], 50);
    EXPECT_EQ(UnreducedPercent[HorseIndex(7, 1)], 100);
}

// Random marks and random group conditions: the coupons hold exactly the system's rows,
// each once, and no two coupons are left that one more merge could join.
TEST(GroupSystemBuilder, RandomMarksCoverTheAllowedRowsOnce)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 40; ++round) {
        std::array<std::string, 6> races;
        for (std::string& race : races) {
            const int horses = 1 + static_cast<int>(random() % 4);
            for (int h = 0; h < horses; ++h)
                race += static_cast<char>('A' + random() % 4);
        }
        MarkRaces(races);
        const unsigned keepOneIn = 1 + random() % 4;
        AllowOnly([&](const Groups&) { return random() % 5 >= keepOneIn - 1; });
        const GroupSystemResult result = SplitGroupSystemIntoCoupons();
        std::string marks;
        for (const std::string& race : races)
            marks += race + " ";
        SCOPED_TRACE(marks);
        EXPECT_TRUE(result.alarmMessage.isEmpty());
        ExpectCouponsCoverTheSystemExactly();
        for (int a = 1; a <= CouponCount; ++a)
            for (int b = a + 1; b <= CouponCount; ++b)
                ASSERT_FALSE(Mergeable(a, b)) << a << " " << b;
        if (CouponCount > 0) {
            EXPECT_EQ(RowsKept, RowsAfterGroupConditions);
        }
    }
}

// Random marks and random group conditions: the coupons, their numbers and their rows are
// those of the builder as told.
TEST(GroupSystemBuilder, RandomMarksGiveTheToldCouponsInTheToldOrder)
{
    std::mt19937 random(77);
    for (int round = 0; round < 60; ++round) {
        std::array<std::string, 6> races;
        for (std::string& race : races) {
            const int horses = 1 + static_cast<int>(random() % 5);
            for (int h = 0; h < horses; ++h)
                race += static_cast<char>('A' + random() % 4);
        }
        MarkRaces(races);
        const unsigned keep = 1 + random() % 3;
        AllowOnly([&](const Groups&) { return random() % 4 < keep; });
        SplitGroupSystemIntoCoupons();
        const auto expected = ReferenceGroupCoupons();
        ASSERT_EQ(CouponCount, static_cast<int32>(expected.size())) << "round " << round;
        for (int k = 1; k <= CouponCount; ++k) {
            EXPECT_EQ(CouponCodes(k), expected[k - 1].first) << "round " << round << " coupon " << k;
            EXPECT_EQ(CouponRowCounts[k], expected[k - 1].second) << "round " << round << " coupon " << k;
        }
    }
}
