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

// Per race 1-6 the points of start numbers 1.. (a leading empty entry for race 0).
using FramePoints = std::array<std::vector<int>, 7>;

// Races 1 and 2: A 1-3, B 4-5; race 3: A 1-2, B 3-4; race 4: A 1-2, B 3; race 5: A 1, B 2;
// race 6: A 1. Of the 600 rows, the 264 with two or four B winners are allowed.
constexpr int LongShotFrameRows = 264;
void MarkLongShotFrame(const FramePoints& points)
{
    const int aHorses[7] = {0, 3, 3, 2, 2, 1, 1};
    for (int r = 1; r <= 6; ++r)
        for (int h = 1; h <= static_cast<int>(points[r].size()); ++h) {
            Mark(r, h, h <= aHorses[r] ? 1 : 2);
            ReductionPoints[HorseIndex(r, h)] = static_cast<byte>(points[r][h - 1]);
        }
    for (int k = 0; k <= 7; ++k)
        WinnerCountAllowed[k][2] = k == 2 || k == 4 ? 1 : 0;
}

// Points as streck give them: a favourite in every race and long shots beside it, so that
// many allowed rows have a chance of one in 10^8 to 10^10.
const FramePoints LongShots = {
    {{}, {96, 1, 1, 1, 1}, {96, 1, 1, 1, 1}, {97, 1, 1, 1}, {98, 1, 1}, {99, 1}, {100}}};
const FramePoints EvenerPoints = {
    {{}, {40, 20, 20, 10, 10}, {40, 20, 20, 10, 10}, {40, 20, 20, 20}, {50, 25, 25}, {60, 40}, {100}}};

int BWinners(const Row& row)
{
    int count = 0;
    for (int r = 1; r <= 6; ++r)
        count += HorseGroups[r][0][row[r]] == 2;
    return count;
}

// A row's chance as the product of its races' normalised chances in percent.
double ChanceInPercents(const Row& row)
{
    double chance = 1;
    for (int r = 1; r <= 6; ++r)
        chance *= ReductionChance[HorseIndex(r, row[r])];
    return chance;
}

