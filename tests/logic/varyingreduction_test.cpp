#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <set>
#include <vector>

#include "conditions/pointsconditions.h"
#include "conditions/winnercounts.h"
#include "marks/marking.h"
#include "model/patterns.h"
#include "model/variabl.h"
#include "platform/random.h"
#include "reduction/normalise.h"
#include "reduction/percentdisplays.h"
#include "reduction/varyingreduction.h"

namespace {

using Row = std::array<int, RaceSlots + 1>;

void Mark(int race, int startNr, int group = 1)
{
    ClickedMarkCode = MarkCode(group, startNr);
    ASSERT_TRUE(ToggleGroupMark(race));
}

// Start numbers 1..count of races 1-6 marked in group A with one point each.
void MarkHorses(int count)
{
    for (int r = 1; r <= 6; ++r)
        for (int h = 1; h <= count; ++h) {
            Mark(r, h);
            ReductionPoints[HorseIndex(r, h)] = 1;
        }
}

std::vector<Row> StoredRows()
{
    std::vector<Row> rows;
    for (int32 i = 1; i <= SingleRowCount; ++i) {
        Row row{};
        for (int r = 1; r <= RaceSlots; ++r)
            row[r] = RowStore[r][i];
        rows.push_back(row);
    }
    return rows;
}

int SharedRaces(const Row& a, const Row& b)
{
    int shared = 0;
    for (int r = 1; r <= 6; ++r)
        shared += a[r] == b[r];
    return shared;
}

// Stops the run at its first report, when the target cannot be reached.
ReductionProgress StopAtFirstReport()
{
    ReductionProgress progress;
    progress.progress = [](int32) { return false; };
    return progress;
}

// Never stops a run that ends by itself; stops, after some seconds, one that would not end.
ReductionProgress StopAfterManyReports()
{
    ReductionProgress progress;
    progress.progress = [reports = 0](int32) mutable { return ++reports < 200; };
    return progress;
}

ReductionSettings FixedCode(int rowDifference = 1)
{
    ReductionSettings settings;
    settings.fixedCode = true;
    settings.rowDifference = rowDifference;
    return settings;
}

class ReductionTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
};

TEST_F(ReductionTest, NormalisationGivesWholePercentsThatAddUpTo100)
{
    struct Case {
        std::vector<int> points;  // of start numbers 1.. in race 1, all marked
        std::vector<int> chances;
    };
    const std::vector<Case> cases = {
        {{1, 1}, {50, 50}},
        {{1, 1, 1}, {34, 33, 33}},
        {{1, 1, 1, 0}, {33, 33, 33, 1}},
        {{1, 1, 1, 1, 1, 1}, {16, 16, 17, 17, 17, 17}},
        {{1, 1, 1, 1, 1, 1, 1}, {15, 15, 14, 14, 14, 14, 14}},
        {{1, 3, 4}, {12, 38, 50}},
        {{0, 0}, {0, 0}},
    };
    for (const Case& c : cases) {
        ResetGlobals();
        for (int h = 1; h <= static_cast<int>(c.points.size()); ++h) {
            Mark(1, h);
            ReductionPoints[HorseIndex(1, h)] = static_cast<byte>(c.points[h - 1]);
        }
        ReductionPoints[HorseIndex(1, 15)] = 50;  // not marked: ignored
        NormalizeReducePoints();
        for (int h = 1; h <= static_cast<int>(c.chances.size()); ++h)
            EXPECT_EQ(ReductionChance[HorseIndex(1, h)], c.chances[h - 1]) << "horse " << h;
        EXPECT_EQ(ReductionChance[HorseIndex(1, 15)], 0);
    }
}

TEST_F(ReductionTest, GeneratorDrawsTheKnownSequenceFromTheCode)
{
    RandSeed() = 765;
    std::vector<std::uint32_t> draws;
    for (int i = 0; i < 5; ++i)
        draws.push_back(RandomBelow(100));
    EXPECT_EQ(draws, (std::vector<std::uint32_t>{0, 72, 13, 1, 30}));
}

