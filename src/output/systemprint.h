#pragma once
// The system print-out: the whole system on paper, one document per copy. A header with the
// system's name, size and stake, then the sections the print-out window ticks, each placed
// beside the one before when it fits, else below it, on a new page when its first block
// would run past the bottom margin. It reads the built system and its conditions from the
// global tables and draws on a print canvas (platform/printcanvas.h).

#include <QString>
#include <QStringList>

#include "model/variabl.h"
#include "output/systemprintsettings.h"
#include "platform/printcanvas.h"

// Everything the print-out window offers for one print.
struct SystemPrintOptions {
    SystemPrintSettings settings;  // the stored boxes, margins, spacing and font
    bool startNumbers = true;      // Kollastartnr
    bool points = true;            // Kollapoeng
    bool otherNumbers = true;      // Kollaovrigt
    bool percentages = true;       // Kollaprocenten
    bool chosenRange = false;      // KnappValdaKup: only the rows or coupons from ... to
    int from = 1;                  // FromkupEdit
    int to = 1;                    // TomkupEdit
    int copies = 1;                // NKopiorEdit
    // The reduction window's boxes: with single rows a condition section is printed only
    // when the varying reduction applied that kind of condition.
    ReductionRestrictions reduction;
};

inline const QString CouponRangeWrongMessage = QStringLiteral("Kupongnumren är fel. Ändra!");
inline const QString PrintAreaTooSmallMessage =
    QStringLiteral("För liten skrivyta. Ändra tecken/marg./pappersstorl");
inline const QString PaperTooNarrowText = QStringLiteral("För liten pappersbredd. Avbryter.");
inline const QString SystemPrinterStartFailedMessage =
    QStringLiteral("Skrivaren kunde inte starta utskriften.");
// The default title, for a system without a name or named "NN".
inline const QString SystemPrintDefaultTitle = QStringLiteral("Vimsta för V64");

// The page and line metrics of one print.
struct SystemPrintGeometry {
    PageMetrics page;
    double textHeight = 0;  // h
    double extra = 0;       // e, the chosen line spacing
    int pitch = 0;          // a = round(h + e)
    int linesPerPage = 0;
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
    int pen = 1;
};

SystemPrintGeometry SystemPrintPage(const PageMetrics& page, const SystemPrintSettings& settings);

// The message that refuses the print before anything is drawn: a wrong range, or a page too
// small for the fixed lines or for 18 lines; empty when it may go ahead. A system without
// coupons or single rows prints its header and conditions.
// The canvas gives the text widths in the print font.
QString SystemPrintRefusal(PrintCanvas& canvas, const SystemPrintOptions& options);

struct SystemPrintResult {
    QStringList messages;  // to show, in order: refusal, page too small, printer failures
    int documents = 0;     // the copies that were begun
};

// Checks, then prints options.copies copies. The canvas ends in the print font.
SystemPrintResult PrintSystem(PrintCanvas& canvas, const SystemPrintOptions& options);
