#include "core/clearing.h"

#include <algorithm>
#include <cstring>

#include "marks/recount.h"
#include "model/notify.h"
#include "model/patterns.h"
#include "model/variabl.h"

namespace {

constexpr int RealRaces = 6;

template <typename T>
void FillBytes(T& table, byte value)
{
    std::memset(static_cast<void*>(&table), value, sizeof table);
}

void SetPlane(int plane, byte value)
{
    std::fill(std::begin(AbcdPatternPlanes[plane]) + 1,
              std::begin(AbcdPatternPlanes[plane]) + PatternCount + 1, value);
}

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
    SetPlane(PlaneTakesPart, 0);
    SetPlane(PlaneHasRows, 0);
    SetPlane(PlaneWinnerCounts, 1);
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
    SetPlane(PlaneGroupConditions, 1);
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
    SetPlane(PlaneCompositionList, 1);
    NejCount = 0;
    RecomputeAfterMarking();
    Events::ConditionsChanged.Emit();
}
