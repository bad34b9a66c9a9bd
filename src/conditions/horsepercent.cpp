#include "conditions/horsepercent.h"

#include <cstdint>

#include "model/variabl.h"
#include "platform/numbers.h"

void ComputeUnreducedPercent()
{
    for (int r = 1; r <= RaceSlots; ++r) {
        std::int64_t raceRows = 0;
        for (int h = 1; h <= StartNumbers; ++h)
            raceRows += RowsPerHorseUnreduced[HorseIndex(r, h)];
        for (int h = 1; h <= StartNumbers; ++h)
            UnreducedPercent[HorseIndex(r, h)] =
                static_cast<int32>(PercentHalfEven(RowsPerHorseUnreduced[HorseIndex(r, h)], raceRows));
    }
    UnreducedPercentValid = 1;
}
