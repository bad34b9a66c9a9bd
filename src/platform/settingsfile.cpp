#include "platform/settingsfile.h"

#include <algorithm>
#include <cstdint>

#include "platform/numbers.h"

namespace {

constexpr qsizetype LongestWord = 32;
constexpr qsizetype LongestFontName = 64;

}  // namespace

bool EveryLineFitsItsPlace(const QStringList& lines, std::span<const SettingsLineCheck> places)
{
    const qsizetype count = std::min<qsizetype>(lines.size(), std::ssize(places));
    for (qsizetype i = 0; i < count; ++i)
        if (!places[static_cast<std::size_t>(i)](lines.at(i)))
            return false;
    return true;
}

bool IsSettingsNumber(const QString& line)
{
    std::int32_t value = 0;
    return TryParseInt(line, value);
}

bool IsSettingsWord(const QString& line)
{
    return !line.isEmpty() && line.size() <= LongestWord &&
           std::all_of(line.begin(), line.end(), [](QChar c) { return c.isLetter(); });
}

bool IsFontName(const QString& line)
{
    return !line.isEmpty() && line.size() <= LongestFontName &&
           std::all_of(line.begin(), line.end(), [](QChar c) { return c.isPrint(); });
}
