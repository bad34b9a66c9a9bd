#pragma once
// The payout interval ("utdelningsintervall"): the lowest and highest estimated payout for
// six correct that a row may have, in kronor (PayoutMin, PayoutMax). Both engines apply
// them while the main window's payout switch is ticked and every race has streck.

#include <QString>

#include "model/variabl.h"

// The largest limit; a maximum of this much is no limit, a minimum of it is one.
constexpr int32 PayoutLimitCeiling = 100000000;

// The limit that an edit's text gives: an integer clamped to 0..PayoutLimitCeiling, or
// previous when the text is not an integer.
int32 PayoutLimitFromText(const QString& text, int32 previous);

// Stores a limit typed into the payout window and marks the rows stale (single rows and
// the reduction grade kept). Returns the text the edit then shows.
QString ChangePayoutMin(const QString& text);
QString ChangePayoutMax(const QString& text);
