#include "conditions/groupconditions.h"

#include "conditions/abcdlist.h"
#include "conditions/stale.h"
#include "model/notify.h"
#include "model/patterns.h"
#include "model/variabl.h"

namespace {

constexpr int LastScrollPosition = ConditionCount - 3;

bool IsCondition(int condition)
{
    return condition >= 1 && condition <= ConditionCount;
}

bool IsHitCount(int hits)
{
    return hits >= 0 && hits <= 7;
}

bool InUse(int condition)
{
    return GroupCondCells[0][0][condition] != 0;
}

bool ForbidsAnything(int condition)
{
    for (int k = 0; k <= 7; ++k)
        if (GroupCondForbiddenHits[k][condition] == 1)
            return true;
    return false;
}

void RemovePatternsOf(int condition)
{
    byte selected[RaceSlots + 1][5] = {};
    for (int r = 1; r <= RaceSlots; ++r)
        for (int g = GroupA; g <= GroupD; ++g)
            selected[r][g] = GroupCondCells[r][g][condition] == 1 ? 1 : 0;
    auto& planes = AbcdPatternPlanes;
    for (int p = 1; p <= PatternCount; ++p) {
        if (planes[PlaneGroupConditions][p] == 0)
            continue;
        int hits = 0;
        for (int r = 1; r <= RaceSlots; ++r)
            hits += selected[r][planes[r][p]];
        if (GroupCondForbiddenHits[hits][condition] == 1)
            planes[PlaneGroupConditions][p] = 0;
    }
}

}  // namespace

int VisibleGroupCondition(int position, int column)
{
    if (position < 1 || position > LastScrollPosition || column < 1 || column > 4)
        return 0;
    return position + column - 1;
}

bool ToggleAbcdConditionCell(int condition)
{
    const int group = ClickedGroupCondCode / 10;
    const int race = ClickedGroupCondCode - 10 * group;
    if (!IsCondition(condition) || !IsGroup(group) || !IsRace(race))
        return false;
    flag& cell = GroupCondCells[race][group][condition];
    cell = cell == 1 ? 0 : 1;
    UpdateGroupConditionReach(condition);
    EvaluateAbcdConditions();
    return true;
}

bool ToggleAbcdConditionHitCount(int condition)
{
    const int hits = ClickedGroupCondCode;
    if (!IsCondition(condition) || !IsHitCount(hits) || GroupCondUnreachableHits[hits][condition] == 1)
        return false;
    flag& forbidden = GroupCondForbiddenHits[hits][condition];
    forbidden = forbidden == 1 ? 0 : 1;
    EvaluateAbcdConditions();
    return true;
}

void EvaluateAbcdConditions()
{
    const EventBatch batch;
    MarkRowsStale(StaleMain);
    RecomputeGroupConditionPlane();
    int inUse = 0;
    for (int c = 1; c <= ConditionCount; ++c)
        inUse += InUse(c) ? 1 : 0;
    GroupCondCount = static_cast<byte>(inUse);
    RefreshAbcdListRows();
    Events::ConditionsChanged.Emit();
}

void UpdateGroupConditionReach(int condition)
{
    if (!IsCondition(condition))
        return;
    int slots = 0;
    for (int r = 1; r <= RaceSlots; ++r) {
        bool any = false;
        for (int g = GroupA; g <= GroupD; ++g)
            any = any || GroupCondCells[r][g][condition] == 1;
        slots += any ? 1 : 0;
    }
    GroupCondCells[0][0][condition] = static_cast<flag>(slots);
    for (int k = 0; k <= 7; ++k)
        GroupCondUnreachableHits[k][condition] = slots >= 1 && k <= slots ? 0 : 1;
}

void RecomputeGroupConditionPlane()
{
    for (int p = 1; p <= PatternCount; ++p)
        AbcdPatternPlanes[PlaneGroupConditions][p] = 1;
    for (int c = 1; c <= ConditionCount; ++c)
        if (InUse(c) && ForbidsAnything(c))
            RemovePatternsOf(c);
}

bool GroupCondCellSelected(int condition, int race, int group)
{
    if (!IsCondition(condition) || !IsRace(race) || !IsGroup(group))
        return false;
    return GroupCondCells[race][group][condition] == 1;
}

CountLook GroupCondHitLook(int condition, int hits)
{
    if (!IsCondition(condition) || !IsHitCount(hits) || GroupCondUnreachableHits[hits][condition] == 1)
        return CountLook::Impossible;
    return GroupCondForbiddenHits[hits][condition] != 0 ? CountLook::Forbidden : CountLook::Allowed;
}

QString GroupConditionCountText()
{
    return QStringLiteral("Villkor, %1 st").arg(GroupCondCount);
}
