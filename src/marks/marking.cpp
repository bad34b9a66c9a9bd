#include "marks/marking.h"

#include "marks/recount.h"
#include "model/notify.h"
#include "model/variabl.h"

namespace {

void MoveHorse(THorseGroupRecord& marks, int horse, int group)
{
    const int old = marks[0][horse];
    if (old != 0) {
        marks[old][horse] = 0;
        --marks[old][0];
    }
    if (old == group) {
        marks[0][horse] = 0;
        return;
    }
    marks[0][horse] = static_cast<byte>(group);
    marks[group][horse] = 1;
    ++marks[group][0];
}

}  // namespace

bool ToggleGroupMark(int race)
{
    const EventBatch batch;
    const int group = ClickedMarkCode / 100;
    const int horse = ClickedMarkCode - 100 * group;
    if (!IsRace(race) || !IsGroup(group) || !IsHorse(horse))
        return false;
    ReserveOrderReset[race] = 1;
    MoveHorse(HorseGroups[race], horse, group);
    Events::HorseMarked.Emit(race, horse);
    RecomputeAfterMarking();
    return true;
}

int HorseGroupOf(int race, int horse)
{
    return IsRace(race) && IsHorse(horse) ? HorseGroups[race][0][horse] : 0;
}

QString MarkCellCaption(int race, int group, int horse)
{
    return IsGroup(group) && HorseGroupOf(race, horse) == group ? QString::number(horse) : QString();
}

Rgb GroupColour(int group)
{
    return IsGroup(group) ? GroupColours[group] : White;
}

Rgb DataRowColour(int group)
{
    return IsGroup(group) ? GroupColours[group] : PaleCream;
}
