#include "conditions/rowcount.h"

#include "conditions/mainrequests.h"
#include "model/variabl.h"

ConstructionResult CountSystemRows()
{
    const auto& run = InstalledCountRun();
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
