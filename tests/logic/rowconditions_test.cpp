#include <gtest/gtest.h>

#include "conditions/pointsconditions.h"
#include "conditions/rowconditions.h"
#include "conditions/startnrconditions.h"
#include "model/variabl.h"

namespace {

// Races 1-6 as given, the dummy's 1 in slot 7.
RowNumbers Row(std::array<int, 6> races)
{
    RowNumbers row{};
    for (int r = 1; r <= 6; ++r)
        row[r] = races[r - 1];
    row[7] = 1;
    return row;
}

// Marks start numbers 1..n of races 1-6 in group A (only what the preparation reads).
void MarkFirstHorses(int n)
{
    for (int r = 1; r <= 6; ++r)
        for (int h = 1; h <= n; ++h)
            HorseGroups[r][0][h] = 1;
}

// A start-number condition c, used and active, with marks (slot, start number) and
// forbidden counts.
void SetStartNrCondition(int c, std::initializer_list<std::pair<int, int>> marks,
                         std::initializer_list<int> forbidden)
{
    for (auto [r, h] : marks)
        StartNrCondMarks[r][h][c] = 1;
    for (int k : forbidden)
        StartNrCondForbiddenCounts[k][c] = 1;
    StartNrCondUsed[c] = 1;
    StartNrCondActive[c] = 1;
}

ConstructionSwitches StartNrOnly()
{
    ConstructionSwitches s;
    s.startNumbers = true;
    return s;
}

// Group g active with these members and limits, in the tables; the settings as the
// construction takes them.
StartNrGroupSettings Groups(int g, std::initializer_list<int> members, byte low, byte high)
{
    ConditionGroupActive[g] = 1;
    for (int c : members)
        ConditionGroupMembers[g][c] = 1;
    ConditionGroupLimits[2 * g - 1] = low;
    ConditionGroupLimits[2 * g] = high;
    return CurrentStartNrGroupSettings();
}

class RowConditions : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
};

TEST_F(RowConditions, GroupLimitTextFollowsTheEditsRule)
{
    struct Case {
        const char* text;
        int expected;
    } cases[] = {{"2", 2}, {"07", 7}, {"150", 100}, {"-3", 0}, {"", 42}, {"a", 42}, {"1a", 42}, {" 5", 5}};
    for (const Case& c : cases)
        EXPECT_EQ(GroupLimitFromText(QString::fromUtf8(c.text), 42), c.expected) << c.text;
}

TEST_F(RowConditions, GroupSettingsComeFromTheTables)
{
    ConditionGroupLimits[3] = 4;
    ConditionGroupMembers[1][7] = 1;  // a member of a group that is not active counts as none
    StartNrGroupSettings settings = CurrentStartNrGroupSettings();
    EXPECT_FALSE(settings.active[1] || settings.active[2] || settings.active[3]);
    EXPECT_FALSE(settings.member[1][7]);
    EXPECT_EQ(settings.low[2], 4);
    EXPECT_EQ(settings.high[3], 100);

    settings = Groups(2, {7}, 1, 2);
    EXPECT_TRUE(settings.active[2]);
    EXPECT_TRUE(settings.member[2][7]);
    EXPECT_EQ(settings.low[2], 1);
    EXPECT_EQ(settings.high[2], 2);
    ConditionGroupActive[2] = 0;
    EXPECT_FALSE(CurrentStartNrGroupSettings().active[2]);
}

TEST_F(RowConditions, StreckPercentagesRoundHalfToEven)
{
    // Race 1 adds up to 104: 13 -> 12.5 -> 12, 39 -> 37.5 -> 38, 1 -> 0.96 -> 1, 51 -> 49.
    const int streck[] = {13, 39, 1, 51, 0};
    for (int h = 1; h <= 5; ++h)
        StreckValues[HorseIndex(1, h)] = streck[h - 1];
    StreckValues[HorseIndex(2, 1)] = 1;  // 1 of 300: 0.33 % gives 0, shown as 1
    StreckValues[HorseIndex(2, 2)] = 299;
    StreckPresent = 1;
    const PreparedRowConditions p = PrepareRowConditions({}, CurrentStartNrGroupSettings());
    EXPECT_EQ(p.streckPercent[1][1], 12);
    EXPECT_EQ(p.streckPercent[1][2], 38);
    EXPECT_EQ(p.streckPercent[1][3], 1);
    EXPECT_EQ(p.streckPercent[1][4], 49);
    EXPECT_EQ(p.streckPercent[1][5], 0);
    EXPECT_EQ(p.streckPercent[2][1], 1);
    EXPECT_EQ(p.streckPercent[3][1], 0);  // a race without streck
    EXPECT_EQ(p.streckPercent[7][1], 1);
}

