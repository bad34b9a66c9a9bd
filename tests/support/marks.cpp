#include "support/marks.h"

#include "marks/marking.h"
#include "model/variabl.h"

bool MarkHorse(int race, int group, int startNr)
{
    ClickedMarkCode = MarkCode(group, startNr);
    return ToggleGroupMark(race);
}

void MarkRaces(const std::array<std::string, 6>& races)
{
    ResetGlobals();
    for (int race = 1; race <= PoolRaces; ++race) {
        const std::string& groups = races[race - 1];
        for (std::size_t i = 0; i < groups.size(); ++i)
            if (groups[i] != '.')
                MarkHorse(race, groups[i] - 'A' + GroupA, static_cast<int>(i) + 1);
    }
}

void MarkEveryRace(std::string_view groups)
{
    const std::string letters(groups);
    MarkRaces({letters, letters, letters, letters, letters, letters});
}

void MarkRangeInEveryRace(int first, int last, int group)
{
    for (int race = 1; race <= PoolRaces; ++race)
        for (int startNr = first; startNr <= last; ++startNr)
            MarkHorse(race, group, startNr);
}

void MarkFixedSumSystem(const std::array<int, 6>& horses, int sum)
{
    for (int r = 1; r <= 6; ++r)
        for (int h = 1; h <= horses[r - 1]; ++h) {
            MarkHorse(r, GroupA, h);
            CondPoints[r][h][1] = static_cast<byte>(h);
        }
    CondSumActive[1] = CondActive[1] = 1;
    CondSumMin[1] = CondSumMax[1] = sum;
}
