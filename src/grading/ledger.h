#pragma once
// The stake-and-win ledger ("Ekonomi"): 100 rows of five free-text cells (date, stake, win,
// balance, notes) that the user fills in by hand. Nothing in it is computed. Its file holds
// exactly 500 lines, one cell a line, row by row, within a row from the date to the notes.

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "platform/printlayout.h"
#include "racedata/racedataprint.h"

constexpr int LedgerRows = 100;
constexpr int LedgerColumns = 5;
constexpr int LedgerFileLineCount = LedgerRows * LedgerColumns;

// [row][column], both from 0.
using LedgerCells = std::array<std::array<QString, LedgerColumns>, LedgerRows>;

inline const QString LedgerFileFilter = QStringLiteral("Ekonomi (*.eko)|*.eko");
inline const QString LedgerPageTooNarrowMessage =
    QStringLiteral("För liten skrivyta. Ändra tecken/pappersstorl");

// The name a chosen file name stands for: its extension replaced by ".eko".
QString LedgerFileName(const QString& chosen);
// The file's 500 lines.
QStringList LedgerFileLines(const LedgerCells& cells);
// The cells from a file's lines: the first 500, the rest ignored; nothing when there are fewer.
std::optional<LedgerCells> ReadLedgerLines(const QStringList& lines);
// What the user is told of a file with fewer than 500 lines.
QString ShortLedgerFileMessage(const QString& path, qsizetype lines);

// The print-out: a heading line at the top of every page, then one line per row that has a
// non-empty cell; a page holds the heading and linesPerPage - 2 rows.
struct LedgerPrintout {
    bool pageTooNarrow = false;  // the sample line is wider than the page: told, printed all the same
    int lineHeight = 0;
    int linesPerPage = 0;
    int pageCount = 1;
    std::vector<PrintedText> texts;
};

// Width of a text in the print font, in printer pixels.
using LedgerTextWidth = std::function<double(const QString& text)>;

LedgerPrintout LayOutLedgerPrintout(const PageMetrics& page, double pointSize, const LedgerTextWidth& width,
                                    const LedgerCells& cells);