class PayoutInterval : public RowConditions {
protected:
    // In every race horse 1 has the given percentage and horse 2 the rest of 100.
    void SetPercentages(std::array<int, 6> percent)
    {
        for (int r = 1; r <= 6; ++r) {
            StreckValues[HorseIndex(r, 1)] = percent[r - 1];
            StreckValues[HorseIndex(r, 2)] = 100 - percent[r - 1];
        }
        StreckPresent = 1;
    }
    PreparedRowConditions Prepare(bool payoutSwitch = true)
    {
        ConstructionSwitches s;
        s.payout = payoutSwitch;
        return PrepareRowConditions(s, CurrentStartNrGroupSettings());
    }
};

TEST_F(PayoutInterval, EstimateExactlyAtTheLowerLimitIsKept)
{
    GameType = "v64";
    PayoutMin = 1000;
    SetPercentages({50, 40, 26, 50, 10, 10});
    PreparedRowConditions p = Prepare();
    EXPECT_TRUE(p.payoutLowOn);
    EXPECT_FALSE(p.payoutHighOn);  // 100 000 000 is no upper limit
    EXPECT_EQ(p.boundLow, 260000000.0);
    EXPECT_TRUE(PassesPayoutInterval(p, Row({1, 1, 1, 1, 1, 1})));

    SetPercentages({50, 40, 26, 50, 10, 11});
    p = Prepare();
    EXPECT_FALSE(PassesPayoutInterval(p, Row({1, 1, 1, 1, 1, 1})));
}

TEST_F(PayoutInterval, WhenTheLimitsAreOn)
{
    SetPercentages({50, 50, 50, 50, 50, 50});
    PayoutMin = 100000000;
    PayoutMax = 5000;
    GameType = "v65";
    PreparedRowConditions p = Prepare();
    EXPECT_TRUE(p.payoutLowOn);
    EXPECT_TRUE(p.payoutHighOn);
    EXPECT_EQ(p.boundHigh, 65000000.0);

    EXPECT_FALSE(Prepare(false).payoutTest());
    GameType = "v75";
    EXPECT_FALSE(Prepare().payoutTest());
    GameType = "v64";
    StreckPresent = 0;
    EXPECT_FALSE(Prepare().payoutTest());
}

TEST_F(PayoutInterval, ZeroStreckFailsTheUpperLimitAndPassesTheLowerOne)
{
    SetPercentages({50, 50, 50, 50, 50, 100});  // horse 2 of race 6 has 0
    GameType = "v64";
    PayoutMax = 1000;
    EXPECT_FALSE(PassesPayoutInterval(Prepare(), Row({1, 1, 1, 1, 1, 2})));
    PayoutMax = 100000000;
    PayoutMin = 50000000;
    EXPECT_TRUE(PassesPayoutInterval(Prepare(), Row({1, 1, 1, 1, 1, 2})));
}

TEST_F(RowConditions, ProductBoundsFromMantissaAndExponent)
{
    EXPECT_EQ(ProductBound(99999, 12, 0.0), 9.9999e16);
    EXPECT_EQ(ProductBound(-25, 3, 0.0), -25000.0);
    EXPECT_EQ(ProductBound(7, 6, 0.0), 7.0e6);
    EXPECT_EQ(ProductBound(7, 4, 123.0), 123.0);
    CondProdMaxMantissa[5] = 3;
    CondProdMaxExp[5] = 9;
    CondProdMinExp[6] = 5;
    CondProdMinReal[6] = 17.0;
    ComputeProductBounds();
    EXPECT_EQ(CondProdMaxReal[5], 3.0e9);
    EXPECT_EQ(CondProdMaxReal[1], 1.0e14);
    EXPECT_EQ(CondProdMinReal[1], 1.0);
    EXPECT_EQ(CondProdMinReal[6], 17.0);
}

