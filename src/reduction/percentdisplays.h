#pragma once
// The per-horse figures that the reduction window and the streck window show beside the
// marks: the share of the single rows that hold each horse, and the raw streck with the
// streck sum of every race.

#include <QString>
#include <array>

#include "model/variabl.h"

// SystemStreckPercent of every race slot and start number: the share in whole percent
// (rounded half to even) of the single rows 1..SingleRowCount that hold the horse. With no
// single rows nothing changes. A stored number outside 1-15 counts for no horse. Announces
// the new figures with Events::SystemStreckPercentChanged.
void ShowReducedPercentages();

// What the streck grids show: per race slot 1-7 and start number 1-15 the streck text,
// and per race slot the sum of its streck.
struct StreckGridTexts {
    std::array<std::array<QString, StartNumbers + 1>, RaceSlots + 1> streck;
    std::array<QString, RaceSlots + 1> sums;
};

// The texts from StreckTexts and StreckValues while StreckPresent is 1, else "  0"
// everywhere. A one-character text gets two blanks in front ("7" -> "  7").
StreckGridTexts StreckRawTexts();

// StreckPresent := 1 when each of races 1-6 has streck, else 0; announced with
// Events::StreckPresentRecomputed, on which the streck grids repaint.
void RecomputeStreckPresent();
