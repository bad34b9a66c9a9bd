#include "conditions/horseorder.h"

#include <algorithm>

#include "platform/numbers.h"

HorseOrderListing ListHorsesByPoints(int race, int c)
{
    HorseOrderListing listing;
    for (int h = 1; h <= StartNumbers; ++h) {
        listing.lines[h - 1] = {h, CondPoints[race][h][c], std::nullopt};
        listing.total += CondPoints[race][h][c];
    }
    std::stable_sort(listing.lines.begin(), listing.lines.end(),
                     [](const HorseOrderLine& a, const HorseOrderLine& b) { return a.points > b.points; });
    if (listing.total == 0)
        return listing;
    for (HorseOrderLine& line : listing.lines)
        if (line.points > 0)
            line.percent = static_cast<int32>(PercentHalfEven(line.points, listing.total));
    return listing;
}
