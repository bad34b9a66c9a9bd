#pragma once
// The points column of the race-data window.

#include <QString>

#include "model/variabl.h"

// Takes the 105 points read from a points file into HorsePoints and counts the points as
// loaded.
void StoreLoadedPoints(const int32 (&points)[HorseCount + 1]);
// The text of a horse's points label: its points in decimal, 0 as "0".
QString PointsLabelText(int race, int h);
