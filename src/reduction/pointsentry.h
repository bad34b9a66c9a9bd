#pragma once
// The points that the player gives the horses for the varying reduction (ReductionPoints),
// typed one edit at a time or transferred in bulk, and the target number of single rows.
// None of this marks the system stale: these are inputs of the next run only.

#include <QString>
#include <optional>

#include "model/variabl.h"

// A whole number right-aligned for a cell: "   7", " 42", "100".
QString PadCellNumber(int32 n);

// The commit of one points edit: code = 100 x race + start number (101-715), text = what
// the edit holds. A whole number 0-100 is stored; anything else keeps the stored points.
// Returns the text the edit then shows, padded. A code outside the table changes nothing.
QString CommitReducePointEdit(int32 code, const QString& text);

// "Överför till poäng" under the streck: races 1-6 get their streck as points.
void TransferStreckToPoints();
// "Överför till poäng" under the unreduced grid: every race slot gets UnreducedPercent.
void TransferUnreducedToPoints();
// "Läs in": every race slot gets the points of points condition 1-100 (clamped).
void TransferConditionToPoints(int condition);
// The comment of points condition 1-100; empty for any other number.
QString PointsConditionComment(int condition);

// The change of the target edit: stores the number it holds (0 for a negative one) into
// SingleRowTarget; an empty text changes nothing. When the text is not a number the stored
// target stays and the edit is to show the returned text instead.
std::optional<QString> ChangeSingleRowTarget(const QString& text);
// True when leaving the target edit must report "Radantal?": its text is not the stored
// target written plainly (empty, negative, leading zeros, blanks or a sign).
bool SingleRowTargetTextQuestionable(const QString& text);
inline const QString TargetQuestionMessage = QStringLiteral("Radantal?");
