// The construction engine against a plain row-by-row walk of the same rules: every pattern
// in turn, every row of it by the odometer, every row tested condition by condition.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "conditions/construction.h"
#include "conditions/couponmerge.h"
#include "conditions/rowconditions.h"
#include "model/patterns.h"
#include "model/variabl.h"
#include "support/heavyconditions.h"
#include "support/marks.h"

namespace {

// 15 horses in every race: 10 start-number conditions (two of them in a group), 3 sum and
// 2 product conditions, and the other number rules.
ConstructionSwitches HeavyConditions()
{
    MarkEveryRace("AAAABBBBCCCCDDD");
    for (int c = 1; c <= 10; ++c)
        SetStartNrCondition(c, {c % 6 + 1, (c + 1) % 6 + 1, (c + 2) % 6 + 1},
                            {c % 15 + 1, (c + 3) % 15 + 1, (c + 7) % 15 + 1, (c + 11) % 15 + 1}, {3});
    ConditionGroupActive[1] = 1;
    ConditionGroupMembers[1][9] = ConditionGroupMembers[1][10] = 1;
    for (int g = 1; g <= StartNrGroupCount; ++g) {
        ConditionGroupLimits[2 * g - 1] = 1;
        ConditionGroupLimits[2 * g] = 2;
    }
    for (int c = 1; c <= 5; ++c) {
        for (int r = 1; r <= 6; ++r)
            for (int h = 1; h <= StartNumbers; ++h)
                CondPoints[r][h][c] =
                    static_cast<byte>(c <= 3 ? (r * 37 + h * 53 + c * 11) % 100 : (r * 13 + h * 29) % 9 + 1);
        if (c <= 3) {
            CondSumActive[c] = 1;
            CondSumMin[c] = 150;
            CondSumMax[c] = 450;
        } else {
            CondProdActive[c] = 1;
            CondProdMinMantissa[c] = 10;
            CondProdMinExp[c] = 0;
            CondProdMaxMantissa[c] = 300;
            CondProdMaxExp[c] = 3;
        }
        CondActive[c] = 1;
    }
    for (int n = 1; n <= StartNumbers; ++n)
        NrCountForbidden[n][4] = NrCountForbidden[n][5] = NrCountForbidden[n][6] = 1;
    NrSetCondMarks[1][1] = NrSetCondMarks[2][1] = NrSetCondMarks[3][1] = 1;
    NrSetCondRequire[1] = 1;
    NrSetCondLow[1] = 1;
    EqualNrRule[6] = 1;
    OddCountForbidden[0] = OddCountForbidden[6] = 1;
    PairRules[3] = 2;
    ConstructionSwitches s;
    s.startNumbers = s.points = s.otherNumbers = true;
    return s;
}

// 11 horses in every race (1 771 561 rows); at least three of the horses 1-5 and not all
// three of 6-8 in races 1-3: about 1 000 000 rows.
ConstructionSwitches MillionRows()
{
    MarkEveryRace("AAABBBCCCDD");
    SetStartNrCondition(1, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5}, {0, 1, 2});
    SetStartNrCondition(2, {1, 2, 3}, {6, 7, 8}, {3});
    ConstructionSwitches s;
    s.startNumbers = true;
    return s;
}

// Rows whose points add up to a narrow band: few rows differ in one race only, so the merge
// passes keep nearly every row apart and the system is refused (more than 5 500 coupons).
ConstructionSwitches MillionRowsNarrowSum()
{
    MarkEveryRace("AAABBBCCCDDDD");
    for (int r = 1; r <= 6; ++r)
        for (int h = 1; h <= 13; ++h)
            CondPoints[r][h][1] = static_cast<byte>(h);
    CondSumActive[1] = CondActive[1] = 1;
    CondSumMin[1] = 38;
    CondSumMax[1] = 46;
    ConstructionSwitches s;
    s.points = true;
    return s;
}

// Rows with start numbers adding up to 31 in races of 1, 4, 10, 14, 14 and 14 horses: 5 500
// coupons of one row each, ordered by the exchange sort.
ConstructionSwitches FiveThousandFiveHundredCoupons()
{
    ResetGlobals();
    MarkFixedSumSystem({1, 4, 10, 14, 14, 14}, 31);
    ConstructionSwitches s;
    s.points = true;
    return s;
}

// ---- The plain walk ----

