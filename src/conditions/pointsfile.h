#pragma once
// The points file (".str"): one points condition as 114 lines, one value a line.
//
//   1-105  the points of race slot r, start number h at line (r - 1) * 15 + h (slot 7 included)
//   106    upper row-sum bound        107  lower row-sum bound
//   108    upper row-product bound    109  lower row-product bound (decimal numbers, the
//          working copies CondProdMaxReal/CondProdMinReal; the mantissas are not in the file)
//   110    sum test on (1) or off (0) 111  product test on or off
//   112    sum mode (1 "Krav", 0 "Ta bort")   113  product mode
//   114    the condition's name, at most 40 characters
//
// The points-condition window writes and reads it; the race-data window reads its points and
// name through the same reader.

#include <QString>
#include <QStringList>
#include <optional>

#include "model/variabl.h"

struct PointsFileContent {
    int32 points[HorseCount + 1] = {};  // [1..105], the whole numbers as read
    int32 sumMax = 0, sumMin = 0;
    double prodMax = 0, prodMin = 0;
    int32 sumActive = 0, prodActive = 0, sumMode = 0, prodMode = 0;
    QString name;  // line 114, at most 40 characters
};

constexpr int PointsFileLineCount = 114;
// The largest number a point can hold (one byte).
constexpr int32 PointsFileMaxPoint = 255;

inline const QString PointsFileFilter = QStringLiteral("Streck/chans/poäng (*.str)|*.str");
inline const QString PointsFileUnreadableMessage = QStringLiteral("Strecken kunde inte läsas in.");
inline const QString PointsFileWriteFailedMessage = QStringLiteral("Filen %1 kunde inte skrivas.");

// All or nothing: std::nullopt when a line 1-114 is missing or not a number of its kind
// (or a point lies outside what a point can hold). Lines after the 114th are ignored.
std::optional<PointsFileContent> ParsePointsFile(const QStringList& lines);
// The 114 lines of a content, numbers in plain decimal, product bounds with the decimal comma.
QStringList PointsFileLines(const PointsFileContent& content);

// What the file holds of condition c.
PointsFileContent PointsFileContentOf(int c);
// Stores a read file into condition c the way the window keeps its values: points limited to
// 0-100, sum bounds to 0-700, an active flag or mode other than 1 taken as 0, the name in
// Windows-1252 cut to 40 characters; the
// active count is recounted. The product mantissas and exponents stay. True when the rows the
// condition keeps may have changed (a point, a sum bound, a flag or a mode differs).
bool StorePointsFileContent(int c, const PointsFileContent& content);

// The path with its extension (from the last point of the file name on) replaced by ".str".
QString WithPointsFileExtension(const QString& path);
