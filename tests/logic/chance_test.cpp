#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "conditions/rowconditions.h"
#include "grading/chance.h"
#include "model/variabl.h"
#include "reduction/candidatetest.h"
#include "reduction/varyingreduction.h"
#include "support/marks.h"

namespace {

class ChanceTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }

    // Every race's start number 1 correct.
    static void ChooseFirstHorses()
    {
        for (int r = 1; r <= 6; ++r)
            ChanceCorrectRow[r] = 1;
    }
    // Race 1 with 60 and 40 points, the others one horse of 100 points; payouts 1000 / 10.
    static void DigestSetup()
    {
        MarkRaces({"AA", "A", "A", "A", "A", "A"});
        ReductionPoints[HorseIndex(1, 1)] = 60;
        ReductionPoints[HorseIndex(1, 2)] = 40;
        for (int r = 2; r <= 6; ++r)
            ReductionPoints[HorseIndex(r, 1)] = 100;
        ChooseFirstHorses();
        PayoutPerHits[2] = 1000;
        PayoutPerHits[1] = 10;
        ChanceSystemRows = 1;
    }
};

TEST_F(ChanceTest, DigestExampleGivesTheWorkedValues)
{
    DigestSetup();
    const ChanceResult result = EvaluateChances(ChanceBoxes{});
    ASSERT_EQ(result.outcome, ChanceOutcome::Evaluated);
    EXPECT_TRUE(result.messages.isEmpty());
    EXPECT_EQ(result.rowsPassed, 2);
    EXPECT_EQ(result.texts.Lverde7, "60000");
    EXPECT_EQ(result.texts.Lverde6, "400");
    EXPECT_EQ(result.texts.Lsumverde, "60400");
    EXPECT_EQ(result.texts.Lprocentavinsats, " 60400 % ");
    EXPECT_EQ(result.texts.Lch7, "1 chans på 2");
    EXPECT_EQ(result.texts.Lch6, "1 chans på 2");
    EXPECT_EQ(result.texts.Lch5, "0");
    EXPECT_EQ(ChanceCorrectRow[7], 1);
}

TEST_F(ChanceTest, FourRightPayoutIsShownButNotSummed)
{
    DigestSetup();
    MarkHorse(2, 1, 2);  // race 2: horse 2 in A as well
    ReductionPoints[HorseIndex(2, 2)] = 100;
    PayoutPerHits[0] = 7;
    const ChanceResult result = EvaluateChances(ChanceBoxes{});
    ASSERT_EQ(result.outcome, ChanceOutcome::Evaluated);
    EXPECT_NE(result.texts.Lverde5, "0");
    EXPECT_EQ(result.figures.valueSum, result.figures.value6 + result.figures.value5);
}

TEST_F(ChanceTest, CorrectRowOutsideTheSystemIsWorthNothing)
{
    DigestSetup();
    ChanceCorrectRow[3] = 9;  // not marked
    const ChanceResult result = EvaluateChances(ChanceBoxes{});
    ASSERT_EQ(result.outcome, ChanceOutcome::Evaluated);
    EXPECT_EQ(result.texts.Lch7, "0");
    EXPECT_EQ(result.texts.Lverde7, "0");
}

TEST_F(ChanceTest, AFinishedReductionSetsTheSystemRowCount)
{
    DigestSetup();
    SingleRowTarget = 2;
    ASSERT_EQ(RunVaryingReduction(ReductionSettings{}).rows, 2);
    EXPECT_EQ(ChanceSystemRows, 2);
}

TEST_F(ChanceTest, RoundsHalvesToEven)
{
    const struct {
        long double value;
        const char* rounded;
    } values[] = {{12.5L, "12"}, {87.5L, "88"}, {2.5L, "2"}, {17.5L, "18"}, {0.0L, "0"}};
    for (const auto& v : values)
        EXPECT_EQ(RoundedText(v.value), QString::fromUtf8(v.rounded)) << static_cast<double>(v.value);
    const struct {
        long double expected;
        const char* text;
    } rows[] = {{0.4L, "1 chans på 2"}, {0.8L, "1"}, {2.5L, "2"}, {0.0L, "0"}, {0.01L, "1 chans på 100"}};
    for (const auto& r : rows)
        EXPECT_EQ(ExpectedRowsText(r.expected), QString::fromUtf8(r.text)) << static_cast<double>(r.expected);
}

