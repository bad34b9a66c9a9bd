#include "racedata/ownorderfile.h"

#include "platform/numbers.h"

QStringList OwnOrderFileLines(const int32 (&order)[RaceSlots + 1][StartNumbers + 1])
{
    QStringList lines;
    for (int r = 1; r <= RaceSlots; ++r)
        for (int s = 1; s <= StartNumbers; ++s)
            lines << QString::number(order[r][s]);
    return lines;
}

namespace {

// True when the race's 15 slots hold each start number 1-15 once.
bool IsPermutation(const int32 (&slots)[StartNumbers + 1])
{
    bool seen[StartNumbers + 1] = {};
    for (int s = 1; s <= StartNumbers; ++s) {
        const int32 h = slots[s];
        if (h < 1 || h > StartNumbers || seen[h])
            return false;
        seen[h] = true;
    }
    return true;
}

OwnOrderFileResult Refused(const QString& reason)
{
    return {std::nullopt, QStringLiteral("Den egna ordningen kunde inte läsas in: ") + reason};
}

}  // namespace

OwnOrderFileResult ParseOwnOrderFile(const QStringList& lines)
{
    if (lines.size() < OwnOrderFileLineCount)
        return Refused(QStringLiteral("filen har färre än %1 rader.").arg(OwnOrderFileLineCount));
    OwnOrderTable table;
    for (int r = 1; r <= RaceSlots; ++r) {
        for (int s = 1; s <= StartNumbers; ++s) {
            const int line = HorseIndex(r, s);
            if (!TryParseInt(lines.at(line - 1), table.order[r][s]))
                return Refused(QStringLiteral("rad %1 är inget heltal.").arg(line));
        }
        if (!IsPermutation(table.order[r]))
            return Refused(QStringLiteral("avd %1 har inte varje startnummer 1-15 en gång.").arg(r));
    }
    return {table, QString()};
}

void PutOwnOrderInForce(const OwnOrderTable& table)
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int s = 1; s <= StartNumbers; ++s)
            OwnOrder[r][s] = table.order[r][s];
    OwnOrderMode = 1;
}
