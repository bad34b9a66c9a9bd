#pragma once
// Points normalisation: the points that the player gave the horses for the varying
// reduction (ReductionPoints, 0-100) as whole percents per race (ReductionChance) that add
// up to exactly 100 over the race's marked horses.

// For every race slot 1-7: each marked horse with points gets its share of the race's
// points in whole percent (rounded half to even), every other horse 0; a total above 100 is
// lowered one percent at a time from the first horse with the largest share above 1, a
// total below 100 raised from the first marked horse with the smallest share (0 included).
// A race whose marked horses have no points stays at 0. Changes nothing but ReductionChance.
void NormalizeReducePoints();