// Every row of every allowed pattern, pattern by pattern, with the odometer in slot order;
// the rows that pass every test are packed into rows.
void PlainWalk(const ConstructionSwitches& switches, std::vector<int32>& rows)
{
    const PreparedRowConditions conditions = PrepareRowConditions(switches, CurrentStartNrGroupSettings());
    const SlotOrder order = ComputeSlotOrder();
    rows.clear();
    for (int p = 1; p <= PatternCount; ++p) {
        const auto& planes = AbcdPatternPlanes;
        if (!(planes[PlaneHasRows][p] && planes[PlaneWinnerCounts][p] && planes[PlaneCompositionList][p] &&
              planes[PlaneGroupConditions][p]))
            continue;
        std::array<std::vector<int>, RaceSlots + 1> lists;
        for (int m = 1; m <= RaceSlots; ++m)
            for (int h = 1; h <= StartNumbers; ++h)
                if (HorseGroups[order[m]][0][h] == planes[order[m]][p])
                    lists[m].push_back(h);
        std::array<std::size_t, RaceSlots + 1> at{};
        while (true) {
            RowNumbers row{};
            int32 packed = 0;
            for (int m = 1; m <= RaceSlots; ++m) {
                row[order[m]] = lists[m][at[m]];
                packed = packed * 16 + row[order[m]];
            }
            if (RowPassesRowConditions(conditions, row))
                rows.push_back(packed);
            int m = RaceSlots;
            while (m >= 1 && ++at[m] == lists[m].size())
                at[m--] = 0;
            if (m == 0)
                break;
        }
    }
}

// The engine on switches, with or without the coupons built after the rows.
ConstructionResult RunEngine(benchmark::State& state, const ConstructionSwitches& switches, flag buildCoupons)
{
    ConstructionResult result;
    for (auto _ : state) {
        BuildCouponsAfterRows = buildCoupons;
        result = ConstructSystemRows(switches);
    }
    state.counters["rows"] = result.rowsAccepted;
    return result;
}

ConstructionResult RunBuild(benchmark::State& state, const ConstructionSwitches& switches)
{
    const ConstructionResult result = RunEngine(state, switches, 1);
    state.counters["coupons"] = result.couponCount;
    return result;
}

void BM_CountHeavyConditions(benchmark::State& state)
{
    const ConstructionSwitches switches = HeavyConditions();
    const ConstructionResult result = RunEngine(state, switches, 0);
    std::vector<int32> plain;
    PlainWalk(switches, plain);
    if (static_cast<std::size_t>(result.rowsAccepted) != plain.size())
        state.SkipWithError("the engine and the plain walk keep different rows");
}

void BM_CountHeavyConditionsPlain(benchmark::State& state)
{
    const ConstructionSwitches switches = HeavyConditions();
    std::vector<int32> rows;
    rows.reserve(11390625);
    for (auto _ : state)
        PlainWalk(switches, rows);
    state.counters["rows"] = static_cast<double>(rows.size());
}

void BM_CountAllNumberConditions(benchmark::State& state)
{
    const ConstructionSwitches switches = AllNumberConditions();
    const ConstructionResult result = RunEngine(state, switches, 0);
    std::vector<int32> plain;
    PlainWalk(switches, plain);
    if (static_cast<std::size_t>(result.rowsAccepted) != plain.size())
        state.SkipWithError("the engine and the plain walk keep different rows");
}

void BM_CountAllNumberConditionsPlain(benchmark::State& state)
{
    const ConstructionSwitches switches = AllNumberConditions();
    std::vector<int32> rows;
    rows.reserve(11390625);
    for (auto _ : state)
        PlainWalk(switches, rows);
    state.counters["rows"] = static_cast<double>(rows.size());
}

void BM_BuildMillionRows(benchmark::State& state)
{
    if (RunBuild(state, MillionRows()).outcome != ConstructionOutcome::SystemBuilt)
        state.SkipWithError("no system built");
}

void BM_BuildMillionRowsNarrowSum(benchmark::State& state)
{
    RunBuild(state, MillionRowsNarrowSum());
}

void BM_Build5500Coupons(benchmark::State& state)
{
    RunBuild(state, FiveThousandFiveHundredCoupons());
}

// The plain walk, a sort of its rows and the same merge.
void BM_BuildMillionRowsPlain(benchmark::State& state)
{
    const ConstructionSwitches switches = MillionRows();
    std::vector<int32> rows;
    rows.reserve(1771562);
    std::size_t coupons = 0;
    for (auto _ : state) {
        PlainWalk(switches, rows);
        std::sort(rows.begin(), rows.end());
        rows.insert(rows.begin(), 0);  // rows are numbered from 1
        coupons = MergeRowsIntoCoupons(rows.data(), static_cast<int32>(rows.size() - 1)).size();
    }
    state.counters["rows"] = static_cast<double>(rows.size() - 1);
    state.counters["coupons"] = static_cast<double>(coupons);
}

}  // namespace

BENCHMARK(BM_CountHeavyConditions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountHeavyConditionsPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountAllNumberConditions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountAllNumberConditionsPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildMillionRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildMillionRowsPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildMillionRowsNarrowSum)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Build5500Coupons)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
