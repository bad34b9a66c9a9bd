#include "conditions/rowcount.h"

#include <utility>

#include "model/variabl.h"

namespace {

ConstructionRun& InstalledRun()
{
    static ConstructionRun run;
    return run;
}

}  // namespace

void SetConstructionRun(ConstructionRun run)
{
    InstalledRun() = std::move(run);
}

ConstructionResult CountSystemRows()
{
    const ConstructionRun& run = InstalledRun();
    if (!run || ConstructionRunning()) {
        ConstructionResult refused;
        refused.outcome = ConstructionOutcome::AlreadyRunning;
        return refused;
    }
    BuildCouponsAfterRows = 0;
    return run();
}

ConstructionResult CountSystemRowsAndRearmStaleGuard()
{
    const ConstructionResult result = CountSystemRows();
    ResultsStaleShown = 0;
    return result;
}
