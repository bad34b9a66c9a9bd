#include "racedata/pointscolumn.h"

void StoreLoadedPoints(const int32 (&points)[HorseCount + 1])
{
    for (int k = 1; k <= HorseCount; ++k)
        HorsePoints[k] = points[k];
    PointsLoaded = 1;
}

QString PointsLabelText(int race, int h)
{
    return QString::number(HorsePoints[HorseIndex(race, h)]);
}
