#pragma once
// The random code ("rättningskod"): with "Med rättningskod" chosen, every varying reduction
// starts the generator from the code, so the same code and inputs draw the same rows.

#include <QString>

#include "model/variabl.h"

// The code that the edit's text gives: its integer value, or previous when the text holds
// none (empty, letters, a lone minus sign).
int32 RandomCodeFromText(const QString& text, int32 previous);

// The generator's seed as the code gives it: a negative code as its two's-complement bits.
void SeedFromRandomCode(int32 code);
