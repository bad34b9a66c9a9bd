#pragma once
// The own text: free text that the system print-out prints at its end, one printed line per
// line as the own-text window's memo shows it (OwnTextLines, in OwnTextFont; model/variabl.h).
// Its font and column width are kept in "inst1.mmo", its text in "inst2.mmo", both in the
// settings folder.

#include <QString>
#include <QStringList>
#include <optional>

#include "model/variabl.h"

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

// The state after "Läs in" from the lines of the two files (nothing: the file is missing or
// unreadable). Without "inst1.mmo" nothing changes. Its lines are taken one by one; when one
// is missing or not a number, the rest is skipped and the font's size becomes 10. The text is
// replaced only when "inst1.mmo" was read whole and "inst2.mmo" was read, so a failed read
// never loses the text on screen. A width is kept within minWidth ... maxWidth.
OwnTextState ReadOwnTextFiles(const OwnTextState& current, const std::optional<QStringList>& fontLines,
                              const std::optional<QStringList>& textLines, int32 minWidth, int32 maxWidth);

// Reads both files of folder (a path ending in a separator) into a new state.
OwnTextState LoadOwnText(const OwnTextState& current, const QString& folder, int32 minWidth, int32 maxWidth);
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
