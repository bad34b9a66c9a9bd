#include "output/owntext.h"

#include <QFileInfo>
#include <algorithm>
#include <array>

#include "platform/numbers.h"
#include "platform/textfile.h"

namespace {

QString Word(bool on, const char* yes, const char* no)
{
    return QString::fromUtf8(on ? yes : no);
}

constexpr int32 FontSizeLine = 1;
constexpr int32 WidthLine = 6;

// A size that no font has counts as not a number.
bool ReadFontSize(const QString& line, double& size)
{
    int32 value = 0;
    if (!TryParseInt(line, value) || value < 1 || value > 999)
        return false;
    size = value;
    return true;
}

bool IsFontSize(const QString& line)
{
    double size = 0;
    return ReadFontSize(line, size);
}

// What each of the seven lines holds: the font's name and size, the four styles, the width.
const std::array<SettingsLineCheck, 7> FontLinePlaces = {
    IsFontName, IsFontSize, IsSettingsWord, IsSettingsWord, IsSettingsWord, IsSettingsWord, IsSettingsNumber};

// Applies the checked lines of "inst1.mmo" to state in their order; false when the file ends
// early (what came before stays).
bool ApplyFontLines(OwnTextState& state, const QStringList& lines, int32 minWidth, int32 maxWidth)
{
    if (lines.isEmpty())
        return false;
    state.font.family = lines.at(0);
    if (lines.size() <= FontSizeLine)
        return false;
    ReadFontSize(lines.at(FontSizeLine), state.font.pointSize);
    state.font.bold = state.font.italic = state.font.underline = state.font.strikeOut = false;
    bool* styles[] = {&state.font.bold, &state.font.italic, &state.font.underline, &state.font.strikeOut};
    const char* words[] = {"Fet", "Kursiv", "Understruken", "Genomstruken"};
    for (int i = 0; i < 4; ++i) {
        if (lines.size() < i + 3)
            return false;
        *styles[i] = lines.at(i + 2) == QLatin1String(words[i]);
    }
    if (lines.size() <= WidthLine)
        return false;
    state.memoWidth = std::clamp(IntOr(lines.at(WidthLine), state.memoWidth), minWidth, maxWidth);
    return true;
}

// A run of characters without a blank longer than this breaks anywhere: no memo is wide
// enough to show so many characters on one line.
constexpr qsizetype LongestRunBrokenBetweenWords = 500;

}  // namespace

QStringList OwnTextFontLines(const OwnTextState& state)
{
    const PrintFont& f = state.font;
    return {f.family,
            QString::number(RoundHalfEven(f.pointSize)),
            Word(f.bold, "Fet", "ejFet"),
            Word(f.italic, "Kursiv", "ejKursiv"),
            Word(f.underline, "Understruken", "ejUnderstruken"),
            Word(f.strikeOut, "Genomstruken", "ejGenomstruken"),
            QString::number(state.memoWidth)};
}

std::optional<OwnTextState> ReadOwnTextFiles(const OwnTextState& current,
                                             const std::optional<QStringList>& fontLines,
                                             const std::optional<QStringList>& textLines, int32 minWidth,
                                             int32 maxWidth)
{
    if (!fontLines)
        return current;
    if (!EveryLineFitsItsPlace(*fontLines, FontLinePlaces))
        return std::nullopt;
    OwnTextState state = current;
    if (!ApplyFontLines(state, *fontLines, minWidth, maxWidth) || !textLines) {
        state.font.pointSize = 10;
        return state;
    }
    state.text = textLines->join(QLatin1Char('\n'));
    return state;
}

OwnTextLoad LoadOwnText(const OwnTextState& current, const QString& folder, int32 minWidth, int32 maxWidth)
{
    const QString fontPath = folder + OwnTextFontFileName;
    const QString textPath = folder + OwnTextTextFileName;
    if (!QFileInfo::exists(fontPath))
        return {current, QString()};
    if (QFileInfo(textPath).size() > OwnTextMaxFileBytes)
        return {current, OwnTextFileTooLongMessage};
    const std::optional<QStringList> textLines = ReadTextLines(textPath);
    if (textLines && textLines->join(QLatin1Char('\n')).size() > OwnTextMaxLength)
        return {current, OwnTextFileTooLongMessage};
    return LoadSettingsFile(fontPath, current, [&](const QStringList& fontLines) {
        return ReadOwnTextFiles(current, fontLines, textLines, minWidth, maxWidth);
    });
}

bool OwnTextBreaksAnywhere(const QString& text)
{
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > LongestRunBrokenBetweenWords)
            return true;
    }
    return false;
}

QString SaveOwnText(const OwnTextState& state, const QString& folder)
{
    if (!WriteTextLines(folder + OwnTextFontFileName, OwnTextFontLines(state)))
        return OwnTextWriteFailedMessage.arg(OwnTextFontFileName);
    if (!WriteTextLines(folder + OwnTextTextFileName, SplitTextLines(state.text)))
        return OwnTextWriteFailedMessage.arg(OwnTextTextFileName);
    return QString();
}

QString ConditionCommentsText()
{
    QString text;
    for (int i = 1; i <= ConditionCount; ++i) {
        const QString comment = StartNrCondComments[i];
        if (comment.isEmpty())
            continue;
        if (text.isEmpty())
            text += QStringLiteral("Villkor på startnr.  ");
        text += QStringLiteral("%1:").arg(i) + comment + QStringLiteral("   ");
    }
    bool pointsHeading = false;
    for (int i = 1; i <= ConditionCount; ++i) {
        const QString name = PointsCondNames[i];
        if (name.isEmpty())
            continue;
        if (!pointsHeading)
            text += QStringLiteral("Villkor på chans/poäng.  ");
        pointsHeading = true;
        text += QStringLiteral("%1:").arg(i) + name + QStringLiteral("   ");
    }
    return text;
}

int32 WiderMemo(int32 width, int32 outerWidth)
{
    return width < outerWidth - 50 ? width + 6 : width;
}

int32 NarrowerMemo(int32 width)
{
    return width > 150 ? width - 6 : width;
}
