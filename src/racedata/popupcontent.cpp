#include "racedata/popupcontent.h"

#include "platform/numbers.h"
#include "racedata/streck.h"

int PopupLeftOffset(int race)
{
    static const int offsets[RaceSlots + 1] = {0, 136, 260, 384, 63, 187, 311, 333};
    return race >= 1 && race <= RaceSlots ? offsets[race] : 0;
}

QString PopupStreckText(const QString& stored)
{
    if (stored.isEmpty())
        return QString();
    QString number = stored;
    if (number.endsWith(QLatin1Char('%'))) {
        number.chop(1);
        while (number.endsWith(QLatin1Char(' ')))
            number.chop(1);
    }
    return number + QStringLiteral(" %");
}

int32 ScaledStreck(int32 streck, std::int64_t sum)
{
    return static_cast<int32>(DivideRoundHalfEven(std::int64_t{streck} * 100, sum));
}

namespace {

QString LineText(int race, int h)
{
    QString line = QString::number(h) + QLatin1Char(' ') + HorseNames[race][h] + QStringLiteral("  ");
    if (race != RaceSlots)
        line += DriverNames[race][h];
    return line;
}

}  // namespace

PopupContent BuildPopupContent(int race, const PopupSwitches& switches)
{
    PopupContent content;
    const std::int64_t sum = RaceStreckSum(race);
    content.keepScaled = switches.str100 && sum < 0;
    for (int h = 1; h <= StartNumbers; ++h) {
        const int k = HorseIndex(race, h);
        PopupLine& line = content.lines[h];
        line.line = LineText(race, h);
        if (switches.points && HorsePoints[k] >= 1)
            line.points = QString::number(HorsePoints[k]);
        if (switches.odds)
            line.odds = OddsTexts[race][h];
        if (switches.streck)
            line.streck = PopupStreckText(StreckTexts[race][h]);
        if (switches.str100 && sum > 0 && !HorseNames[race][h].isEmpty())
            line.scaled = QString::number(ScaledStreck(StreckValues[k], sum)) + QStringLiteral(" %");
    }
    return content;
}
