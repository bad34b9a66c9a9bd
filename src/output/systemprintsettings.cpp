#include "output/systemprintsettings.h"

#include <algorithm>
#include <array>
#include <optional>

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

constexpr int kLineCount = 18;
constexpr int kFirstStyleLine = 14;  // index of line 15
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

SystemPrintSettings ReadSystemPrintSettings(const SystemPrintSettings& current, const QStringList& lines)
{
    SystemPrintSettings s = current;
    const int count = static_cast<int>(lines.size());
    int line = 0;
    for (const BoxWords& b : kBoxLines) {
        if (line >= count)
            return s;
        s.*(b.box) = lines[line++] == QString::fromLatin1(b.ticked);
    }
    for (int SystemPrintSettings::*margin : kMarginLines) {
        if (line >= count)
            return s;
        s.*margin = std::clamp(WholeNumber(lines[line++]).value_or(0), 0, kMaxMargin);
    }
    if (line >= count)
        return s;
    for (std::size_t i = 0; i < kSpacingWords.size(); ++i)
        if (lines[line] == QString::fromLatin1(kSpacingWords[i]))
            s.spacing = static_cast<LineSpacing>(i);
    ++line;
    if (line >= count)
        return s;
    s.font.family = lines[line++];
    if (line >= count)
        return s;
    const std::optional<int> size = WholeNumber(lines[line++]);
    if (!size || *size <= 0)
        return s;
    s.font.pointSize = *size;
    if (count < kLineCount)
        return s;
    for (std::size_t i = 0; i < kStyleLines.size(); ++i)
        s.font.*(kStyleLines[i].style) =
            lines[kFirstStyleLine + static_cast<int>(i)] == QString::fromLatin1(kStyleLines[i].set);
    return s;
}

SystemPrintSettings LoadSystemPrintSettings(const SystemPrintSettings& current, const QString& folder)
{
    const std::optional<QStringList> lines = ReadTextLines(folder + SystemPrintSettingsFileName);
    return lines ? ReadSystemPrintSettings(current, *lines) : current;
}

QString SaveSystemPrintSettings(const SystemPrintSettings& settings, bool portrait, const QString& folder)
{
    if (WriteTextLines(folder + SystemPrintSettingsFileName, SystemPrintSettingsLines(settings, portrait)))
        return QString();
    return SystemPrintSettingsWriteFailedMessage;
}
