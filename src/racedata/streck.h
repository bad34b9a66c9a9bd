#pragma once
// Questions about the streck (the share of the pool staked on each horse) of the races, and
// the raw streck texts that the streck grids show.

#include <QString>
#include <cstdint>

// The sum of the streck of race slot race over all 15 start numbers.
std::int64_t RaceStreckSum(int race);

// StreckPresent := 1 when each of races 1-6 has streck, else 0; announced with
// Events::StreckPresentRecomputed, on which the streck grids repaint. Returns the new value.
bool RecomputeStreckPresent();

// The streck grid cell of a horse: its StreckTexts entry while StreckPresent is 1, else
// "  0"; a text of one character gets two blanks in front ("7" -> "  7").
QString StreckCellText(int race, int horse);
// The streck total of a race: the sum of its 15 StreckValues while StreckPresent is 1,
// else "  0".
QString StreckSumText(int race);
