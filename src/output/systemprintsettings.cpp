#include "output/systemprintsettings.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/settingsfile.h"
#include "platform/textfile.h"

namespace {

struct BoxWords {
    bool SystemPrintSettings::*box;
    const char* ticked;
};

// Lines 1-6 in file order.
const std::array<BoxWords, 6> kBoxLines = {{
    {&SystemPrintSettings::ranking, "Rank"},
    {&SystemPrintSettings::chances, "Chanser"},
    {&SystemPrintSettings::winners, "Vinnare"},
    {&SystemPrintSettings::conditions, "Villkor"},
    {&SystemPrintSettings::rows, "Avskrifter"},
    {&SystemPrintSettings::ownText, "EgenText"},
}};

// Lines 7-10 in file order.
const std::array<int SystemPrintSettings::*, 4> kMarginLines = {
    &SystemPrintSettings::topMm, &SystemPrintSettings::bottomMm, &SystemPrintSettings::leftMm,
    &SystemPrintSettings::rightMm};

struct StyleWords {
    bool PrintFont::*style;
    const char* set;
};

// Lines 15-18 in file order.
const std::array<StyleWords, 4> kStyleLines = {{
    {&PrintFont::bold, "Fet"},
    {&PrintFont::italic, "Kursiv"},
    {&PrintFont::underline, "Understruken"},
    {&PrintFont::strikeOut, "Genomstruken"},
}};

const std::array<const char*, 4> kSpacingWords = {"extrastort", "stort", "normalt", "litet"};

// Indices of the lines.
constexpr int kFirstMarginLine = 6;
constexpr int kSpacingLine = 10;
constexpr int kFontNameLine = 11;
constexpr int kFontSizeLine = 12;
constexpr int kFirstStyleLine = 14;
constexpr int kLineCount = 18;
constexpr int kMaxMargin = 999;

QString Word(bool set, const char* word)
{
    const QString w = QString::fromLatin1(word);
    return set ? w : QStringLiteral("ej") + w;
}

std::optional<int> WholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

bool IsWholeNumber(const QString& line)
{
    return WholeNumber(line).has_value();
}

bool IsFontSize(const QString& line)
{
    const std::optional<int> size = WholeNumber(line);
    return size && *size > 0;
}

// What each of the 18 lines holds: the boxes, the margins, the spacing, the font's name and
// size, the orientation and the styles.
const std::array<SettingsLineCheck, kLineCount> kLinePlaces = {
    IsSettingsWord, IsSettingsWord, IsSettingsWord, IsSettingsWord, IsSettingsWord, IsSettingsWord,
    IsWholeNumber,  IsWholeNumber,  IsWholeNumber,  IsWholeNumber,  IsSettingsWord, IsFontName,
    IsFontSize,     IsSettingsWord, IsSettingsWord, IsSettingsWord, IsSettingsWord, IsSettingsWord};

}  // namespace

QStringList SystemPrintSettingsLines(const SystemPrintSettings& settings, bool portrait)
{
    QStringList lines;
    for (const BoxWords& b : kBoxLines)
        lines << Word(settings.*(b.box), b.ticked);
    for (int SystemPrintSettings::*margin : kMarginLines)
        lines << QString::number(settings.*margin);
    lines << QString::fromLatin1(kSpacingWords[static_cast<std::size_t>(settings.spacing)]);
    lines << settings.font.family << QString::number(qRound(settings.font.pointSize));
    lines << (portrait ? QStringLiteral("Portrait") : QStringLiteral("Landscape"));
    for (const StyleWords& s : kStyleLines)
        lines << Word(settings.font.*(s.style), s.set);
    return lines;
}

std::optional<SystemPrintSettings> ReadSystemPrintSettings(const SystemPrintSettings& current,
                                                           const QStringList& lines)
{
    if (!EveryLineFitsItsPlace(lines, kLinePlaces))
        return std::nullopt;
    SystemPrintSettings s = current;
    const int count = static_cast<int>(std::min<qsizetype>(lines.size(), kLineCount));
    for (int line = 0; line < std::min(count, kFirstMarginLine); ++line)
        s.*(kBoxLines[static_cast<std::size_t>(line)].box) =
            lines[line] == QString::fromLatin1(kBoxLines[static_cast<std::size_t>(line)].ticked);
    for (int line = kFirstMarginLine; line < std::min(count, kSpacingLine); ++line)
        s.*(kMarginLines[static_cast<std::size_t>(line - kFirstMarginLine)]) =
            std::clamp(*WholeNumber(lines[line]), 0, kMaxMargin);
    if (count > kSpacingLine)
        for (std::size_t i = 0; i < kSpacingWords.size(); ++i)
            if (lines[kSpacingLine] == QString::fromLatin1(kSpacingWords[i]))
                s.spacing = static_cast<LineSpacing>(i);
    if (count > kFontNameLine)
        s.font.family = lines[kFontNameLine];
    if (count > kFontSizeLine)
        s.font.pointSize = *WholeNumber(lines[kFontSizeLine]);
    if (count < kLineCount)
        return s;
    for (std::size_t i = 0; i < kStyleLines.size(); ++i)
        s.font.*(kStyleLines[i].style) =
            lines[kFirstStyleLine + static_cast<int>(i)] == QString::fromLatin1(kStyleLines[i].set);
    return s;
}

SystemPrintSettingsLoad LoadSystemPrintSettings(const SystemPrintSettings& current, const QString& folder)
{
    return LoadSettingsFile(folder + SystemPrintSettingsFileName, current, [&](const QStringList& lines) {
        return ReadSystemPrintSettings(current, lines);
    });
}

QString SaveSystemPrintSettings(const SystemPrintSettings& settings, bool portrait, const QString& folder)
{
    if (WriteTextLines(folder + SystemPrintSettingsFileName, SystemPrintSettingsLines(settings, portrait)))
        return QString();
    return SystemPrintSettingsWriteFailedMessage;
}
