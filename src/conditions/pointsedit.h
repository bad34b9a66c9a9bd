#pragma once
// Editing the points conditions (the tables of conditions/pointsconditions.h) as the
// points-condition window does: storing typed values within their limits, keeping the active
// count, clearing, copying and pasting, the possible row sums, the colours of the points
// edits, and the window's copy of the rows-stale reset.
//
// Every change that can change the rows of the system runs MarkRowsStalePoints; a change of
// the name alone does not. Filling the window from the tables changes nothing here.

#include <QString>
#include <QVector>
#include <array>

#include "model/colours.h"
#include "model/variabl.h"

constexpr int32 MaxPoint = 100;
constexpr int32 MaxSumBound = 600;
// The upper sum bound a cleared condition starts with, the largest sum bound a table holds
// (the lower bound's edit reaches it; the upper one's shows it as 600).
constexpr int32 StartSumMax = 700;
// The exponents ("nollor") a product bound may have, in the order of their radio buttons.
constexpr int ProductExponents[] = {0, 3, 6, 9, 12};

// A value limited to the points 0-100 / to the sum bounds 0-600.
byte LimitedPoint(int32 value);
int32 LimitedSumBound(int32 value);
// A sum bound read from a file limited to 0-700, what the tables hold.
int32 LimitedStoredSumBound(int32 value);
// The upper sum bound of condition c as the window shows it and the print-out prints it:
// within 0-600, since no row sum passes 600.
int32 ShownSumMax(int c);

// The points window's rows-stale reset: does nothing while PointsCondLoading is 1; otherwise
// runs the reset once until ResultsStaleShown is cleared again (it keeps the row totals and
// shows "0 %" as the reduction grade).
void MarkRowsStalePoints();
// CondActive of all 100 conditions from their two test switches, and ActivePointsCondCount.
void RecountActivePointsConds();

// The lowest and highest row sum that the marked horses of races 1-6 can give in condition
// c, and the races (ascending) in which a marked horse has points, which take part in the
// row product.
struct PointsSumBounds {
    int32 low = 0;
    int32 high = 0;
    QVector<int> productRaces;
};
PointsSumBounds ComputePointsSumBounds(int c);

// The background of a horse's points edit: the window's teal for a horse outside the system,
// white for a marked horse without points, else the colour of its group.
Rgb PointsEditColour(int race, int horse, int c);

// The sum of the 15 points of race slot r in condition c.
int32 PointsRaceSum(int race, int c);

// The edits of one condition c. Each stores the value and runs the reset (not the name).
void StorePoint(int c, int race, int horse, int32 value);  // limited to 0-100
void StoreSumMin(int c, int32 value);                      // limited to 0-600
void StoreSumMax(int c, int32 value);                      // limited to 0-600
void StoreProductMantissa(int c, bool upper, int32 mantissa);
void StoreProductExponent(int c, bool upper, int32 exponent);
void SetPointsTestActive(int c, bool sumTest, bool on);  // also recounts the active conditions
void TogglePointsMode(int c, bool sumTest);
void StorePointsCondName(int c, const QString& name);  // in Windows-1252, cut to 40 characters

// Limits every point of c to 0-100 as the window shows it (a system file may hold more); runs
// the reset when a point changed. True when one did.
bool LimitStoredPoints(int c);

// Every condition's points, sum bounds, switches, modes and name back to their start values;
// the product mantissas and exponents stay. The reset runs only when a value other than a
// name changed.
void ClearAllPointsConditions();
// The same for condition c only.
void ClearPointsCondition(int c);
// Copies c into the copy buffer (not its product bounds).
void CopyPointsCondition(int c);
// Pastes the copy buffer into c; false (nothing changed) while nothing has been copied.
bool PastePointsCondition(int c);

// Values for all 105 points of a condition, [1..105] as in THorseTable.
using PointsValues = std::array<int32, HorseCount + 1>;

inline const QString RankCondName = QStringLiteral("Rank");
inline const QString StartNumberCondName = QStringLiteral("Startnummer");
inline const QString SumHundredCondName = QStringLiteral("Summa 100");

// The streck in whole per cent ("V64-Procent").
PointsValues StreckPoints();
// The row position of each present horse in the race-data window ("Rank i datarutan"), 0 for
// a start number without a horse in the start list.
PointsValues RankPoints();
// Each horse's start number ("Nr").
PointsValues StartNumberPoints();
// Condition c rescaled race by race to shares of 100, half to even; a share that comes out 0
// for a horse with points becomes 1; a race without points stays 0.
PointsValues RescaledTo100(int c);

// Stores the values (limited to 0-100) and the name as condition c's, then the reset.
void ApplyPointsTransfer(int c, const PointsValues& values, const QString& name);
// "100": keeps c's points and name in the undo store, then applies the rescaled values.
void RescalePointsTo100(int c);
// "Ångra": puts the points and name of the undo store into c.
void UndoPointsRescale(int c);
