#pragma once
// The own-order file (".odg"): the own order of all seven race slots as 105 lines, race-major,
// line (r - 1) x 15 + s holding the start number shown in display slot s of race r.

#include <QString>
#include <QStringList>
#include <optional>

#include "model/variabl.h"

constexpr int OwnOrderFileLineCount = HorseCount;

// An own order, [race 1..7][slot 1..15]; entry [r][0] is not part of the file.
struct OwnOrderTable {
    int32 order[RaceSlots + 1][StartNumbers + 1] = {};
};

// The 105 lines of the file for an own order.
QStringList OwnOrderFileLines(const int32 (&order)[RaceSlots + 1][StartNumbers + 1]);

// The own order that the lines hold, or the reason why they hold none: fewer than 105 lines,
// a line that is not a whole number, or a race slot that does not hold each start number
// 1-15 exactly once. Lines after the 105th are ignored.
struct OwnOrderFileResult {
    std::optional<OwnOrderTable> table;
    QString error;  // a Swedish sentence for the user when table is empty
};
OwnOrderFileResult ParseOwnOrderFile(const QStringList& lines);

// Puts an own order read from a file in force: OwnOrder takes its slots 1-15 (entry 0 of each
// race stays) and the own order becomes the order shown.
void PutOwnOrderInForce(const OwnOrderTable& table);
