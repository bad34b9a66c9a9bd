#pragma once
// The own text: free text that the system print-out prints at its end, one printed line per
// line as the own-text window's memo shows it (OwnTextLines, in OwnTextFont; model/variabl.h).
// Its font and column width are kept in "inst1.mmo", its text in "inst2.mmo", both in the
// settings folder.

#include <QString>
#include <QStringList>
#include <optional>

#include "model/variabl.h"
#include "platform/settingsfile.h"

inline const QString OwnTextFontFileName = QStringLiteral("inst1.mmo");
inline const QString OwnTextTextFileName = QStringLiteral("inst2.mmo");
inline const QString OwnTextWriteFailedMessage = QStringLiteral("Filen %1 kunde inte skrivas.");

// What the own-text window holds: its text, font and memo width in pixels.
struct OwnTextState {
    QString text;
    PrintFont font;
    int32 memoWidth = 0;
    friend bool operator==(const OwnTextState&, const OwnTextState&) = default;
};

// The seven lines of "inst1.mmo": font name, size, the four styles, the memo's width.
QStringList OwnTextFontLines(const OwnTextState& state);

// The longest own text, in characters (a line break counts as one). An own text is a note on
// the print-out; up to this length the memo lays its text out again after a keystroke in a few
// milliseconds, even as one line without a blank.
inline constexpr qsizetype OwnTextMaxLength = 32000;
// The largest "inst2.mmo" that can hold such a text (every character a line break, CR LF, and
// the last line's): a larger file is refused before it is read.
inline constexpr qint64 OwnTextMaxFileBytes = 2 * OwnTextMaxLength + 2;
inline const QString OwnTextTooLongMessage =
    QStringLiteral("Den egna texten får vara högst 32\u00A0000 tecken. Texten är oförändrad.");
inline const QString OwnTextFileTooLongMessage = QStringLiteral(
    "Filen inst2.mmo har mer än 32\u00A0000 tecken och är ingen egen text. Den lästes inte in; texten "
    "är oförändrad.");

// The state after "Läs in" from the lines of the two files (nothing: the file is missing or
// unreadable), or nothing when a line of "inst1.mmo" is not what its place holds (a font's
// name, a size of 1-999, a word, a whole number). Without "inst1.mmo" nothing changes. When
// the file ends early (an older layout) or "inst2.mmo" is missing, what was read stays and the
// font's size becomes 10. The text is replaced only when "inst1.mmo" was read whole and
// "inst2.mmo" was read, so a failed read never loses the text on screen. A width is kept
// within minWidth ... maxWidth.
std::optional<OwnTextState> ReadOwnTextFiles(const OwnTextState& current,
                                             const std::optional<QStringList>& fontLines,
                                             const std::optional<QStringList>& textLines, int32 minWidth,
                                             int32 maxWidth);

// Reads both files of folder (a path ending in a separator) into a new state. A refused
// "inst1.mmo" or a "inst2.mmo" longer than OwnTextMaxLength keeps current and gives the
// message to show.
using OwnTextLoad = SettingsFileLoad<OwnTextState>;
OwnTextLoad LoadOwnText(const OwnTextState& current, const QString& folder, int32 minWidth, int32 maxWidth);

// Whether the memo and the print break the text's lines anywhere rather than between words:
// so they do once a run of characters without a blank is longer than a line could ever be,
// since breaking such a run between words costs time that grows with the square of its length.
bool OwnTextBreaksAnywhere(const QString& text);

// Writes both files to folder; the message to show when one could not be written ("inst2.mmo"
// is not written when "inst1.mmo" fails), empty when both were written.
QString SaveOwnText(const OwnTextState& state, const QString& folder);

// The comments of the start-number conditions and the names of the points conditions, as
// "Klistra in kommentarer" appends them to the text; empty when there are none.
QString ConditionCommentsText();

// The column width after one click up or down: wider by 6 while narrower than
// outerWidth - 50, narrower by 6 while wider than 150.
int32 WiderMemo(int32 width, int32 outerWidth);
int32 NarrowerMemo(int32 width);
