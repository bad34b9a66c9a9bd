#include "platform/settingsfile.h"

#include <algorithm>

namespace {

constexpr qsizetype LongestWord = 32;
constexpr qsizetype LongestFontName = 64;

}  // namespace

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
