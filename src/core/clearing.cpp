#include "core/clearing.h"

#include <algorithm>

#include "marks/recount.h"
#include "model/notify.h"
#include "model/patterns.h"
#include "model/variabl.h"

namespace {

constexpr int RealRaces = 6;

void ClearStartNrConditions()
{
    FillBytes(StartNrCondMarks, 0);
    FillBytes(StartNrCondForbiddenCounts, 0);
    FillBytes(StartNrCondUnreachableCounts, 1);
    FillBytes(StartNrCondUsed, 0);
    StartNrCondUsedCount = 0;
    FillBytes(ConditionGroupActive, 0);
}

}  // namespace

void ClearAllMarks()
{
    const EventBatch batch;
    for (int r = 1; r <= RealRaces; ++r)
        FillBytes(HorseGroups[r], 0);
    FillBytes(WinnerCountAllowed, 1);
    FillBytes(WinnerCountLocked, 1);
    SetPatternPlane(PlaneTakesPart, 0);
    SetPatternPlane(PlaneHasRows, 0);
    SetPatternPlane(PlaneWinnerCounts, 1);
    RecomputeAfterMarking();
    SingleRowCount = 0;
    std::fill(std::begin(ReserveOrderReset) + 1, std::end(ReserveOrderReset), flag{1});
    ClearStartNrConditions();
    Events::MarksCleared.Emit();
    Events::StartNrConditionsChanged.Emit();
}

void ClearAllGroupConditions()
{
    const EventBatch batch;
    FillBytes(GroupCondCells, 0);
    SetPatternPlane(PlaneGroupConditions, 1);
    FillBytes(GroupCondForbiddenHits, 0);
    FillBytes(GroupCondUnreachableHits, 1);
    GroupCondCount = 0;
    RecomputeAfterMarking();
    Events::ConditionsChanged.Emit();
}

void ClearAllAbcdListNej()
{
    const EventBatch batch;
    FillBytes(CompositionNej, 0);
    SetPatternPlane(PlaneCompositionList, 1);
    NejCount = 0;
    RecomputeAfterMarking();
    Events::ConditionsChanged.Emit();
}
