#pragma once
// The text report of the system: its heading, size and stake, every condition, the win
// chances, and the listing of a range of kept coupons (with their reserves) or single rows,
// as plain text lines. The window shows the lines, copies them and saves them as a .txt file.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "model/domain.h"

inline const QString TextReportNoSystemLine = QStringLiteral("Det finns inget system.");
inline const QString TextReportPromptLine = QStringLiteral("Klicka på knappen \"Visa\".");
inline const QString TextReportTooManyCoupons = QStringLiteral("Högst 100 kuponger i taget. Ändra!");
inline const QString TextReportTooManyRows = QStringLiteral("Högst 500 rader i taget. Ändra!");
inline const QString TextReportLoadFailed = QStringLiteral("Systemet kunde inte läsas in.");

constexpr int32 TextReportMaxCoupons = 100;
constexpr int32 TextReportMaxRows = 500;

// What the window shows when the report starts afresh: the memo's line, the range edits, the
// total and the captions that name coupons or rows.
struct TextReportStart {
    QString memoLine;
    QString firstText;
    QString lastText;
    QString totalText;           // Label4
    QString rangeCaption;        // Label1
    QString onlyListingCaption;  // Endastkuponger
};

// Starts the report afresh for the system as it stands: sets TextReportFirst and
// TextReportLast (1 to the count, at most 100 coupons or 500 rows; 0 and 0 without a system).
TextReportStart StartTextReport();

// What identifies the built system for the report; the window starts afresh only when it
// differs from the one it last started with (or the system was reset meanwhile).
struct TextReportSystemKey {
    flag couponsBuilt = 0;
    flag singleRowsBuilt = 0;
    flag groupSystem = 0;
    int32 keptCoupons = 0;
    int32 rowsKept = 0;
    int32 rowsConstructed = 0;
    int32 singleRows = 0;
    friend bool operator==(const TextReportSystemKey&, const TextReportSystemKey&) = default;
};
TextReportSystemKey CurrentTextReportSystem();

// The number that a range edit's text gives: its first 8 characters read as an integer,
// taken when it lies in 1 ... the count of kept coupons or single rows; otherwise current.
int32 AcceptedTextReportNumber(const QString& text, int32 current);

// The refusal of "Visa" for the range TextReportFirst ... TextReportLast, empty when the
// report may be written.
QString TextReportRangeRefusal();

// The report's lines for the range TextReportFirst ... TextReportLast; empty without a
// system. onlyListing leaves out the groups, conditions and win chances. A system date that
// holds the placeholder "DD" is emptied.
QStringList RenderSystemReport(bool onlyListing);

// The lines of a loaded text file, whatever its content (Windows-1252, any line ends).
QStringList TextReportFileLines(const QByteArray& bytes);

// A chosen file name as the report saves and loads it: cut to 200 characters, its extension
// replaced by ".txt" (or added), cut to 200 again.
QString TextReportFileName(const QString& chosen);