TEST_F(ChanceTest, EditsAcceptOnlyTheirRanges)
{
    EXPECT_EQ(PayoutText(7), "       7");
    EXPECT_EQ(PayoutText(12345), "   12345");
    EXPECT_EQ(PayoutText(100000000), "100000000");
    EXPECT_EQ(AcceptedPayout("-1", 5), 5);
    EXPECT_EQ(AcceptedPayout("100000001", 5), 5);
    EXPECT_EQ(AcceptedPayout("   12", 5), 12);
    EXPECT_EQ(AcceptedSystemRows("abc", 100), 100);
    EXPECT_EQ(AcceptedSystemRows("0", 100), 100);
    EXPECT_EQ(AcceptedSystemRows("1000001", 100), 100);
    EXPECT_EQ(AcceptedSystemRows("250", 100), 250);
}

TEST_F(ChanceTest, PickingChoosesMovesAndRemoves)
{
    EXPECT_EQ(PickChanceHorse(2, 5), 0);
    EXPECT_EQ(ChanceCorrectRow[2], 5);
    EXPECT_EQ(PickChanceHorse(2, 7), 5);
    EXPECT_EQ(ChanceCorrectRow[2], 7);
    EXPECT_EQ(PickChanceHorse(2, 7), 7);
    EXPECT_EQ(ChanceCorrectRow[2], 0);
}

// Each case breaks one precondition or more; the messages come in the order of the checks.
TEST_F(ChanceTest, MessagesComeInTheOrderOfTheChecks)
{
    const struct {
        const char* name;
        void (*breakIt)(ChanceBoxes&);
        ChanceOutcome outcome;
        QStringList messages;
    } cases[] = {
        {"no correct horse in race 4",
         [](ChanceBoxes&) { ChanceCorrectRow[4] = 0; },
         ChanceOutcome::Refused,
         {IncompleteRowMessage}},
        {"race 3 all 0 points",
         [](ChanceBoxes&) {
             for (int h = 1; h <= StartNumbers; ++h)
                 ReductionPoints[HorseIndex(3, h)] = 0;
         },
         ChanceOutcome::Refused,
         {OnlyZeroPointsMessage}},
        {"incomplete row and 0 points",
         [](ChanceBoxes&) {
             ChanceCorrectRow[2] = 0;
             ReductionPoints[HorseIndex(5, 1)] = 0;
         },
         ChanceOutcome::Refused,
         {IncompleteRowMessage}},
        {"payout without streck",
         [](ChanceBoxes& b) { b.payout = true; },
         ChanceOutcome::Evaluated,
         {NoStreckForPayoutMessage}},
        {"payout without streck and a race without marks",
         [](ChanceBoxes& b) {
             b.payout = true;
             MarkHorse(6, 1, 1);  // takes race 6's only mark away
         },
         ChanceOutcome::Refused,
         {NoStreckForPayoutMessage, NoMarkedRowMessage}},
        {"every passing row weighs 0",
         [](ChanceBoxes&) {
             ReductionPoints[HorseIndex(2, 1)] = 0;
             ReductionPoints[HorseIndex(2, 9)] = 50;  // not marked: the race is not all 0
         },
         ChanceOutcome::NoWeight,
         {OnlyZeroPointsMessage}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetGlobals();
        DigestSetup();
        ChanceBoxes boxes;
        c.breakIt(boxes);
        const ChanceResult result = EvaluateChances(boxes);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.messages, c.messages);
        EXPECT_EQ(result.payoutUnticked, boxes.payout);
        if (c.outcome == ChanceOutcome::NoWeight) {
            EXPECT_EQ(result.rowsPassed, 2);
        }
    }
}

// The first report comes before the walk starts, so even a run far shorter than the time
// between reports is stopped by it.
TEST_F(ChanceTest, CancelAtTheFirstReportStopsEvenAShortRun)
{
    DigestSetup();
    int calls = 0;
    const ChanceResult result = EvaluateChances(ChanceBoxes{}, [&calls](std::int64_t) {
        ++calls;
        return false;
    });
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(result.outcome, ChanceOutcome::Cancelled);
    EXPECT_EQ(result.messages, QStringList{ChanceCancelledMessage});
    EXPECT_EQ(result.rowsPassed, 0);
    EXPECT_TRUE(result.texts.Lch7.isEmpty());
    EXPECT_FALSE(ChanceRunning());
}

