#pragma once
// The texts of the streck window ("Streckfördelning"): the system's share of every horse's
// race, in whole percent, shown beside the streck (racedata/streck.h).

#include <QString>

// A share 0-100 right-aligned for the share cells: "   7", " 42", "100".
QString ShareText(int share);

// The system's share of a horse: ShareText of its UnreducedPercent entry.
QString SystemShareText(int race, int horse);
// What a share cell shows before the shares of the current marks exist.
inline const QString NoShareText = QStringLiteral("   0");
