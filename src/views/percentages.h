#pragma once
// The texts of the streck window ("Streckfördelning"): the streck of every horse beside the
// system's share of the horse's race, in whole percent.

#include <QString>

// A share 0-100 right-aligned for the share cells: "   7", " 42", "100".
QString ShareText(int share);

// StreckPresent := 1 when each pool race 1-6 has streck (its 15 StreckValues do not add up
// to 0), else 0. Race slot 7 is not looked at. Returns the new value.
bool UpdateStreckPresent();

// The streck cell of a horse: its StreckTexts entry while StreckPresent is 1, else "  0";
// a text of one character gets two blanks in front.
QString StreckCellText(int race, int horse);
// The streck total of a race: the sum of its 15 StreckValues while StreckPresent is 1,
// else "  0".
QString StreckSumText(int race);

// The system's share of a horse: ShareText of its UnreducedPercent entry.
QString SystemShareText(int race, int horse);
// What a share cell shows before the shares of the current marks exist.
inline const QString NoShareText = QStringLiteral("   0");
