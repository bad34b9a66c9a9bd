#pragma once
// The order of horses: the 15 start numbers of one race slot ordered by their points in one
// points condition, each with its share of the race's total in whole per cent.

#include <array>
#include <optional>

#include "model/variabl.h"

struct HorseOrderLine {
    int startNr = 0;
    int32 points = 0;
    std::optional<int32> percent;  // empty when the horse has no points or the total is 0
};

struct HorseOrderListing {
    std::array<HorseOrderLine, StartNumbers> lines;  // highest points first, ties by start number
    int32 total = 0;
};

// Every start number of race slot 1-7 takes part, marked or not; condition c is 1-100.
HorseOrderListing ListHorsesByPoints(int race, int c);
