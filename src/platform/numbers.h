#pragma once
// Numbers as the program reads, rounds and writes them.

#include <QString>
#include <cstdint>

// Reads a whole number the way the program's edit fields always have: blanks (spaces) in
// front, an optional "+" or "-", then decimal digits, or a hexadecimal number after "$",
// "0x" or "x". Nothing may follow, not even a blank, and the value must lie within the
// 32-bit range. On failure value is left as it was and the result is false.
bool TryParseInt(const QString& text, std::int32_t& value);
// The number that text holds, or fallback when it holds none.
std::int32_t IntOr(const QString& text, std::int32_t fallback);

// Rounds to the nearest whole number, a half to the even neighbour (2.5 -> 2, 3.5 -> 4).
// A value outside the 64-bit range is brought to the nearer bound; NaN gives 0.
std::int64_t RoundHalfEven(double value);
// numerator / denominator rounded half to even, exact in integers; 0 when denominator is 0.
std::int64_t DivideRoundHalfEven(std::int64_t numerator, std::int64_t denominator);
// part x 100 / whole rounded half to even (a percentage); 0 when whole is 0.
std::int64_t PercentHalfEven(std::int64_t part, std::int64_t whole);

// A decimal number in the general form with the Swedish decimal comma: the fewest significant
// digits that read back to the same value (TryParseDecimal), no trailing zeros; an exponent
// ("1E15", "2,5E-6") when the number has more than 15 digits before the comma or is below 0,0001.
QString FormatDecimal(double value);
// Reads a decimal number with the decimal comma: blanks around it, an optional sign,
// digits with at most one comma (at least one digit), and an optional exponent "E" or "e"
// with an optional sign and digits. A decimal point is not accepted. A value beyond the
// range of a double is not a number.
bool TryParseDecimal(const QString& text, double& value);
