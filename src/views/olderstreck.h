#pragma once
// The shares of the older single-row window's two streck windows: per race slot 1-7 and
// start number 1-15 the share in whole percent of the unreduced system's rows, or of the
// single rows, that hold the horse, and the colour of the horse's cell.

#include <array>
#include <optional>

#include <QString>

#include "model/colours.h"
#include "model/domain.h"

// The background of the older single-row window and its streck windows; an unmarked horse
// keeps it.
inline constexpr Rgb OlderWindowTeal{0, 170, 170};

// One share 0-100 per horse, flat per-horse index 1-105 (index 0 unused).
using HorseShares = std::array<byte, HorseCount + 1>;

// The cell colour of a horse showing the value v: teal while the horse is unmarked, white
// for a value of 0, else the colour of its group.
Rgb OlderStreckCellColour(int race, int horse, int value);

// The unreduced system's shares: the low byte of each UnreducedPercent entry, as the table
// holds it, current or not.
HorseShares UnreducedShares();

// The single rows' shares: for each race slot the rows 1..SingleRowCount whose start number
// in that race is h, times 100, divided by the row count and rounded half to even. Nothing
// while the store holds no single rows (SingleRowsBuilt 0 or no rows).
std::optional<HorseShares> ReducedShares();

// A win-chance field of the older single-row window changed to text: a number 0-100 becomes
// the horse's ReductionPoints; an empty text or a number outside 0-100 keeps the old value.
// A text that is no number keeps it too and must be put back: the result is then the text to
// show again.
std::optional<QString> EnterOlderChance(int race, int horse, const QString& text);
// The sum of a race's 15 win chances.
int ChanceSum(int race);

// The transfer to the older single-row window: every horse's ReductionPoints := its
// unreduced share. Returns the shares written.
HorseShares TransferUnreducedSharesToChances();