TEST_F(RowConditions, SumAndProductTestsIncludeTheirBounds)
{
    struct Case {
        int32 value, min, max, mode;
        bool rejects;
    } cases[] = {
        {40, 20, 40, PointsModeRequire, false},
        {40, 20, 40, PointsModeRemove, true},
        {20, 20, 40, PointsModeRequire, false},
        {19, 20, 40, PointsModeRequire, true},
        {41, 20, 40, PointsModeRemove, false},
        {30, 40, 20, PointsModeRequire, true},
        {30, 40, 20, PointsModeRemove, false},
        {30, 20, 40, 7, false},
        {50, 20, 40, 7, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SumTestRejects(c.value, c.min, c.max, c.mode), c.rejects) << c.value << " " << c.mode;
        EXPECT_EQ(ProductTestRejects(c.value, c.min, c.max, c.mode), c.rejects) << c.value << " " << c.mode;
    }
}

TEST_F(RowConditions, PointsOfTheDummySlotCount)
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            CondPoints[r][h][3] = static_cast<byte>(h);
    const RowNumbers row = Row({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(PointsRowSum(3, row), 22);
    EXPECT_EQ(PointsRowProduct(3, row), 720.0);
    EXPECT_EQ(PointsRowProduct(4, row), 1.0);  // all points 0

    CondSumActive[3] = 1;
    CondSumMin[3] = 22;
    CondSumMax[3] = 22;
    EXPECT_TRUE(RowPassesPointsCondition(3, row));
    EXPECT_FALSE(RowPassesPointsCondition(3, Row({1, 2, 3, 4, 5, 5})));

    ConstructionSwitches s;
    s.points = true;
    PreparedRowConditions p = PrepareRowConditions(s, CurrentStartNrGroupSettings());
    ASSERT_EQ(p.sums.size(), 1u);
    EXPECT_TRUE(PassesPointsConditions(p, row));
    EXPECT_FALSE(PassesPointsConditions(p, Row({2, 2, 3, 4, 5, 6})));
}

TEST_F(RowConditions, DefaultBoundsKeepEveryRow)
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            CondPoints[r][h][1] = 100;
    CondSumActive[1] = CondProdActive[1] = 1;
    ComputeProductBounds();
    EXPECT_TRUE(RowPassesPointsCondition(1, Row({15, 15, 15, 15, 15, 15})));
    CondSumMode[1] = CondProdMode[1] = PointsModeRemove;
    EXPECT_FALSE(RowPassesPointsCondition(1, Row({15, 15, 15, 15, 15, 15})));
}

TEST_F(RowConditions, ProductConditionStoresZeroPointsAsOne)
{
    CondProdActive[2] = 1;
    CondPoints[1][4][2] = 0;
    CondPoints[2][4][2] = 5;
    ConstructionSwitches s;
    s.points = true;
    const PreparedRowConditions p = PrepareRowConditions(s, CurrentStartNrGroupSettings());
    ASSERT_EQ(p.products.size(), 1u);
    EXPECT_EQ(p.products[0].factors[1][4], 1);
    EXPECT_EQ(p.products[0].factors[2][4], 5);
    EXPECT_EQ(p.products[0].max, 1.0e14);
}

TEST_F(RowConditions, StartNrConditionBeyondItsReachTakesNoPart)
{
    MarkFirstHorses(3);
    SetStartNrCondition(1, {{1, 1}, {2, 1}}, {3});  // reaches 2 races, forbids 3: no part
    SetStartNrCondition(2, {{1, 9}, {2, 1}}, {1});  // 9 is not in the system: reach 1
    SetStartNrCondition(3, {{1, 1}}, {0});
    StartNrCondActive[3] = 0;
    const PreparedRowConditions p = PrepareRowConditions(StartNrOnly(), CurrentStartNrGroupSettings());
    ASSERT_EQ(p.startNr.size(), 1u);
    EXPECT_EQ(p.startNr[0].number, 2);

    // As the only member of an active group with limits 1-1 it is never met: every row goes.
    const PreparedRowConditions grouped = PrepareRowConditions(StartNrOnly(), Groups(1, {1}, 1, 1));
    EXPECT_FALSE(PassesStartNrConditions(grouped, Row({1, 1, 1, 1, 1, 1})));
    EXPECT_FALSE(PassesStartNrConditions(grouped, Row({2, 3, 2, 3, 2, 3})));
}

TEST_F(RowConditions, MemberOfAnInactiveGroupIsTestedAlone)
{
    MarkFirstHorses(3);
    SetStartNrCondition(4, {{1, 1}}, {0});  // a 1 in race 1 is required
    Groups(2, {4}, 0, 100);
    ConditionGroupActive[2] = 0;
    const PreparedRowConditions p = PrepareRowConditions(StartNrOnly(), CurrentStartNrGroupSettings());
    ASSERT_EQ(p.startNr.size(), 1u);
    EXPECT_EQ(p.startNr[0].groups, 0);
    EXPECT_FALSE(PassesStartNrConditions(p, Row({2, 1, 1, 1, 1, 1})));
    EXPECT_TRUE(PassesStartNrConditions(p, Row({1, 2, 2, 2, 2, 2})));
}

