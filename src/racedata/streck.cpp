#include "racedata/streck.h"

#include "model/variabl.h"

bool StreckInEveryRace()
{
    for (int race = 1; race <= 6; ++race) {
        long long sum = 0;
        for (int horse = 1; horse <= StartNumbers; ++horse)
            sum += StreckValues[HorseIndex(race, horse)];
        if (sum == 0)
            return false;
    }
    return true;
}
