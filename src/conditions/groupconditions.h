#pragma once
// ABCD group conditions ("Villkor på ABCD"): 100 conditions on the groups of the race
// slots. A condition selects some groups in some races (cells); a pattern hits it once for
// every race slot whose group is selected, and patterns whose number of hits is forbidden
// are removed (plane 12). Conditions combine by "and".
//
// The main window shows four conditions at a time: the scroll position p (RullistV, 1-97)
// and the column k (1-4) give condition VisibleGroupCondition(p, k).
//
//   ToggleAbcdConditionCell(c)      cell click: ClickedGroupCondCode = group * 10 + race.
//   ToggleAbcdConditionHitCount(c)  hit-count click: ClickedGroupCondCode = hits 0-7;
//                                   ignored while that count cannot occur.
//   GroupCondCellSelected(c, r, g)  a selected cell shows its group's colour, black text;
//                                   an unselected one white with silver text.
//   GroupCondHitLook(c, k)          Impossible (white, silver), Allowed (green), Forbidden
//                                   (red).
//   GroupConditionCountText()       Labelantalvlk: "Villkor, n st".
//
// Both toggles mark the results stale, re-evaluate plane 12 and the ABCD list, and call
// Events::ConditionsChanged.Emit().

#include <QString>

#include "conditions/winnercounts.h"

// Condition number shown in column 1-4 at scroll position 1-97; 0 when either is outside.
int VisibleGroupCondition(int position, int column);

// Both return false when the code or the condition is outside its range, or the hit count
// cannot occur: nothing changed then.
bool ToggleAbcdConditionCell(int condition);
bool ToggleAbcdConditionHitCount(int condition);

// Marks the results stale, recomputes plane 12, GroupCondCount and the ABCD list.
void EvaluateAbcdConditions();

// Keeps GroupCondCells[0][0][c] (race slots with a selected group) and the unreachable hit
// counts of condition c in line with its cells: count k can occur when 1 <= slots and
// k <= slots.
void UpdateGroupConditionReach(int condition);
// Plane 12 of every pattern from the conditions in use (also after a system load).
void RecomputeGroupConditionPlane();

bool GroupCondCellSelected(int condition, int race, int group);
CountLook GroupCondHitLook(int condition, int hits);
QString GroupConditionCountText();
