#pragma once
// The race-data print-out laid out on pages: the heading and fetch time at the head of every
// page, then per race slot a block of a title line with the column headings and one line per
// horse in the start list, in the order the race-data window shows, and an empty line. A
// block never splits over two pages; a column that is switched off takes no room.

#include <QString>
#include <functional>
#include <vector>

#include "model/variabl.h"
#include "platform/printlayout.h"

struct RaceDataPrintColumns {
    bool points = false;  // CBPoeng
    bool streck = true;   // CBStreck
    bool str100 = true;   // CBStr100
    bool odds = false;    // CBOdds
};

// One text of the print-out: its page (from 0), its left edge and top in printer pixels.
struct PrintedText {
    int page = 0;
    double x = 0;
    double y = 0;
    QString text;
    bool bold = false;
    bool strikeOut = false;
};

struct RaceDataPrintout {
    QString refusal;  // the message when nothing is printed
    int lineHeight = 0;
    int linesPerPage = 0;
    int pageCount = 0;
    std::vector<PrintedText> texts;
};

// Width of text in the print font, in printer pixels; bold when bold is true.
using PrintTextWidth = std::function<double(const QString& text, bool bold)>;

constexpr int RaceDataPrintMarginMm = 10;
constexpr int RaceDataPrintMinimumLines = 25;
inline const QString NothingToPrintMessage = QStringLiteral("Det finns inget att skriva ut.");
inline const QString TextDoesNotFitMessage = QStringLiteral("Texten får inte plats");

// Lines per page for a font of pointSize: the height between the 10 mm margins divided by the
// unrounded line height, rounded down.
int RaceDataLinesPerPage(const PageMetrics& page, double pointSize);

// The streck of a horse scaled to 100 % of its race for the print-out: a race sum of 0 counts
// as 100, and a result of 0 is shown as 1.
int32 PrintedScaledStreck(int32 streck, std::int64_t raceSum);

// The start numbers of race slot race in print order: by their DisplayedSlot, each present
// horse once. Horses that share a slot keep start-number order; a horse whose slot lies
// outside 1-15 comes last.
std::vector<int> PrintOrder(int race);

// The whole print-out from the race-data tables and DisplayedSlot.
RaceDataPrintout LayOutRaceDataPrintout(const PageMetrics& page, double pointSize,
                                        const RaceDataPrintColumns& columns, const PrintTextWidth& width);