// Race 1's second horse has no points and is never drawn: one of the two rows can be kept, and
// the run ends by itself with it.
TEST_F(ReductionTest, OneDrawableRowIsKeptAndTheRunEndsByItself)
{
    MarkHorses(1);
    Mark(1, 2);
    SingleRowTarget = 2;
    SystemSaved = SingleRowsSaved = 1;
    const ReductionResult result = RunVaryingReduction(FixedCode(), StopAfterManyReports());
    EXPECT_EQ(result.outcome, ReductionOutcome::NoMoreRows);
    EXPECT_EQ(result.message, QStringLiteral("Bara 1 rad klarar begränsningarna och radskillnaden."));
    EXPECT_EQ(result.rows, 1);
    EXPECT_GT(result.candidates, 1);
    EXPECT_EQ(SingleRowCount, 1);
    EXPECT_EQ(SingleRowTarget, 1);
    EXPECT_EQ(SingleRowsBuilt, 1);
    EXPECT_EQ(SystemSaved, 0);  // the new rows are not saved
    EXPECT_EQ(SingleRowsSaved, 0);
    EXPECT_EQ(ResultLabels.Radantal, "1");
    EXPECT_EQ(ResultLabels.Kup, "enkelrader");
    EXPECT_EQ(StoredRows().front(), (Row{0, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(PackedRows[1], 0x1111111);
}

// A target between the rows that the restrictions and the row difference allow and the
// system's rows: the run keeps every row it can and ends by itself, naming them.
TEST_F(ReductionTest, ARunThatCanAddNoMoreRowsEndsByItselfAndKeepsThem)
{
    auto onlyAllowedACounts = [](int fewest) {
        for (int k = 0; k <= 7; ++k)
            WinnerCountAllowed[k][1] = k >= fewest ? 1 : 0;
    };
    struct Case {
        const char* name;
        std::function<void()> prepare;
        int rowDifference;
        int32 target;
        int32 rows;
        QString message;
    };
    const std::vector<Case> cases = {
        {"the winner counts allow the row of A horses and the six with one B",
         [&] {
             MarkHorses(1);
             for (int r = 1; r <= 6; ++r) {
                 Mark(r, 2, 2);
                 ReductionPoints[HorseIndex(r, 2)] = 1;
             }
             onlyAllowedACounts(6);
         },
         1, 10, 7, QStringLiteral("Bara 7 rader klarar begränsningarna och radskillnaden.")},
        {"two rows of 64 differ in five races", [] { MarkHorses(2); }, 5, 3, 2,
         QStringLiteral("Bara 2 rader klarar begränsningarna och radskillnaden.")},
        {"no row passes",
         [&] {
             MarkHorses(2);
             onlyAllowedACounts(8);
         },
         1, 5, 0, QStringLiteral("Ingen rad klarar begränsningarna.")},
    };
    for (const Case& c : cases) {
        ResetGlobals();
        c.prepare();
        SingleRowTarget = c.target;
        const ReductionResult result =
            RunVaryingReduction(FixedCode(c.rowDifference), StopAfterManyReports());
        EXPECT_EQ(result.outcome, ReductionOutcome::NoMoreRows) << c.name;
        EXPECT_EQ(result.message, c.message) << c.name;
        EXPECT_EQ(result.rows, c.rows) << c.name;
        EXPECT_EQ(SingleRowCount, c.rows) << c.name;
        EXPECT_EQ(SingleRowTarget, c.rows) << c.name;
        EXPECT_EQ(SingleRowsBuilt, c.rows >= 1 ? 1 : 0) << c.name;
        const std::vector<Row> rows = StoredRows();
        EXPECT_EQ(std::set<Row>(rows.begin(), rows.end()).size(), static_cast<std::size_t>(c.rows)) << c.name;
    }
}

TEST_F(ReductionTest, StoppedBeforeTheFirstRowLeavesNoSystem)
{
    MarkHorses(2);
    for (int k = 0; k <= 7; ++k)
        WinnerCountAllowed[k][1] = 0;  // no row passes
    SingleRowTarget = 5;
    ResultLabels.Radantal = "x";
    ReductionProgress progress;
    progress.started = [] { ReduceAbort = 1; };
    const ReductionResult result = RunVaryingReduction(FixedCode(), progress);
    EXPECT_EQ(result.rows, 0);
    EXPECT_EQ(SingleRowsBuilt, 0);
    EXPECT_EQ(SingleRowTarget, 0);
    EXPECT_EQ(ResultLabels.Radantal, "x");
}

TEST_F(ReductionTest, RowDifferenceFiveLetsTwoRowsShareAtMostOneRace)
{
    MarkHorses(15);
    SingleRowTarget = MaxSingleRows;
    RunVaryingReduction(FixedCode(5), StopAtFirstReport());
    const std::vector<Row> rows = StoredRows();
    ASSERT_GT(rows.size(), 50u);
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = i + 1; j < rows.size(); ++j)
            ASSERT_LE(SharedRaces(rows[i], rows[j]), 1);
}

TEST_F(ReductionTest, TheSameCodeGivesTheSameRowsSortedAndDistinct)
{
    MarkHorses(4);
    SingleRowTarget = 300;
    RunVaryingReduction(FixedCode(2));
    const std::vector<Row> first = StoredRows();
    SingleRowTarget = 300;
    RunVaryingReduction(FixedCode(2));
    EXPECT_EQ(StoredRows(), first);
    EXPECT_EQ(first.size(), 300u);
    for (int32 i = 2; i <= SingleRowCount; ++i)
        ASSERT_LT(PackedRows[i - 1], PackedRows[i]);
    for (const Row& row : first)
        EXPECT_EQ(row[7], 1);
}

TEST_F(ReductionTest, ExtendingKeepsTheOldRowsAndSortsOldAndNewTogether)
{
    MarkHorses(5);
    SingleRowTarget = 50;
    RunVaryingReduction(FixedCode(1));
    const std::vector<Row> old = StoredRows();
    SingleRowTarget = 120;
    ReductionSettings extend = FixedCode(1);
    extend.extend = true;
    EXPECT_EQ(RunVaryingReduction(extend).rows, 120);
    const std::vector<Row> all = StoredRows();
    for (const Row& row : old)
        EXPECT_NE(std::find(all.begin(), all.end(), row), all.end());
    EXPECT_EQ(std::set<Row>(all.begin(), all.end()).size(), 120u);
    for (int32 i = 2; i <= SingleRowCount; ++i)
        ASSERT_LT(PackedRows[i - 1], PackedRows[i]);
}

TEST_F(ReductionTest, RefusedRunsSayWhyAndDrawNothing)
{
    struct Case {
        const char* name;
        std::function<void()> prepare;
        bool extend;
        QString message;
    };
    const std::vector<Case> cases = {
        {"only zero points in races 2 and 5",
         [] {
             for (int h = 1; h <= 3; ++h) {
                 ReductionPoints[HorseIndex(2, h)] = 0;
                 ReductionPoints[HorseIndex(5, h)] = 0;
             }
         },
         false, ZeroPercentMessage(5)},
        {"target 0", [] { SingleRowTarget = 0; }, false, "Radantal?"},
        {"extend to the present count",
         [] {
             SingleRowsBuilt = 1;
             SingleRowCount = 500;
             SingleRowTarget = 500;
         },
         true, "500 rader kan inte utökas till 500."},
        {"extend coupons",
         [] {
             CouponsBuilt = 1;
             SingleRowCount = 40;
             SingleRowTarget = 60;
         },
         true, NoSingleRowsToExtendMessage},
    };
    for (const Case& c : cases) {
        ResetGlobals();
        MarkHorses(3);
        SingleRowTarget = 10;
        c.prepare();
        const int32 countBefore = SingleRowCount;
        ReductionSettings settings = FixedCode();
        settings.extend = c.extend;
        const ReductionResult result = RunVaryingReduction(settings);
        EXPECT_EQ(result.outcome, ReductionOutcome::Refused) << c.name;
        EXPECT_EQ(result.message, c.message) << c.name;
        EXPECT_EQ(result.candidates, 0) << c.name;
        EXPECT_EQ(SingleRowCount, countBefore) << c.name;
    }
}

// A small system with several restrictions ticked: every kept row passes each of them
// (checked here straight from the tables) and keeps the row difference to every other row.
TEST_F(ReductionTest, EveryKeptRowPassesEveryTickedRestriction)
{
    for (int r = 1; r <= 6; ++r) {
        Mark(r, 1, 1);
        Mark(r, 2, 2);
        Mark(r, 3, 3);
        for (int h = 1; h <= 3; ++h)
            ReductionPoints[HorseIndex(r, h)] = static_cast<byte>(h);
    }
    WinnerCountAllowed[4][1] = 0;  // not exactly three A in races 1-6
    CompositionNej[CompositionIndex(1, 6, 0)] = 1;
    OddCountForbidden[6] = 1;
    NrSetCondCount = 1;  // a set further down the list still counts
    NrSetCondRemove[4] = 1;
    NrSetCondLow[4] = 3;
    NrSetCondHigh[4] = 6;
    NrSetCondMarks[2][4] = 1;
    CondActive[1] = 1;
    CondSumActive[1] = 1;
    CondSumMode[1] = 1;
    CondSumMin[1] = 0;
    CondSumMax[1] = 14;
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            CondPoints[r][h][1] = static_cast<byte>(h);
    SingleRowTarget = UnreducedRowCount;
    ReductionSettings settings = FixedCode(2);
    settings.restrictions.otherNumbers = true;
    settings.restrictions.points = true;
    RunVaryingReduction(settings, StopAtFirstReport());

    const std::vector<Row> rows = StoredRows();
    ASSERT_GT(rows.size(), 10u);
    for (const Row& row : rows) {
        int groups[5] = {};
        int odd = 0, twos = 0, sum = 0;
        for (int r = 1; r <= RaceSlots; ++r)
            ++groups[HorseGroups[r][0][row[r]]];
        for (int r = 1; r <= 6; ++r) {
            odd += row[r] % 2;
            twos += row[r] == 2;
            sum += row[r];
        }
        EXPECT_EQ(WinnerCountAllowed[groups[1]][1], 1);
        EXPECT_EQ(CompositionNej[CompositionIndex(groups[1], groups[2], groups[3])], 0);
        EXPECT_NE(odd, 6);
        EXPECT_LT(twos, 3);
        EXPECT_LE(sum, 14);
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = i + 1; j < rows.size(); ++j)
            ASSERT_LE(SharedRaces(rows[i], rows[j]), 4);
}

// Two horses in every race (64 rows): each case excludes some rows, and a run for every
// other row keeps exactly those.
TEST_F(ReductionTest, StartNumberAndPayoutRestrictionsExcludeExactlyTheirRows)
{
    const Row allOnes{0, 1, 1, 1, 1, 1, 1, 1};
    const Row allTwos{0, 2, 2, 2, 2, 2, 2, 1};
    struct Case {
        const char* name;
        std::function<void(ReductionSettings&)> prepare;
        std::vector<Row> excluded;
    };
    // One start-number condition over start number 1 of every race: 6 and 0 hits forbidden.
    const auto forbidSixAndNoHits = [](ReductionSettings& s) {
        s.restrictions.startNumbers = true;
        StartNrCondActive[1] = 1;
        for (int r = 1; r <= 6; ++r)
            StartNrCondMarks[r][1][1] = 1;
        for (int k = 0; k <= 6; ++k)
            StartNrCondUnreachableCounts[k][1] = 0;
        StartNrCondForbiddenCounts[6][1] = StartNrCondForbiddenCounts[0][1] = 1;
    };
    const std::vector<Case> cases = {
        {"start numbers: 6 and 0 hits forbidden", forbidSixAndNoHits, {allOnes, allTwos}},
        {"start numbers: an unreachable count rejects nothing",
         [&](ReductionSettings& s) {
             forbidSixAndNoHits(s);
             StartNrCondUnreachableCounts[0][1] = 1;
         },
         {allOnes}},
        {"payout minimum of 1 kr",
         [](ReductionSettings& s) {
             s.payoutSwitch = true;
             PayoutMin = 1;
         },
         {allOnes}},
        {"payout switch off", [](ReductionSettings&) { PayoutMin = 1; }, {}},
    };
    for (const Case& c : cases) {
        ResetGlobals();
        MarkHorses(2);
        for (int r = 1; r <= 6; ++r) {
            StreckValues[HorseIndex(r, 1)] = 90;
            StreckValues[HorseIndex(r, 2)] = 10;
        }
        StreckPresent = 1;
        ReductionSettings settings = FixedCode();
        c.prepare(settings);
        SingleRowTarget = 64 - static_cast<int32>(c.excluded.size());
        EXPECT_EQ(RunVaryingReduction(settings).rows, SingleRowTarget) << c.name;
        const std::vector<Row> rows = StoredRows();
        for (const Row& row : c.excluded)
            EXPECT_EQ(std::find(rows.begin(), rows.end(), row), rows.end()) << c.name;
    }
}

// Where the reduction differs from the construction on purpose: the dummy race adds nothing to
// a points sum, and a horse with 0 % streck counts as 1 in the payout product (the construction
// counts it as 0). In each case every one of the 64 rows passes only because of that.
TEST_F(ReductionTest, DummyRaceAddsNoPointsAndZeroStreckCountsAsOne)
{
    struct Case {
        const char* name;
        std::function<void(ReductionSettings&)> prepare;
    };
    const std::vector<Case> cases = {
        {"the dummy race is left out of the points sum",
         [](ReductionSettings& s) {
             s.restrictions.points = true;
             CondActive[1] = CondSumActive[1] = 1;
             CondSumMode[1] = PointsModeRequire;
             CondSumMin[1] = 6;
             CondSumMax[1] = 12;
             for (int r = 1; r <= 6; ++r)
                 for (int h = 1; h <= 2; ++h)
                     CondPoints[r][h][1] = static_cast<byte>(h);
             CondPoints[RaceSlots][1][1] = 50;
         }},
        {"a horse with 0 % streck counts as 1",
         [](ReductionSettings& s) {
             s.payoutSwitch = true;
             PayoutMax = 99999999;  // rejects a product below 2 600 (V64)
             for (int r = 1; r <= 6; ++r) {
                 StreckValues[HorseIndex(r, 1)] = 90;
                 StreckValues[HorseIndex(r, 2)] = r == 1 ? 0 : 10;
             }
             StreckPresent = 1;
         }},
    };
    for (const Case& c : cases) {
        ResetGlobals();
        MarkHorses(2);
        ReductionSettings settings = FixedCode();
        c.prepare(settings);
        SingleRowTarget = 64;
        EXPECT_EQ(RunVaryingReduction(settings, StopAtFirstReport()).rows, 64) << c.name;
    }
}

// "Med rättningskod" seeds the generator from the code, a negative code as its two's complement.
TEST_F(ReductionTest, ANegativeCodeSeedsTheRunWithItsTwosComplement)
{
    MarkHorses(6);
    RandomCode = -7;
    SingleRowTarget = 40;
    RunVaryingReduction(FixedCode());
    const std::vector<Row> fromCode = StoredRows();
    RandSeed() = 4294967289u;
    SingleRowTarget = 40;
    RunVaryingReduction(ReductionSettings{});
    EXPECT_EQ(StoredRows(), fromCode);
    RandomCode = 7;
    SingleRowTarget = 40;
    RunVaryingReduction(FixedCode());
    EXPECT_NE(StoredRows(), fromCode);
}

TEST_F(ReductionTest, AWholeRangeRemoveSetDoesNotStopEveryRow)
{
    MarkHorses(3);
    NrSetCondCount = 1;
    NrSetCondRemove[1] = 1;
    NrSetCondLow[1] = 0;
    NrSetCondHigh[1] = 7;
    NrSetCondMarks[1][1] = 1;
    SingleRowTarget = 20;
    ReductionSettings settings = FixedCode();
    settings.restrictions.otherNumbers = true;
    EXPECT_EQ(RunVaryingReduction(settings, StopAtFirstReport()).rows, 20);
}

TEST_F(ReductionTest, IndexFindsExactlyTheRowsThatShareTooManyRaces)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> number(1, 4);
    for (int difference = 1; difference <= 5; ++difference) {
        RowDifferenceIndex index(difference);
        std::vector<Row> kept;
        for (int i = 0; i < 400; ++i) {
            Row row{0, 0, 0, 0, 0, 0, 0, 1};
            for (int r = 1; r <= 6; ++r)
                row[r] = number(random);
            const bool tooClose = std::any_of(
                kept.begin(), kept.end(), [&](const Row& k) { return SharedRaces(k, row) > 6 - difference; });
            ASSERT_EQ(index.TooClose(PackRow(row)), tooClose) << "difference " << difference;
            if (!tooClose) {
                index.Add(PackRow(row));
                kept.push_back(row);
            }
        }
    }
}

TEST_F(ReductionTest, ReducedPercentagesRoundHalfToEvenAndIgnoreBadNumbers)
{
    SingleRowCount = 8;
    for (int32 i = 1; i <= 8; ++i) {
        RowStore[1][i] = i <= 1 ? 3 : (i <= 4 ? 4 : 5);  // 1, 3 and 4 of 8 rows
        RowStore[2][i] = i == 8 ? 99 : 1;
        RowStore[7][i] = 1;
    }
    ShowReducedPercentages();
    EXPECT_EQ(SystemStreckPercent[HorseIndex(1, 3)], 12);
    EXPECT_EQ(SystemStreckPercent[HorseIndex(1, 4)], 38);
    EXPECT_EQ(SystemStreckPercent[HorseIndex(1, 5)], 50);
    EXPECT_EQ(SystemStreckPercent[HorseIndex(2, 1)], 88);
    EXPECT_EQ(SystemStreckPercent[HorseIndex(7, 1)], 100);

    SingleRowCount = 0;
    SystemStreckPercent[HorseIndex(1, 3)] = 77;
    ShowReducedPercentages();
    EXPECT_EQ(SystemStreckPercent[HorseIndex(1, 3)], 77);
}

}  // namespace
