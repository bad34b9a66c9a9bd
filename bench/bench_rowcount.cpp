// The row count as "Beräkna radantal" starts it, next to the construction engine alone on the
// same rules: 15 horses in every race, all 100 start-number conditions active in three groups
// and the other number rules on (about 10.5 million rows kept). The button's run goes through
// the run guard, the waiting panel and the running count on the shown main window, with
// events let through; the engine alone has no progress callback.

#include <benchmark/benchmark.h>
#include <QPushButton>

#include "conditions/construction.h"
#include "conditions/ui/radvlk.h"
#include "core/ui/huvf.h"
#include "model/variabl.h"
#include "support/heavyconditions.h"
#include "support/windowbench.h"

namespace {

ConstructionSwitches PrepareAllNumberConditions()
{
    const ConstructionSwitches switches = AllNumberConditions();
    ConditionSwitches.startNumbers = switches.startNumbers;
    ConditionSwitches.otherNumbers = switches.otherNumbers;
    return switches;
}

// Both start warm: the windows drawn once and the row store grown by an untimed count.
void BM_RowCountAsTheButtonStartsIt(benchmark::State& state)
{
    PrepareAllNumberConditions();
    V65x->UpdateCheckOnShow = false;
    V65x->Show();
    Radvillkor->Show();
    Radvillkor->Button3->click();
    for (auto _ : state)
        Radvillkor->Button3->click();
    state.counters["rows"] = RowsAccepted;
}

void BM_RowCountEngineAlone(benchmark::State& state)
{
    const ConstructionSwitches switches = PrepareAllNumberConditions();
    BuildCouponsAfterRows = 0;
    ConstructSystemRows(switches);
    for (auto _ : state) {
        BuildCouponsAfterRows = 0;
        ConstructSystemRows(switches);
    }
    state.counters["rows"] = RowsAccepted;
}

}  // namespace

BENCHMARK(BM_RowCountAsTheButtonStartsIt)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RowCountEngineAlone)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    return RunWindowBenchmarks(argc, argv, BenchWindows::Created);
}
