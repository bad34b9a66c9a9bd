#include "views/percentages.h"

#include <cstdint>

#include "model/variabl.h"

namespace {

const QString NoStreckText = QStringLiteral("  0");

std::int64_t StreckTotal(int race)
{
    std::int64_t total = 0;
    for (int horse = 1; horse <= StartNumbers; ++horse)
        total += StreckValues[HorseIndex(race, horse)];
    return total;
}

}  // namespace

QString ShareText(int share)
{
    const QString digits = QString::number(share);
    switch (digits.size()) {
        case 1:
            return QStringLiteral("   ") + digits;
        case 2:
            return QLatin1Char(' ') + digits;
        default:
            return digits;
    }
}

bool UpdateStreckPresent()
{
    StreckPresent = 1;
    for (int race = 1; race <= PoolRaces; ++race)
        if (StreckTotal(race) == 0)
            StreckPresent = 0;
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
    return QString::number(StreckTotal(race));
}

QString SystemShareText(int race, int horse)
{
    if (!IsRace(race) || !IsHorse(horse))
        return NoShareText;
    return ShareText(UnreducedPercent[HorseIndex(race, horse)]);
}
