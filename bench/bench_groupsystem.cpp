// The group-system builder on the largest pattern sets the marks allow.
#include <benchmark/benchmark.h>

#include <array>
#include <functional>
#include <string>

#include "conditions/abcdlist.h"
#include "conditions/groupsystem.h"
#include "marks/marking.h"
#include "model/patterns.h"
#include "model/variabl.h"
#include "support/marks.h"

namespace {

// Plane 12 := allowed(groups of races 1-6) for every pattern, then the rows left are recounted.
void AllowPatterns(const std::function<bool(const int*)>& allowed)
{
    for (int p = 1; p <= PatternCount; ++p) {
        int groups[RaceSlots + 1] = {};
        for (int r = 1; r <= RaceSlots; ++r)
            groups[r] = AbcdPatternPlanes[r][p];
        AbcdPatternPlanes[PlaneGroupConditions][p] = allowed(groups) ? 1 : 0;
    }
    RefreshAbcdListRows();
}

void RunBuilder(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SplitGroupSystemIntoCoupons());
    state.counters["patterns"] = static_cast<double>([] {
        int n = 0;
        for (int p = 1; p <= PatternCount; ++p)
            n += AbcdPatternPlanes[PlaneTakesPart][p];
        return n;
    }());
    state.counters["coupons"] = CouponCount;
}

const std::array<std::string, 6> FourGroupsEverywhere = {"AABBCCDD", "AABBCCDD", "AABBCCDD",
                                                         "AABBCCDD", "AABBCCDD", "AABBCCDD"};

// All 4 096 patterns allowed: the passes fold them into one coupon.
void BM_GroupSystemAllPatterns(benchmark::State& state)
{
    MarkRaces(FourGroupsEverywhere);
    RunBuilder(state);
}

// The 1 024 patterns whose group numbers sum to a multiple of 4: no two differ in one race
// only, so nothing merges and every pass compares all pairs.
void BM_GroupSystemNothingMerges(benchmark::State& state)
{
    MarkRaces(FourGroupsEverywhere);
    AllowPatterns([](const int* g) {
        int sum = 0;
        for (int r = 1; r <= 6; ++r)
            sum += g[r] - 1;
        return sum % 4 == 0;
    });
    RunBuilder(state);
}

// A typical system: uneven groups, at least two A winners and at most one D winner.
void BM_GroupSystemTypical(benchmark::State& state)
{
    MarkRaces({"ABBCD", "AB", "ABCCDD", "A", "ABC", "AABBCD"});
    AllowPatterns([](const int* g) {
        int a = 0, d = 0;
        for (int r = 1; r <= 6; ++r) {
            a += g[r] == 1;
            d += g[r] == 4;
        }
        return a >= 2 && d <= 1;
    });
    RunBuilder(state);
}

}  // namespace

BENCHMARK(BM_GroupSystemAllPatterns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupSystemNothingMerges)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupSystemTypical)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