TEST_F(RowConditions, GroupRejectsOnlyOutsideItsLimits)
{
    // Three conditions, each met by a 1 in its own race; group 1 asks for 2 to 3 of them.
    MarkFirstHorses(3);
    for (int c = 1; c <= 3; ++c)
        SetStartNrCondition(c, {{c, 1}}, {0});
    const PreparedRowConditions p = PrepareRowConditions(StartNrOnly(), Groups(1, {1, 2, 3}, 2, 3));
    EXPECT_FALSE(PassesStartNrConditions(p, Row({2, 2, 2, 2, 2, 2})));  // none met
    EXPECT_FALSE(PassesStartNrConditions(p, Row({1, 2, 2, 2, 2, 2})));  // one met
    EXPECT_TRUE(PassesStartNrConditions(p, Row({1, 1, 2, 2, 2, 2})));   // two met
    EXPECT_TRUE(PassesStartNrConditions(p, Row({1, 1, 1, 2, 2, 2})));   // all three met
}

TEST_F(RowConditions, GroupLimitsAreTheStoredOnes)
{
    MarkFirstHorses(2);
    SetStartNrCondition(1, {{1, 1}}, {0});
    const PreparedRowConditions p = PrepareRowConditions(StartNrOnly(), Groups(1, {1}, 1, 100));
    EXPECT_EQ(p.groupLow[1], 1);
    EXPECT_EQ(p.groupHigh[1], 100);
    EXPECT_FALSE(PassesStartNrConditions(p, Row({2, 1, 1, 1, 1, 1})));
    EXPECT_TRUE(PassesStartNrConditions(p, Row({1, 1, 1, 1, 1, 1})));
}

TEST_F(RowConditions, ActiveGroupWithoutMembers)
{
    EXPECT_TRUE(PassesStartNrConditions(PrepareRowConditions(StartNrOnly(), Groups(3, {}, 0, 5)),
                                        Row({1, 1, 1, 1, 1, 1})));
    EXPECT_FALSE(PassesStartNrConditions(PrepareRowConditions(StartNrOnly(), Groups(3, {}, 1, 5)),
                                         Row({1, 1, 1, 1, 1, 1})));
    EXPECT_FALSE(PassesStartNrConditions(PrepareRowConditions(StartNrOnly(), Groups(3, {}, 3, 2)),
                                         Row({1, 1, 1, 1, 1, 1})));
}

TEST_F(RowConditions, DummyMarkHitsEveryRow)
{
    MarkFirstHorses(2);
    SetStartNrCondition(5, {{7, 1}}, {1});
    const PreparedRowConditions p = PrepareRowConditions(StartNrOnly(), CurrentStartNrGroupSettings());
    EXPECT_FALSE(PassesStartNrConditions(p, Row({2, 2, 2, 2, 2, 2})));
}

TEST_F(RowConditions, NumberCountsLeaveTheDummyOut)
{
    const NumberCounts counts = CountNumbers(Row({1, 1, 2, 3, 4, 5}));
    EXPECT_EQ(counts[1], 2);
    EXPECT_EQ(counts[2], 1);
    EXPECT_EQ(CountNumbers(Row({2, 3, 4, 5, 6, 7}))[1], 0);
}

struct OtherCase {
    const char* name;
    std::function<void()> set;
    std::array<int, 6> row;
    bool passes;
};

