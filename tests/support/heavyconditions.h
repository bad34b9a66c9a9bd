#pragma once
// Condition sets for the benchmarks of the construction engine.

#include <vector>

#include "conditions/rowconditions.h"

// Start-number condition c over the horses of the races, with the hit counts that it forbids;
// used and active.
void SetStartNrCondition(int c, const std::vector<int>& races, const std::vector<int>& horses,
                         const std::vector<int>& forbidden);

// 15 horses in every race: all 100 start-number conditions active, in three groups (conditions
// 1-33, 34-66 and 67-100), and every kind of other number rule: counts per number, five
// number sets, equal numbers, odd counts and pairs. Returns the switches that turn them on.
ConstructionSwitches AllNumberConditions();
