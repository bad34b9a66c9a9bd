// The recount after a click in the marking grid: 16 384 patterns, the winner-count locks
// and the ABCD list. Also the evaluation after a click on an ABCD group condition with all
// hundred conditions in use.

#include <benchmark/benchmark.h>

#include "conditions/abcdlist.h"
#include "conditions/groupconditions.h"
#include "conditions/stale.h"
#include "marks/marking.h"
#include "marks/recount.h"
#include "model/notify.h"
#include "model/variabl.h"

namespace {

void Click(int race, int group, int horse)
{
    ClickedMarkCode = MarkCode(group, horse);
    ToggleGroupMark(race);
}

void StartClean()
{
    ResetGlobals();
    ClearObservers();
    InitAbcdList();
}

// Typical: three A, two B, two C and one D horse in every race.
void TypicalMarks()
{
    const int perGroup[5] = {0, 3, 2, 2, 1};
    for (int r = 1; r <= 6; ++r) {
        int horse = 1;
        for (int g = 1; g <= 4; ++g)
            for (int i = 0; i < perGroup[g]; ++i)
                Click(r, g, horse++);
    }
}

// Worst case: all fifteen horses of every race marked, every group used.
void FullMarks()
{
    for (int r = 1; r <= 6; ++r)
        for (int h = 1; h <= 15; ++h)
            Click(r, 1 + (h - 1) % 4, h);
}

void BM_ClickAndRecount(benchmark::State& state, void (*marks)())
{
    StartClean();
    marks();
    bool on = false;
    for (auto _ : state) {
        on = !on;
        Click(3, on ? GroupD : GroupA, 1);  // moves horse 1 of race 3 between A and D
        benchmark::DoNotOptimize(RowsAfterGroupConditions);
    }
}
BENCHMARK_CAPTURE(BM_ClickAndRecount, typical, TypicalMarks)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ClickAndRecount, all_horses, FullMarks)->Unit(benchmark::kMicrosecond);

void BM_GroupConditionClick(benchmark::State& state)
{
    StartClean();
    FullMarks();
    for (int c = 1; c <= ConditionCount; ++c) {
        for (int r = 1; r <= 6; ++r) {
            ClickedGroupCondCode = (1 + (c + r) % 4) * 10 + r;
            ToggleAbcdConditionCell(c);
        }
        ClickedGroupCondCode = 6;
        ToggleAbcdConditionHitCount(c);
    }
    for (auto _ : state) {
        ClickedGroupCondCode = 5;
        ToggleAbcdConditionHitCount(50);
        benchmark::DoNotOptimize(RowsAfterGroupConditions);
    }
}
BENCHMARK(BM_GroupConditionClick)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