// ---- The walk accepts exactly the rows the varying reduction's candidate test accepts ----

template <typename T, std::size_t N>
void Scatter(T (&table)[N], std::mt19937& random, int percent, T value = 1)
{
    for (T& entry : table)
        entry = static_cast<int>(random() % 100) < percent ? value : T{};
}

void RandomConditions(std::mt19937& random)
{
    auto chance = [&random](int percent) { return static_cast<int>(random() % 100) < percent; };
    for (int k = 0; k <= 7; ++k)
        for (int g = 1; g <= 4; ++g)
            WinnerCountAllowed[k][g] = chance(95) ? 1 : 0;
    Scatter(CompositionNej, random, 5);
    for (int c = 1; c <= 3; ++c) {
        for (int r = 1; r <= RaceSlots; ++r)
            for (int g = 1; g <= 4; ++g)
                GroupCondCells[r][g][c] = chance(30) ? 1 : 0;
        for (int k = 0; k <= 7; ++k) {
            GroupCondForbiddenHits[k][c] = chance(10) ? 1 : 0;
            GroupCondUnreachableHits[k][c] = chance(20) ? 1 : 0;
        }
    }
    for (int c = 1; c <= 4; ++c) {
        StartNrCondActive[c] = chance(80) ? 1 : 0;
        StartNrCondUsed[c] = 1;
        for (int r = 1; r <= RaceSlots; ++r)
            for (int h = 1; h <= 4; ++h)
                StartNrCondMarks[r][h][c] = chance(30) ? 1 : 0;
        for (int k = 0; k <= 7; ++k) {
            StartNrCondForbiddenCounts[k][c] = chance(10) ? 1 : 0;
            StartNrCondUnreachableCounts[k][c] = chance(15) ? 1 : 0;
        }
        for (int g = 1; g <= 3; ++g)
            ConditionGroupMembers[g][c] = chance(40) ? 1 : 0;
    }
    for (int g = 1; g <= 3; ++g) {
        ConditionGroupActive[g] = chance(50) ? 1 : 0;
        ConditionGroupLimits[2 * g - 1] = static_cast<byte>(random() % 2);
        ConditionGroupLimits[2 * g] = static_cast<byte>(1 + random() % 3);
    }
    const int exponents[] = {0, 3, 6, 2};
    for (int c = 1; c <= 2; ++c) {
        CondActive[c] = 1;
        CondSumActive[c] = chance(70) ? 1 : 0;
        CondProdActive[c] = chance(70) ? 1 : 0;
        CondSumMode[c] = chance(50) ? 1 : 0;
        CondProdMode[c] = chance(50) ? 1 : 0;
        CondSumMin[c] = static_cast<int32>(random() % 40);
        CondSumMax[c] = CondSumMin[c] + static_cast<int32>(random() % 60);
        CondProdMinMantissa[c] = static_cast<int32>(1 + random() % 9);
        CondProdMaxMantissa[c] = static_cast<int32>(1 + random() % 99);
        CondProdMinExp[c] = exponents[random() % 4];
        CondProdMaxExp[c] = exponents[random() % 4];
        for (int r = 1; r <= RaceSlots; ++r)
            for (int h = 1; h <= StartNumbers; ++h)
                CondPoints[r][h][c] = static_cast<byte>(random() % 12);
    }
    StreckPresent = 1;
    GameType = QStringLiteral("v64");
    for (int r = 1; r <= 6; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            StreckValues[HorseIndex(r, h)] = static_cast<int32>(random() % 40);
    PayoutMin = chance(50) ? static_cast<int32>(random() % 5000) : 0;
    PayoutMax = chance(50) ? static_cast<int32>(1000000 + random() % 99000000) : 100000000;
    ConditionSwitches.payout = chance(70);
    for (int h = 1; h <= StartNumbers; ++h)
        for (int k = 0; k <= 7; ++k)
            NrCountForbidden[h][k] = chance(2) ? 1 : 0;
    NrSetCondCount = 2;
    for (int s = 1; s <= 2; ++s) {
        for (int h = 1; h <= StartNumbers; ++h)
            NrSetCondMarks[h][s] = chance(30) ? 1 : 0;
        NrSetCondLow[s] = static_cast<byte>(random() % 2);
        NrSetCondHigh[s] = static_cast<byte>(1 + random() % 5);
        NrSetCondRequire[s] = chance(40) ? 1 : 0;
        NrSetCondRemove[s] = !NrSetCondRequire[s] && chance(40) ? 1 : 0;
    }
    for (int k = 1; k <= 7; ++k)
        EqualNrRule[k] = chance(5) ? 1 : 0;
    for (int k = 0; k <= 7; ++k)
        OddCountForbidden[k] = chance(5) ? 1 : 0;
    for (int k = 1; k <= 3; ++k)
        PairRules[k] = chance(60) ? 0 : static_cast<int32>(1 + random() % 2);
}

TEST_F(ChanceTest, AcceptsExactlyTheRowsOfTheReductionsCandidateTest)
{
    std::mt19937 random(20261211);
    int withRows = 0, withRejections = 0;
    for (int setup = 0; setup < 40; ++setup) {
        SCOPED_TRACE(setup);
        ResetGlobals();
        std::array<std::string, 6> races;
        for (std::string& race : races) {
            race.assign(4, '.');
            for (int marked = 1 + static_cast<int>(random() % 3); marked > 0; --marked)
                race[random() % 4] = "ABCD"[random() % 4];
        }
        MarkRaces(races);
        RandomConditions(random);
        for (int r = 1; r <= 6; ++r) {
            ChanceCorrectRow[r] = static_cast<byte>(1 + random() % 4);
            for (int h = 1; h <= 4; ++h)
                ReductionPoints[HorseIndex(r, h)] = static_cast<byte>(random() % 5);
            ReductionPoints[HorseIndex(r, 15)] = 1;
        }
        ChanceBoxes boxes{random() % 2 == 0, random() % 2 == 0,
                          random() % 2 == 0, random() % 2 == 0,
                          random() % 2 == 0, true,
                          random() % 2 == 0, {}};
        for (int g = 1; g <= 3; ++g)
            boxes.groups[static_cast<std::size_t>(g)] = ConditionGroupActive[g] == 1;

        const ReductionRestrictions on{boxes.winnerCounts, boxes.abcdList, boxes.groupConditions,
                                       boxes.startNumbers, boxes.points,   boxes.otherNumbers};
        const CandidateTest test(on, ConditionSwitches.payout, CurrentStartNrGroupSettings());
        std::vector<std::uint32_t> expected;
        int rejected = 0;
        double weight = 0, weight6 = 0;
        RowNumbers row{};
        row[7] = 1;
        for (int a = 1; a <= 4; ++a)
            for (int b = 1; b <= 4; ++b)
                for (int c = 1; c <= 4; ++c)
                    for (int d = 1; d <= 4; ++d)
                        for (int e = 1; e <= 4; ++e)
                            for (int f = 1; f <= 4; ++f) {
                                row = {0, a, b, c, d, e, f, 1};
                                bool marked = true;
                                for (int r = 1; r <= 6; ++r)
                                    marked = marked && HorseGroups[r][0][row[r]] > 0;
                                if (!marked)
                                    continue;
                                if (!test.Passes(row)) {
                                    ++rejected;
                                    continue;
                                }
                                std::uint32_t packed = 1;
                                double w = 1;
                                int hits = 0;
                                for (int r = 1; r <= 6; ++r) {
                                    packed |= static_cast<std::uint32_t>(row[r]) << (4 * (7 - r));
                                    w *= ReductionPoints[HorseIndex(r, row[r])];
                                    hits += row[r] == ChanceCorrectRow[r];
                                }
                                expected.push_back(packed);
                                weight += w;
                                weight6 += hits == 6 ? w : 0;
                            }
        withRows += !expected.empty();
        withRejections += rejected > 0;
        EXPECT_EQ(ChancePassingRows(boxes), expected);
        const ChanceResult result = EvaluateChances(boxes);
        EXPECT_EQ(result.rowsPassed, static_cast<std::int64_t>(expected.size()));
        if (result.outcome == ChanceOutcome::Evaluated) {
            EXPECT_EQ(static_cast<double>(result.figures.weight), weight);
            EXPECT_EQ(static_cast<double>(result.figures.weight6), weight6);
        } else {
            EXPECT_EQ(result.outcome, ChanceOutcome::NoWeight);
            EXPECT_EQ(weight, 0);
        }
    }
    EXPECT_GE(withRows, 10);
    EXPECT_GE(withRejections, 10);
}

}  // namespace
