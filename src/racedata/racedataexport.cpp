#include "racedata/racedataexport.h"

#include "model/variabl.h"

QString CsvField(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString CsvLine(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields)
        quoted << CsvField(field);
    return quoted.join(QLatin1Char(','));
}

namespace {

constexpr int TitleLength = 10;

QStringList HorseFields(int race, int h)
{
    const int k = HorseIndex(race, h);
    return {QString::number(h),
            HorseNames[race][h],
            QString::number(StreckValues[k]),
            QString::number(OddsValues[k]),
            QString::number(HorsePoints[k]),
            Scratched[k] == 1 ? QString::number(h) : QString()};
}

}  // namespace

QStringList RaceDataCsvLines()
{
    QStringList lines;
    lines << CsvLine({QString(), StartListHeading});
    lines << CsvLine({QString(), QStringLiteral("Hämtad ") + StartListFetchTime});
    for (int r = 1; r <= RaceSlots; ++r) {
        QStringList title{QString(), RaceInfoLines[r][0].left(TitleLength)};
        if (r == 1)
            title << QStringLiteral("Streck") << QStringLiteral("Odds") << QStringLiteral("Poäng")
                  << QStringLiteral("Strukna");
        lines << CsvLine(title);
        for (int h = 1; h <= StartNumbers; ++h)
            if (HorsePresent[HorseIndex(r, h)] == 1)
                lines << CsvLine(HorseFields(r, h));
        lines << CsvLine({QString()});
    }
    return lines;
}
