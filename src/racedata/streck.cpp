#include "racedata/streck.h"

#include "model/notify.h"
#include "model/variabl.h"

namespace {

const QString NoStreckText = QStringLiteral("  0");

// True when each of races 1-6 has streck: its 15 values do not sum to 0.
bool StreckInEveryRace()
{
    for (int race = 1; race <= PoolRaces; ++race)
        if (RaceStreckSum(race) == 0)
            return false;
    return true;
}

}  // namespace

std::int64_t RaceStreckSum(int race)
{
    std::int64_t sum = 0;
    for (int horse = 1; horse <= StartNumbers; ++horse)
        sum += StreckValues[HorseIndex(race, horse)];
    return sum;
}

bool RecomputeStreckPresent()
{
    StreckPresent = StreckInEveryRace() ? 1 : 0;
    Events::StreckPresentRecomputed.Emit();
    return StreckPresent == 1;
}

QString StreckCellText(int race, int horse)
{
    if (!IsRace(race) || !IsHorse(horse) || StreckPresent != 1)
        return NoStreckText;
    const QString& text = StreckTexts[race][horse];
    return text.size() == 1 ? QStringLiteral("  ") + text : text;
}

QString StreckSumText(int race)
{
    if (!IsRace(race) || StreckPresent != 1)
        return NoStreckText;
    return QString::number(RaceStreckSum(race));
}
