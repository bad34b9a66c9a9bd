#pragma once
// The single-row viewer: the single rows ten at a time, each with its start number per race
// and the reserves that the reserve rule gives that start number. SingleRowScrollPos is the
// number of the first row shown.

#include <QString>
#include <optional>

#include "model/variabl.h"

constexpr int SingleRowColumns = 10;

// The scroll bar's maximum for N single rows: 1 up to ten rows, else N - 9.
int32 SingleRowScrollMax(int32 rowCount);
// The page step for N rows, or nothing below 30 rows (the bar keeps the step it has).
std::optional<int32> SingleRowPageStep(int32 rowCount);

// The start number of row 1..N in race slot 1-7; "0" for a row past N.
QString SingleRowStartText(int32 row, int race);
// The reserves of that start number: "0" with none, the first alone, or "first,second".
QString SingleRowReserveText(int32 row, int race);
