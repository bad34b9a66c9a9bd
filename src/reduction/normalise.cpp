#include "reduction/normalise.h"

#include <array>

#include "model/variabl.h"
#include "platform/numbers.h"

namespace {

bool Marked(int race, int startNr)
{
    return HorseGroups[race][0][startNr] > 0;
}

// The first marked horse, in start-number order, whose share is the largest (or smallest).
int FirstMarkedWithExtreme(int race, const std::array<int, StartNumbers + 1>& share, bool largest)
{
    int found = 0;
    for (int h = 1; h <= StartNumbers; ++h) {
        if (!Marked(race, h))
            continue;
        if (found == 0 || (largest ? share[h] > share[found] : share[h] < share[found]))
            found = h;
    }
    return found;
}

void NormalizeRace(int race)
{
    std::int64_t sum = 0;
    for (int h = 1; h <= StartNumbers; ++h)
        if (Marked(race, h))
            sum += ReductionPoints[HorseIndex(race, h)];
    std::array<int, StartNumbers + 1> share{};
    int total = 0;
    for (int h = 1; h <= StartNumbers; ++h) {
        const int points = ReductionPoints[HorseIndex(race, h)];
        if (Marked(race, h) && points > 0)
            share[h] = static_cast<int>(PercentHalfEven(points, sum));
        total += share[h];
    }
    while (total > 100) {
        const int h = FirstMarkedWithExtreme(race, share, true);
        if (h == 0 || share[h] <= 1)
            break;
        --share[h];
        --total;
    }
    while (total > 0 && total < 100) {
        ++share[FirstMarkedWithExtreme(race, share, false)];
        ++total;
    }
    for (int h = 1; h <= StartNumbers; ++h)
        ReductionChance[HorseIndex(race, h)] = static_cast<byte>(share[h]);
}

}  // namespace

void NormalizeReducePoints()
{
    for (int race = 1; race <= RaceSlots; ++race)
        NormalizeRace(race);
}
