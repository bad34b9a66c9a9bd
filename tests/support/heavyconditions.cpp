#include "support/heavyconditions.h"

#include "model/variabl.h"
#include "support/marks.h"

void SetStartNrCondition(int c, const std::vector<int>& races, const std::vector<int>& horses,
                         const std::vector<int>& forbidden)
{
    for (int r : races)
        for (int h : horses)
            StartNrCondMarks[r][h][c] = 1;
    for (int k : forbidden)
        StartNrCondForbiddenCounts[k][c] = 1;
    StartNrCondUsed[c] = StartNrCondActive[c] = 1;
}

ConstructionSwitches AllNumberConditions()
{
    MarkEveryRace("AAAABBBBCCCCDDD");
    for (int c = 1; c <= ConditionCount; ++c) {
        const std::vector<int> forbidden = c % 3 == 0 ? std::vector<int>{0} : std::vector<int>{2, 3};
        SetStartNrCondition(c, {c % 6 + 1, (c + 2) % 6 + 1, (c + 4) % 6 + 1},
                            {c % 15 + 1, (c + 4) % 15 + 1, (c + 9) % 15 + 1}, forbidden);
        ConditionGroupMembers[c <= 33 ? 1 : c <= 66 ? 2 : 3][c] = 1;
    }
    const byte limits[] = {0, 20, 33, 20, 33, 20, 34};
    for (int g = 1; g <= StartNrGroupCount; ++g) {
        ConditionGroupActive[g] = 1;
        ConditionGroupLimits[2 * g - 1] = limits[2 * g - 1];
        ConditionGroupLimits[2 * g] = limits[2 * g];
    }
    for (int n = 1; n <= StartNumbers; ++n)
        NrCountForbidden[n][5] = NrCountForbidden[n][6] = 1;
    for (int set = 1; set <= 5; ++set) {
        for (int n = set; n <= StartNumbers; n += 5)
            NrSetCondMarks[n][set] = 1;
        NrSetCondRequire[set] = set % 2;
        NrSetCondRemove[set] = 1 - set % 2;
        NrSetCondLow[set] = set % 2 ? 0 : 5;
        NrSetCondHigh[set] = set % 2 ? 4 : 6;
    }
    EqualNrRule[4] = EqualNrRule[6] = 1;
    OddCountForbidden[0] = OddCountForbidden[6] = 1;
    PairRules[3] = 2;
    ConstructionSwitches s;
    s.startNumbers = s.otherNumbers = true;
    return s;
}
