#include "conditions/winnercounts.h"

#include "conditions/abcdlist.h"
#include "conditions/stale.h"
#include "model/notify.h"
#include "model/patterns.h"
#include "model/variabl.h"

namespace {

bool IsCount(int count)
{
    return count >= 0 && count <= 7;
}

}  // namespace

void ClickWinnerCount(int group, int count)
{
    if (!IsGroup(group))
        return;
    ClickedWinnerCount = count;
    ToggleAllowedWinners(group);
}

void ToggleAllowedWinners(int group)
{
    if (!IsGroup(group))
        return;
    const int count = ClickedWinnerCount;
    if (IsCount(count) && WinnerCountLocked[count][group] == 0)
        WinnerCountAllowed[count][group] = WinnerCountAllowed[count][group] == 0 ? 1 : 0;
    EvaluateAbcdWinnerCondition();
}

void EvaluateAbcdWinnerCondition()
{
    const EventBatch batch;
    MarkRowsStale(StaleMain);
    RecomputeWinnerCountPlane();
    RefreshAbcdListRows();
    Events::ConditionsChanged.Emit();
}

bool WinnerCountsAllow(int nA, int nB, int nC, int nD)
{
    return WinnerCountAllowed[nA][GroupA] != 0 && WinnerCountAllowed[nB][GroupB] != 0 &&
           WinnerCountAllowed[nC][GroupC] != 0 && WinnerCountAllowed[nD][GroupD] != 0;
}

void RecomputeWinnerCountPlane()
{
    auto& planes = AbcdPatternPlanes;
    for (int p = 1; p <= PatternCount; ++p) {
        int n[5] = {};
        for (int r = 1; r <= RaceSlots; ++r)
            ++n[planes[r][p]];
        planes[PlaneWinnerCounts][p] = WinnerCountsAllow(n[GroupA], n[GroupB], n[GroupC], n[GroupD]) ? 1 : 0;
    }
}

WinnerCountLabelState WinnerCountLabel(int count, int group)
{
    if (!IsGroup(group) || !IsCount(count))
        return {QString(), false, CountLook::Impossible};
    const bool isA = group == GroupA;
    const int shown = isA && count > 0 ? count - 1 : count;
    const bool visible = isA ? count > 0 : count < 7;
    CountLook look = CountLook::Impossible;
    if (WinnerCountLocked[count][group] == 0)
        look = WinnerCountAllowed[count][group] != 0 ? CountLook::Allowed : CountLook::Forbidden;
    return {QString::number(shown), visible, look};
}
