#include "platform/numbers.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

int DigitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int digit = base;
    if (u >= '0' && u <= '9')
        digit = u - '0';
    else if (u >= 'a' && u <= 'f')
        digit = u - 'a' + 10;
    else if (u >= 'A' && u <= 'F')
        digit = u - 'A' + 10;
    return digit < base ? digit : -1;
}

// Length of the hexadecimal prefix at position i ("$", "x", "X", "0x", "0X"), or 0.
qsizetype HexPrefixLength(const QString& text, qsizetype i)
{
    const auto at = [&](qsizetype k) { return k < text.size() ? text.at(k) : QChar(); };
    if (at(i) == QLatin1Char('$') || at(i) == QLatin1Char('x') || at(i) == QLatin1Char('X'))
        return 1;
    if (at(i) == QLatin1Char('0') && (at(i + 1) == QLatin1Char('x') || at(i + 1) == QLatin1Char('X')))
        return 2;
    return 0;
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

qsizetype SkipDigits(const QString& text, qsizetype i)
{
    while (i < text.size() && IsDigit(text.at(i)))
        ++i;
    return i;
}

}  // namespace

bool TryParseInt(const QString& text, std::int32_t& value)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    const qsizetype prefix = HexPrefixLength(text, i);
    const int base = prefix > 0 ? 16 : 10;
    i += prefix;
    if (i >= text.size())
        return false;
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text.at(i), base);
        if (digit < 0)
            return false;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return false;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<std::int32_t>::max())
        return false;
    value = static_cast<std::int32_t>(signedValue);
    return true;
}

std::int32_t IntOr(const QString& text, std::int32_t fallback)
{
    std::int32_t value = fallback;
    return TryParseInt(text, value) ? value : fallback;
}

std::int64_t RoundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double top = 9223372036854775808.0;  // 2^63
    if (value >= top)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -top)
        return std::numeric_limits<std::int64_t>::min();
    const double below = std::floor(value);
    const double fraction = value - below;  // exact for every double
    auto rounded = static_cast<std::int64_t>(below);
    if (fraction > 0.5 || (fraction == 0.5 && rounded % 2 != 0))
        ++rounded;
    return rounded;
}

std::int64_t DivideRoundHalfEven(std::int64_t numerator, std::int64_t denominator)
{
    if (denominator == 0)
        return 0;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    std::int64_t quotient = numerator / denominator;
    std::int64_t remainder = numerator % denominator;
    if (remainder < 0) {  // floor division: 0 <= remainder < denominator
        --quotient;
        remainder += denominator;
    }
    const std::int64_t rest = denominator - remainder;
    if (remainder > rest || (remainder == rest && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

std::int64_t PercentHalfEven(std::int64_t part, std::int64_t whole)
{
    return DivideRoundHalfEven(part * 100, whole);
}

QString FormatDecimal(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");

    // The fewest significant digits that read back to the same value: "-d.ddde+XX".
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const QString scientific = QString::fromLatin1(buffer, written.ptr - buffer);
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    const bool negative = scientific.startsWith(QLatin1Char('-'));
    QString digits = scientific.left(e).remove(QLatin1Char('-')).remove(QLatin1Char('.'));
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    const int exponent = scientific.mid(e + 1).toInt();  // value = d.ddd x 10^exponent

    QString text;
    if (exponent >= 15 || exponent < -4) {
        text = digits.left(1);
        if (digits.size() > 1)
            text += QLatin1Char(',') + digits.mid(1);
        text += QLatin1Char('E') + QString::number(exponent);
    } else if (exponent < 0) {
        text = QStringLiteral("0,") + QString(-exponent - 1, QLatin1Char('0')) + digits;
    } else {
        const qsizetype whole = exponent + 1;
        if (digits.size() <= whole)
            text = digits + QString(whole - digits.size(), QLatin1Char('0'));
        else
            text = digits.left(whole) + QLatin1Char(',') + digits.mid(whole);
    }
    return negative ? QLatin1Char('-') + text : text;
}

bool TryParseDecimal(const QString& text, double& value)
{
    const QString trimmed = text.trimmed();
    qsizetype i = 0;
    if (i < trimmed.size() && (trimmed.at(i) == QLatin1Char('+') || trimmed.at(i) == QLatin1Char('-')))
        ++i;
    const qsizetype wholeStart = i;
    i = SkipDigits(trimmed, i);
    qsizetype digitCount = i - wholeStart;
    if (i < trimmed.size() && trimmed.at(i) == QLatin1Char(',')) {
        const qsizetype fractionStart = ++i;
        i = SkipDigits(trimmed, i);
        digitCount += i - fractionStart;
    }
    if (digitCount == 0)
        return false;
    if (i < trimmed.size() && (trimmed.at(i) == QLatin1Char('e') || trimmed.at(i) == QLatin1Char('E'))) {
        ++i;
        if (i < trimmed.size() && (trimmed.at(i) == QLatin1Char('+') || trimmed.at(i) == QLatin1Char('-')))
            ++i;
        const qsizetype exponentStart = i;
        i = SkipDigits(trimmed, i);
        if (i == exponentStart)
            return false;
    }
    if (i != trimmed.size())
        return false;
    bool ok = false;
    const double parsed =
        QLocale::c().toDouble(QString(trimmed).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}
