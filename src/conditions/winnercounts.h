#pragma once
// A-D winner counts: for each group the user allows or forbids each number of races whose
// winner is in that group. A pattern is allowed (plane 10) when, for every group, the
// number of its seven race slots in that group is allowed in WinnerCountAllowed.
//
// The counts are indexed by k = the number of the seven race slots in the group. Race slot
// 7 is always A, so the A label of count k shows k - 1 (Avin1 "0" .. Avin7 "6", Avin0
// hidden) while B, C and D show k (Bvin0 "0" .. Bvin6 "6", Bvin7 hidden).
//
//   ClickWinnerCount(group, k)   a click on label [k][group]: toggles the count unless it is
//                                locked, marks the results stale and re-evaluates.
//   WinnerCountLabel(k, group)   what label [k][group] shows; the look follows from
//                                WinnerCountLocked (impossible: white, silver text) and
//                                WinnerCountAllowed (allowed: lime; forbidden: red).
//
// Every evaluation calls Events::ConditionsChanged.Emit().

#include <QString>

#include "model/domain.h"

// How a count label of a condition looks: impossible with the marks (white, silver text),
// allowed (green, black text) or forbidden (red, black text).
enum class CountLook { Impossible, Allowed, Forbidden };

struct WinnerCountLabelState {
    QString caption;
    bool visible;
    CountLook look;
};

// The label click: ClickedWinnerCount := count, then ToggleAllowedWinners(group).
void ClickWinnerCount(int group, int count);
// Toggles WinnerCountAllowed[ClickedWinnerCount][group] unless that count is locked, then
// runs EvaluateAbcdWinnerCondition (also after a locked click).
void ToggleAllowedWinners(int group);
// Marks the results stale, recomputes plane 10, the removed rows and the ABCD list.
void EvaluateAbcdWinnerCondition();

// The winner-count rule for counts over the seven race slots (0-7 each).
bool WinnerCountsAllow(int nA, int nB, int nC, int nD);
// Plane 10 of every pattern by that rule (after a system load).
void RecomputeWinnerCountPlane();

WinnerCountLabelState WinnerCountLabel(int count, int group);
