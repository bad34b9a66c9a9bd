// The varying reduction against the literal way of testing the row difference: every
// candidate compared, slot by slot, with every kept row. Both draw the same candidates from
// the same code, so both keep the same rows; the literal run checks that they do.
// Beside them, runs whose allowed rows are mostly long shots, which the draws alone would take
// hours to find.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "marks/marking.h"
#include "model/variabl.h"
#include "platform/random.h"
#include "reduction/normalise.h"
#include "reduction/varyingreduction.h"

namespace {

constexpr int32 Code = 765;

// 15 horses in every race, one point each.
void MarkEveryHorse()
{
    ResetGlobals();
    for (int r = 1; r <= 6; ++r)
        for (int h = 1; h <= StartNumbers; ++h) {
            ClickedMarkCode = MarkCode(1, h);
            ToggleGroupMark(r);
            ReductionPoints[HorseIndex(r, h)] = 1;
        }
    RandomCode = Code;
}

// Races 1 and 2: A 1-3, B 4-5; race 3: A 1-2, B 3-4; race 4: A 1-2, B 3; race 5: A 1, B 2;
// race 6: A 1 (600 rows); only two or four B winners allowed (264 rows). The points make a
// favourite of every race's first horse and long shots of the others.
void MarkLongShotFrame()
{
    ResetGlobals();
    const int aHorses[7] = {0, 3, 3, 2, 2, 1, 1};
    const std::array<std::vector<int>, 7> points = {
        {{}, {96, 1, 1, 1, 1}, {96, 1, 1, 1, 1}, {97, 1, 1, 1}, {98, 1, 1}, {99, 1}, {100}}};
    for (int r = 1; r <= 6; ++r)
        for (int h = 1; h <= static_cast<int>(points[r].size()); ++h) {
            ClickedMarkCode = MarkCode(h <= aHorses[r] ? 1 : 2, h);
            ToggleGroupMark(r);
            ReductionPoints[HorseIndex(r, h)] = static_cast<byte>(points[r][h - 1]);
        }
    for (int k = 0; k <= 7; ++k)
        WinnerCountAllowed[k][2] = k == 2 || k == 4 ? 1 : 0;
    RandomCode = Code;
}

ReductionSettings Settings(int rowDifference)
{
    ReductionSettings settings;
    settings.fixedCode = true;
    settings.rowDifference = rowDifference;
    return settings;
}

std::vector<std::int32_t> StoredPackedRows()
{
    return {PackedRows + 1, PackedRows + SingleRowCount + 1};
}

// The literal run: the same draws, each candidate compared with every kept row.
std::vector<std::int32_t> AllPairsRun(int rowDifference, int32 target, std::int64_t& candidates)
{
    NormalizeReducePoints();
    std::array<std::array<int, 100>, RaceSlots + 1> draw{};
    for (int r = 1; r <= RaceSlots; ++r) {
        int h = 0, sum = 0;
        for (int d = 0; d < 100; ++d) {
            while (sum <= d && h < StartNumbers)
                sum += ReductionChance[HorseIndex(r, ++h)];
            draw[r][d] = h;
        }
    }
    const int maxEqual = RaceSlots - rowDifference;
    RandSeed() = static_cast<std::uint32_t>(Code);
    std::vector<std::array<int, RaceSlots + 1>> kept;
    kept.reserve(static_cast<std::size_t>(target));
    candidates = 0;
    while (static_cast<int32>(kept.size()) < target) {
        std::array<int, RaceSlots + 1> row{};
        for (int r = 1; r <= RaceSlots; ++r)
            row[r] = draw[r][RandomBelow(100)];
        ++candidates;
        bool tooClose = false;
        for (const auto& other : kept) {
            int equal = 0;
            for (int r = 1; r <= RaceSlots; ++r)
                equal += other[r] == row[r];
            if (equal > maxEqual) {
                tooClose = true;
                break;
            }
        }
        if (!tooClose)
            kept.push_back(row);
    }
    std::vector<std::int32_t> packed;
    for (const auto& row : kept)
        packed.push_back(static_cast<std::int32_t>(PackRow(row)));
    std::sort(packed.begin(), packed.end());
    return packed;
}

// Runs the reduction once an iteration, the frame marked by mark() before each run (untimed);
// reports the candidates a run drew and the rows it kept.
void TimeReductions(benchmark::State& state, void (*mark)(), int32 target, int rowDifference)
{
    std::int64_t candidates = 0;
    int32 rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        mark();
        SingleRowTarget = target;
        state.ResumeTiming();
        const ReductionResult result = RunVaryingReduction(Settings(rowDifference));
        candidates += result.candidates;
        rows = result.rows;
    }
    state.counters["candidates"] =
        benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kAvgIterations);
    state.counters["candidates/s"] =
        benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kIsRate);
    state.counters["rows"] = rows;
}

// range(0): "Radskillnad"; range(1): the target.
void BM_Reduction(benchmark::State& state)
{
    TimeReductions(state, MarkEveryHorse, static_cast<int32>(state.range(1)),
                   static_cast<int>(state.range(0)));
}

// range(0): the target; range(1): "Radskillnad".
void BM_ReductionLongShots(benchmark::State& state)
{
    TimeReductions(state, MarkLongShotFrame, static_cast<int32>(state.range(0)),
                   static_cast<int>(state.range(1)));
}

void BM_AllPairs(benchmark::State& state)
{
    const int rowDifference = static_cast<int>(state.range(0));
    const auto target = static_cast<int32>(state.range(1));
    MarkEveryHorse();
    SingleRowTarget = target;
    RunVaryingReduction(Settings(rowDifference));
    const std::vector<std::int32_t> engineRows = StoredPackedRows();
    std::int64_t candidates = 0;
    for (auto _ : state) {
        std::int64_t run = 0;
        const std::vector<std::int32_t> rows = AllPairsRun(rowDifference, target, run);
        candidates += run;
        if (rows != engineRows) {
            std::fprintf(stderr, "The literal run kept other rows than the engine.\n");
            std::abort();
        }
    }
    state.counters["candidates"] =
        benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kAvgIterations);
    state.counters["candidates/s"] =
        benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_Reduction)->Args({1, 99999})->Args({3, 20000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReductionLongShots)
    ->Args({300, 1})
    ->Args({264, 1})
    ->Args({200, 1})
    ->Args({300, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllPairs)->Args({1, 99999})->Args({3, 20000})->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
