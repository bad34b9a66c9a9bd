#include "views/percentages.h"

#include "model/variabl.h"

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

QString SystemShareText(int race, int horse)
{
    if (!IsRace(race) || !IsHorse(horse))
        return NoShareText;
    return ShareText(UnreducedPercent[HorseIndex(race, horse)]);
}
