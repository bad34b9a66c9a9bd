#pragma once
// Points conditions ("Poängvillkor"): 100 conditions, each with points 0-100 per horse, a
// row-sum test and a row-product test. The tables and their start values live in
// model/variabl.h (CondPoints, CondSumMin, ...); this file tells what they mean for a row.

#include <array>

#include "model/domain.h"

// A row: the start number of race slots 1-7 (index 0 unused; slot 7 holds the dummy's 1).
using RowNumbers = std::array<int, RaceSlots + 1>;

// Mode values of the sum and product tests.
constexpr int32 PointsModeRequire = 1;  // "Krav": rows outside the bounds are removed
constexpr int32 PointsModeRemove = 0;   // "Ta bort": rows inside the bounds are removed

// mantissa x 10^exponent for the exponents 0, 3, 6, 9 and 12; any other exponent keeps current.
double ProductBound(int32 mantissa, int32 exponent, double current);
// CondProdMinReal and CondProdMaxReal of all 100 conditions from their mantissas and exponents.
void ComputeProductBounds();

// Whether a test with these inclusive bounds and mode removes a row with this value. A mode
// other than "Krav" and "Ta bort" removes nothing.
bool SumTestRejects(int32 sum, int32 min, int32 max, int32 mode);
bool ProductTestRejects(double product, double min, double max, int32 mode);

// Row sum of condition c over the seven slots (the dummy slot adds its points too).
int32 PointsRowSum(int c, const RowNumbers& row);
// Row product of condition c over the seven slots; a point of 0 counts as 1.
double PointsRowProduct(int c, const RowNumbers& row);
// False when a switched-on test of condition c removes the row (product bounds as they stand).
bool RowPassesPointsCondition(int c, const RowNumbers& row);