TEST_F(RowConditions, OtherNumberConditions)
{
    const OtherCase cases[] = {
        {"count 0 of 5 forbidden", [] { NrCountForbidden[5][0] = 1; }, {1, 2, 3, 4, 6, 7}, false},
        {"count 0 of 5 forbidden, 5 present", [] { NrCountForbidden[5][0] = 1; }, {1, 2, 3, 4, 5, 7}, true},
        {"count 0 of 1, dummy not counted", [] { NrCountForbidden[1][0] = 1; }, {2, 2, 3, 4, 5, 7}, false},
        {"odd count 4", [] { OddCountForbidden[4] = 1; }, {1, 1, 2, 3, 4, 5}, false},
        {"odd count 0, dummy not odd", [] { OddCountForbidden[0] = 1; }, {2, 4, 6, 8, 10, 12}, false},
        {"at least one repeat", [] { EqualNrRule[1] = 1; }, {1, 2, 3, 4, 5, 6}, false},
        {"repeat thrice kept", [] { EqualNrRule[1] = 1; }, {1, 1, 1, 2, 3, 4}, true},
        {"min 3 equal: twice removed",
         [] {
             EqualNrRule[1] = 1;
             EqualNrRule[2] = 1;
         },
         {1, 1, 2, 2, 3, 4},
         false},
        {"min 3 equal: thrice kept",
         [] {
             EqualNrRule[1] = 1;
             EqualNrRule[2] = 1;
         },
         {1, 1, 1, 2, 3, 4},
         true},
        {"exactly two removed although three too", [] { EqualNrRule[2] = 1; }, {1, 1, 1, 2, 2, 3}, false},
        {"exactly two: thrice kept", [] { EqualNrRule[2] = 1; }, {1, 1, 1, 2, 3, 4}, true},
        {"all equal forbidden",
         [] {
             for (int k = 1; k <= 6; ++k)
                 EqualNrRule[k] = 1;
         },
         {3, 3, 3, 3, 3, 3},
         false},
        {"pairs: Krav 1, none", [] { PairRules[1] = 1; }, {1, 2, 3, 4, 5, 6}, false},
        {"pairs: Krav 1, two", [] { PairRules[1] = 1; }, {1, 1, 2, 2, 3, 4}, true},
        {"pairs: Ta bort 1, one", [] { PairRules[1] = 2; }, {1, 1, 2, 3, 4, 5}, false},
        {"pairs: Ta bort 1, none", [] { PairRules[1] = 2; }, {1, 2, 3, 4, 5, 6}, true},
        {"pairs: Krav 1 and 2, one",
         [] {
             PairRules[1] = 1;
             PairRules[2] = 1;
         },
         {1, 1, 2, 3, 4, 5},
         false},
        {"pairs: Krav 2, Ta bort 3, three",
         [] {
             PairRules[2] = 1;
             PairRules[3] = 2;
         },
         {1, 1, 2, 2, 3, 3},
         false},
        {"pairs: triple is one pair", [] { PairRules[2] = 1; }, {4, 4, 4, 5, 6, 7}, false},
        {"pairs: only the low byte counts", [] { PairRules[1] = 0x101; }, {1, 2, 3, 4, 5, 6}, false},
        {"set Krav 1-3 at least 2",
         [] {
             NrSetCondMarks[1][1] = NrSetCondMarks[2][1] = NrSetCondMarks[3][1] = 1;
             NrSetCondRequire[1] = 1;
             NrSetCondLow[1] = 2;
         },
         {1, 3, 7, 8, 9, 10},
         true},
        {"set Krav 1-3 at least 2, one",
         [] {
             NrSetCondMarks[1][1] = NrSetCondMarks[2][1] = NrSetCondMarks[3][1] = 1;
             NrSetCondRequire[1] = 1;
             NrSetCondLow[1] = 2;
         },
         {1, 4, 7, 8, 9, 10},
         false},
        {"set Ta bort 0-7 takes no part",
         [] {
             NrSetCondMarks[1][4] = 1;
             NrSetCondRemove[4] = 1;
             NrSetCondHigh[4] = 7;
         },
         {1, 2, 3, 4, 5, 6},
         true},
        {"set Krav without numbers takes no part",
         [] {
             NrSetCondRequire[2] = 1;
             NrSetCondLow[2] = 5;
         },
         {1, 2, 3, 4, 5, 6},
         true},
        {"set Ta bort low above high removes nothing",
         [] {
             NrSetCondMarks[1][3] = 1;
             NrSetCondRemove[3] = 1;
             NrSetCondLow[3] = 7;
         },
         {1, 1, 1, 1, 1, 1},
         true},
    };
    ConstructionSwitches s;
    s.otherNumbers = true;
    for (const OtherCase& c : cases) {
        ResetGlobals();
        c.set();
        const PreparedRowConditions p = PrepareRowConditions(s, CurrentStartNrGroupSettings());
        EXPECT_EQ(PassesOtherNumberConditions(p, CountNumbers(Row(c.row))), c.passes) << c.name;
        EXPECT_TRUE(PassesOtherNumberConditions(PrepareRowConditions({}, CurrentStartNrGroupSettings()),
                                                CountNumbers(Row(c.row))))
            << c.name << " with the switch off";
    }
}

}  // namespace
