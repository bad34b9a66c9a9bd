#include "marks/groupmarks.h"

#include "model/notify.h"
#include "model/variabl.h"

void PaintGroupMarksRaces1to3()
{
    Events::GroupsReplaced.Emit();
}

bool IsPaintedInGroup(int race, int group, int horse)
{
    return IsRace(race) && IsGroup(group) && IsHorse(horse) && HorseGroups[race][group][horse] == 1;
}

int PaintedGroupOf(int race, int horse)
{
    int painted = 0;
    for (int group = GroupA; group <= GroupD; ++group)
        if (IsPaintedInGroup(race, group, horse))
            painted = group;
    return painted;
}
