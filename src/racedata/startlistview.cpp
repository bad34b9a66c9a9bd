#include "racedata/startlistview.h"

#include <algorithm>

int StartListLeftOffset(int race)
{
    return 106 + 61 * (race - 1);
}

namespace {

void ShowNoStartList(StartListView& view)
{
    view.nameLeft = 0;
    view.rows[1].name = QStringLiteral("För att se startlistan måste");
    view.rows[2].name = QStringLiteral("du för först hämta in den");
    view.rows[3].name = QStringLiteral("till programmet.");
}

QString StreckCell(int race, int h)
{
    const int k = HorseIndex(race, h);
    return HorsePresent[k] == 1 ? QString::number(StreckValues[k]) + QStringLiteral(" %") : QString();
}

QString OddsCell(int race, int h)
{
    const int k = HorseIndex(race, h);
    if (HorsePresent[k] != 1)
        return QString();
    return Scratched[k] != 0 ? QStringLiteral("Str") : QString::number(OddsValues[k]);
}

}  // namespace

StartListView BuildStartListView(int race, const StartListSwitches& switches)
{
    StartListView view;
    for (int h = 1; h <= StartNumbers; ++h)
        view.rows[h].scratched = Scratched[HorseIndex(race, h)] == 1;
    if (StartListLoaded != 1) {
        ShowNoStartList(view);
        return view;
    }
    int x = 0;
    if (switches.streck) {
        view.streckLeft = 0;
        x = 33;
    }
    if (switches.odds) {
        view.oddsLeft = x;
        x += 26;
    }
    view.numberLeft = x;
    if (switches.name)
        view.nameLeft = x + 18;
    for (int h = 1; h <= StartNumbers; ++h) {
        StartListRow& row = view.rows[h];
        row.number = QString::number(h);
        if (switches.streck)
            row.streck = StreckCell(race, h);
        if (switches.odds)
            row.odds = OddsCell(race, h);
        if (switches.name)
            row.name = HorseNames[race][h];
    }
    if (!switches.streck && !switches.odds && !switches.name)
        view.hint = QStringLiteral("Klicka på streck, odds eller häst.");
    return view;
}

namespace {

// The text after one blank for each width from 2 up to `width` that it is shorter than.
QString AlignedRight(const QString& text, int width)
{
    const int length = std::max(static_cast<int>(text.size()), 1);
    return QString(std::max(0, width - length), QLatin1Char(' ')) + text;
}

// The number, the odds (or "  EJ " for a scratched horse), the streck and the name.
QString ListingLine(int race, int h)
{
    const int k = HorseIndex(race, h);
    const QString odds = Scratched[k] == 1 ? QStringLiteral("  EJ ")
                                           : AlignedRight(OddsTexts[race][h], 3) + QStringLiteral("  ");
    return QStringLiteral(" ") + AlignedRight(QString::number(h), 2) + QStringLiteral("  ") + odds +
           AlignedRight(StreckTexts[race][h], 2) + QStringLiteral(" %  ") + HorseNames[race][h];
}

}  // namespace

QStringList StartListListing()
{
    QStringList lines;
    for (int r = 1; r <= PoolRaces; ++r) {
        lines << QStringLiteral(" ") + RaceInfoLines[r][0] + QStringLiteral("Avd ") + QString::number(r)
              << QString();
        for (int h = 1; h <= StartNumbers; ++h)
            if (HorsePresent[HorseIndex(r, h)] == 1)
                lines << ListingLine(r, h);
        lines << QString() << QString();
    }
    return lines;
}
