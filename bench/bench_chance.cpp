// The chance evaluation against a plain row-by-row version of the same function: every row
// of the unreduced system visited in odometer order on one thread, the candidate test run on
// the whole row, the weight and hits worked out from scratch. Both must give the same figures;
// the plain run checks that they do.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "conditions/rowconditions.h"
#include "grading/chance.h"
#include "marks/marking.h"
#include "model/variabl.h"
#include "reduction/candidatetest.h"

namespace {

// 15 horses in all six races in the groups A A A A B B B B C C C C D D D, points 1-15, the
// correct row 1-2-3-4-5-6, and a condition of every kind switched on and ticked.
void WorstCase()
{
    ResetGlobals();
    for (int r = 1; r <= 6; ++r)
        for (int h = 1; h <= StartNumbers; ++h) {
            ClickedMarkCode = MarkCode(1 + (h - 1) / 4, h);
            ToggleGroupMark(r);
            ReductionPoints[HorseIndex(r, h)] = static_cast<byte>(h);
        }
    for (int r = 1; r <= 6; ++r)
        ChanceCorrectRow[r] = static_cast<byte>(r);
    for (int c = 1; c <= 3; ++c) {
        StartNrCondActive[c] = 1;
        StartNrCondUsed[c] = 1;
        for (int r = 1; r <= 6; ++r)
            for (int h = c; h <= StartNumbers; h += 3)
                StartNrCondMarks[r][h][c] = 1;
        StartNrCondForbiddenCounts[0][c] = 1;
        for (int k = 0; k <= 7; ++k)
            StartNrCondUnreachableCounts[k][c] = k == 7 ? 1 : 0;
        ConditionGroupMembers[1][c] = c <= 2 ? 1 : 0;
    }
    ConditionGroupActive[1] = 1;
    ConditionGroupLimits[1] = 1;
    ConditionGroupLimits[2] = 2;
    CondActive[1] = CondSumActive[1] = CondProdActive[1] = 1;
    CondSumMode[1] = CondProdMode[1] = 1;
    CondSumMin[1] = 10;
    CondSumMax[1] = 80;
    CondProdMinMantissa[1] = 1;
    CondProdMaxMantissa[1] = 500;
    CondProdMaxExp[1] = 6;
    for (int r = 1; r <= 6; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            CondPoints[r][h][1] = static_cast<byte>(h);
    StreckPresent = 1;
    GameType = QStringLiteral("v64");
    for (int r = 1; r <= 6; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            StreckValues[HorseIndex(r, h)] = 16 - h;
    PayoutMin = 100;
    PayoutMax = 5000000;
    ConditionSwitches.payout = true;
    NrCountForbidden[15][3] = 1;
    EqualNrRule[5] = 1;
    OddCountForbidden[0] = 1;
    PairRules[3] = 2;
    PayoutPerHits[2] = 250000;
    PayoutPerHits[1] = 900;
    ChanceSystemRows = 500;
}

ChanceBoxes EveryBoxTicked()
{
    return ChanceBoxes{true, true, true, true, true, true, true, {false, true, false, false}};
}

struct PlainFigures {
    std::int64_t passed = 0;
    long double weight = 0, weight6 = 0, weight5 = 0, weight4 = 0;
};

PlainFigures PlainEvaluation()
{
    const ChanceBoxes boxes = EveryBoxTicked();
    ChanceCorrectRow[7] = 1;
    const StartNrGroupSettings groups = CurrentStartNrGroupSettings();
    const CandidateTest test({boxes.winnerCounts, boxes.abcdList, boxes.groupConditions, boxes.startNumbers,
                              boxes.points, boxes.otherNumbers},
                             boxes.payout && ConditionSwitches.payout, groups);
    PlainFigures f;
    RowNumbers row{0, 1, 1, 1, 1, 1, 1, 1};
    for (;;) {
        bool marked = true;
        for (int r = 1; r <= RaceSlots; ++r)
            marked = marked && HorseGroups[r][0][row[r]] > 0;
        if (marked && test.Passes(row)) {
            long double weight = 1;
            int hits = 0;
            for (int r = 1; r <= RaceSlots; ++r) {
                weight *= ReductionPoints[HorseIndex(r, row[r])];
                hits += row[r] == ChanceCorrectRow[r];
            }
            ++f.passed;
            f.weight += weight;
            if (hits == 7)
                f.weight6 += weight;
            else if (hits == 6)
                f.weight5 += weight;
            else if (hits == 5)
                f.weight4 += weight;
        }
        int r = 6;
        while (r >= 1 && row[r] == StartNumbers)
            row[r--] = 1;
        if (r < 1)
            return f;
        ++row[r];
    }
}

void BM_ChanceEvaluation(benchmark::State& state)
{
    WorstCase();
    std::int64_t passed = 0;
    for (auto _ : state) {
        const ChanceResult result = EvaluateChances(EveryBoxTicked());
        passed = result.rowsPassed;
        benchmark::DoNotOptimize(result.figures.value6);
    }
    state.counters["rows passed"] = static_cast<double>(passed);
}

void BM_PlainRowByRow(benchmark::State& state)
{
    WorstCase();
    const ChanceResult engine = EvaluateChances(EveryBoxTicked());
    for (auto _ : state) {
        const PlainFigures plain = PlainEvaluation();
        const ChanceFigures& e = engine.figures;
        if (plain.passed != engine.rowsPassed || plain.weight != e.weight || plain.weight6 != e.weight6 ||
            plain.weight5 != e.weight5 || plain.weight4 != e.weight4) {
            std::fprintf(stderr, "The plain run gave other figures than the evaluation.\n");
            std::abort();
        }
        state.counters["rows passed"] = static_cast<double>(plain.passed);
    }
}

}  // namespace

BENCHMARK(BM_ChanceEvaluation)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainRowByRow)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