// The stored packed rows folded into one number (FNV-1a over their bytes).
std::uint64_t StoredRowsFingerprint()
{
    std::uint64_t hash = 14695981039346656037ull;
    for (int32 i = 1; i <= SingleRowCount; ++i)
        for (int b = 0; b < 4; ++b) {
            hash ^= (static_cast<std::uint32_t>(PackedRows[i]) >> (8 * b)) & 0xFF;
            hash *= 1099511628211ull;
        }
    return hash;
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

// Long shots that the draws would take hours to find: the run ends after few draws with every
// row it can keep, whether the target is above the allowed rows or equal to them.
TEST_F(ReductionTest, LongShotsEndTheRunQuicklyWithEveryRowItCanKeep)
{
    struct Case {
        int32 target;
        ReductionOutcome outcome;
        QString message;
    };
    const std::vector<Case> cases = {
        {300, ReductionOutcome::NoMoreRows,
         QStringLiteral("Bara 264 rader klarar begränsningarna och radskillnaden.")},
        {LongShotFrameRows, ReductionOutcome::RowsDrawn, QString()},
    };
    for (const Case& c : cases) {
        ResetGlobals();
        MarkLongShotFrame(LongShots);
        SingleRowTarget = c.target;
        const ReductionResult result = RunVaryingReduction(FixedCode(), StopAfterManyReports());
        EXPECT_EQ(result.outcome, c.outcome) << c.target;
        EXPECT_EQ(result.message, c.message) << c.target;
        EXPECT_EQ(result.rows, LongShotFrameRows) << c.target;
        EXPECT_LT(result.candidates, 100000) << c.target;
        const std::vector<Row> rows = StoredRows();
        EXPECT_EQ(std::set<Row>(rows.begin(), rows.end()).size(), std::size_t{LongShotFrameRows}) << c.target;
        for (const Row& row : rows)
            ASSERT_TRUE(BWinners(row) == 2 || BWinners(row) == 4) << c.target;
    }
}

// A run whose draws would find the rows it wants only slowly stops drawing after its share of
// candidates and keeps the likeliest of the rows still allowed.
TEST_F(ReductionTest, AfterItsCandidatesARunKeepsTheLikeliestRowsLeft)
{
    MarkLongShotFrame(LongShots);
    SingleRowTarget = 200;
    ReductionSettings settings = FixedCode();
    settings.maxCandidates = 200000;
    const ReductionResult result = RunVaryingReduction(settings);
    EXPECT_EQ(result.outcome, ReductionOutcome::RowsDrawn);
    EXPECT_EQ(result.rows, 200);
    EXPECT_EQ(result.candidates, settings.maxCandidates);
    const std::vector<Row> rows = StoredRows();
    EXPECT_EQ(std::set<Row>(rows.begin(), rows.end()).size(), 200u);
    // Every allowed row with a chance of at least one in 10^7 is kept.
    int likely = 0;
    for (const Row& row : rows)
        likely += ChanceInPercents(row) >= 1e5;
    EXPECT_EQ(likely, 108);
}

// Where the draws used to end the run, the rows of a fixed code stay those it always gave.
TEST_F(ReductionTest, AFixedCodeGivesTheRowsItAlwaysGave)
{
    const auto everyHorse = [](int horses) {
        for (int r = 1; r <= 6; ++r)
            for (int h = 1; h <= horses; ++h) {
                Mark(r, h);
                ReductionPoints[HorseIndex(r, h)] = static_cast<byte>(1 + h * r % 5);
            }
    };
    struct Case {
        const char* name;
        std::function<void()> prepare;
        int32 code;
        int rowDifference;
        int32 target;
        bool extend;
        ReductionOutcome outcome;
        int32 rows;
        std::uint64_t fingerprint;
    };
    const auto drawn = ReductionOutcome::RowsDrawn;
    const auto noMore = ReductionOutcome::NoMoreRows;
    const std::vector<Case> cases = {
        {"every allowed row wanted", [] { MarkLongShotFrame(EvenerPoints); }, 765, 1, 264, false, drawn, 264,
         0x3e506f5404e820f5},
        {"more than the allowed rows wanted", [] { MarkLongShotFrame(EvenerPoints); }, 42, 1, 300, false,
         noMore, 264, 0x3e506f5404e820f5},
        {"row difference 2", [] { MarkLongShotFrame(EvenerPoints); }, 765, 2, 60, false, drawn, 60,
         0xd91098d66e745e2d},
        {"row difference 3, fewer rows than wanted", [] { MarkLongShotFrame(EvenerPoints); }, 1234, 3, 99,
         false, noMore, 18, 0x7752c3a898614c34},
        {"long shots, 50 rows", [] { MarkLongShotFrame(LongShots); }, 765, 1, 50, false, drawn, 50,
         0x469dd8d9c66906e5},
        {"long shots, row difference 2", [] { MarkLongShotFrame(LongShots); }, 9999, 2, 20, false, drawn, 20,
         0x536ac369dc3c8553},
        {"15 horses, row difference 3", [&] { everyHorse(15); }, 765, 3, 2000, false, drawn, 2000,
         0x38c36ce78556e288},
        {"4 horses, row difference 2, fewer rows than wanted", [&] { everyHorse(4); }, 765, 2, 1000, false,
         noMore, 603, 0x13d39d423bec0ad1},
        {"extended",
         [] {
             MarkLongShotFrame(EvenerPoints);
             RandomCode = 5;
             SingleRowTarget = 20;
             RunVaryingReduction(FixedCode(2));
         },
         31, 2, 99, true, noMore, 84, 0xafd06c9fd7b83be0},
    };
    for (const Case& c : cases) {
        ResetGlobals();
        c.prepare();
        RandomCode = c.code;
        SingleRowTarget = c.target;
        ReductionSettings settings = FixedCode(c.rowDifference);
        settings.extend = c.extend;
        const ReductionResult result = RunVaryingReduction(settings);
        EXPECT_EQ(result.outcome, c.outcome) << c.name;
        EXPECT_EQ(result.rows, c.rows) << c.name;
        EXPECT_EQ(StoredRowsFingerprint(), c.fingerprint) << c.name;
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
        std::vector<std::uint32_t> packedKept;
        for (int i = 0; i < 400; ++i) {
            Row row{0, 0, 0, 0, 0, 0, 0, 1};
            for (int r = 1; r <= 6; ++r)
                row[r] = number(random);
            const bool tooClose = std::any_of(
                kept.begin(), kept.end(), [&](const Row& k) { return SharedRaces(k, row) > 6 - difference; });
            ASSERT_EQ(index.TooClose(PackRow(row)), tooClose) << "difference " << difference;
            std::vector<std::uint32_t> withRow(packedKept);
            withRow.push_back(PackRow(row));
            ASSERT_EQ(index.AnyTwoTooClose(withRow), tooClose) << "difference " << difference;
            if (!tooClose) {
                index.Add(PackRow(row));
                kept.push_back(row);
                packedKept.push_back(PackRow(row));
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
