// Grading 99 999 single rows and 5 500 kept coupons of a system with 15 horses in every race,
// with scratched horses in every race, and the next-race view over both; against a plain
// grading that works out every substitution again for every row and coupon and counts a
// coupon's rows by the sum over all 128 sets of races.

#include <benchmark/benchmark.h>

#include <random>

#include "grading/grading.h"
#include "model/notify.h"
#include "model/variabl.h"
#include "output/reserves.h"
#include "support/marks.h"

namespace {

constexpr int SingleRows = 99999;
constexpr THorseMask AllHorses = (1u << StartNumbers) - 1;

void CommonInputs()
{
    MarkRangeInEveryRace(1, 15, GroupA);
    ClearObservers();
    ReserveMode = ReserveModeChosenOrder;
    for (int race = 1; race <= PoolRaces; ++race) {
        ScratchedInGrading[HorseIndex(race, 2 + race)] = 1;
        ScratchedInGrading[HorseIndex(race, 9)] = 1;
    }
}

void SingleRowSystem()
{
    ResetGlobals();
    CommonInputs();
    std::mt19937 random(5);
    for (int k = 1; k <= SingleRows; ++k) {
        for (int race = 1; race <= PoolRaces; ++race)
            RowStore[race][k] = 1 + static_cast<int>(random() % StartNumbers);
        RowStore[7][k] = 1;
    }
    SingleRowCount = SingleRows;
    SingleRowsBuilt = 1;
    CouponsBuilt = 0;
}

void CouponSystem()
{
    ResetGlobals();
    CommonInputs();
    std::mt19937 random(9);
    for (int c = 1; c <= MaxCoupons; ++c) {
        for (int race = 1; race <= PoolRaces; ++race)
            RowStore[race][c] = static_cast<int32>(1 + random() % AllHorses);
        RowStore[7][c] = 1;
        KeptCoupons[c] = c;
    }
    KeptCouponCount = CouponCount = MaxCoupons;
    GroupSystemBuilt = 0;
    SingleRowsBuilt = 0;
    CouponsBuilt = 1;
}

void SetCorrectRow(int races)
{
    for (int race = 1; race <= RaceSlots; ++race)
        CorrectRow[race] = static_cast<byte>(race <= races ? 3 + race : 0);
}

// ---- The plain grading ----

// The stand-in of scratched horse h among horses, worked out from the reserve tables anew.
int PlainStandIn(int race, THorseMask horses, int h, int candidates)
{
    const ReservePair reserves = PickReserves(race, horses, true, false);
    std::vector<int> list{reserves.first, reserves.second};
    for (int p = 1; p <= candidates - 2; ++p)
        list.push_back(OfficialOrder[race][p]);
    std::vector<int> left;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const int candidate = list[i];
        if (candidate < 1 || candidate > StartNumbers || ScratchedInGrading[HorseIndex(race, candidate)] == 1)
            continue;
        if (i >= 2 && (horses & HorseBit(candidate)) != 0)
            continue;
        left.push_back(candidate);
    }
    std::size_t next = 0;
    for (int s = 1; s <= StartNumbers; ++s) {
        if ((horses & HorseBit(s)) == 0 || ScratchedInGrading[HorseIndex(race, s)] == 0)
            continue;
        const int taken = next < left.size() ? left[next++] : 0;
        if (s == h)
            return taken;
    }
    return 0;
}

void PlainGradeSingleRows()
{
    for (int& count : CorrectCounts)
        count = 0;
    for (int k = 1; k <= SingleRowCount; ++k) {
        int correct = 0;
        for (int race = 1; race <= RaceSlots; ++race) {
            int h = RowStore[race][k];
            if (ScratchedInGrading[HorseIndex(race, h)] == 1)
                h = PlainStandIn(race, HorseBit(h), h, SingleRowCandidates);
            correct += CorrectRow[race] != 0 && h == CorrectRow[race] ? 1 : 0;
        }
        RowCorrectCounts[k] = static_cast<byte>(correct);
        ++CorrectCounts[RaceSlots - correct];
    }
}

void PlainGradeCoupons()
{
    for (int& count : CorrectCounts)
        count = 0;
    for (int j = 1; j <= KeptCouponCount; ++j) {
        const int coupon = KeptCoupons[j];
        int hits[RaceSlots + 1] = {};
        int misses[RaceSlots + 1] = {};
        for (int race = 1; race <= RaceSlots; ++race) {
            const THorseMask horses = static_cast<THorseMask>(RowStore[race][coupon]);
            int weight[StartNumbers + 1] = {};
            int n = 0;
            for (int h = 1; h <= StartNumbers; ++h) {
                if ((horses & HorseBit(h)) == 0)
                    continue;
                ++n;
                ++weight[h];
                if (ScratchedInGrading[HorseIndex(race, h)] == 1)
                    ++weight[PlainStandIn(race, horses, h, CouponCandidates)];
            }
            hits[race] = CorrectRow[race] != 0 ? weight[CorrectRow[race]] : 0;
            misses[race] = n - hits[race];
        }
        for (unsigned set = 0; set < (1u << RaceSlots); ++set) {
            std::int64_t rows = 1;
            int correct = 0;
            for (int race = 1; race <= RaceSlots; ++race) {
                const bool hit = (set & (1u << (race - 1))) != 0;
                rows *= hit ? hits[race] : misses[race];
                correct += hit ? 1 : 0;
            }
            CorrectCounts[RaceSlots - correct] += static_cast<int32>(rows);
        }
    }
}

void BM_GradeSingleRows(benchmark::State& state)
{
    SingleRowSystem();
    SetCorrectRow(6);
    for (auto _ : state)
        benchmark::DoNotOptimize(GradeSystem().total);
}

void BM_PlainGradeSingleRows(benchmark::State& state)
{
    SingleRowSystem();
    SetCorrectRow(6);
    for (auto _ : state) {
        PlainGradeSingleRows();
        benchmark::DoNotOptimize(CorrectCounts[1]);
    }
}

void BM_GradeCoupons(benchmark::State& state)
{
    CouponSystem();
    SetCorrectRow(6);
    for (auto _ : state)
        benchmark::DoNotOptimize(GradeSystem().total);
}

void BM_PlainGradeCoupons(benchmark::State& state)
{
    CouponSystem();
    SetCorrectRow(6);
    for (auto _ : state) {
        PlainGradeCoupons();
        benchmark::DoNotOptimize(CorrectCounts[1]);
    }
}

// The next-race view after three races: fifteen counts, one per marked horse of race 4.
void BM_NextRaceView(benchmark::State& state, void (*system)())
{
    system();
    SetCorrectRow(3);
    GradeSystem();
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeNextRaceView().counts[15]);
}

}  // namespace

BENCHMARK(BM_GradeSingleRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainGradeSingleRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GradeCoupons)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainGradeCoupons)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NextRaceView, SingleRows, SingleRowSystem)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NextRaceView, Coupons, CouponSystem)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
