#pragma once
// The one printer that every print-out of the program uses, with its canvas font, its page
// in pixels and millimetres, the printer and font dialogs, and a print job that writes text
// and lines on it.

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <deque>
#include <optional>

#include "platform/printlayout.h"

class QPrinter;
class QWidget;

// The shared printer: the system's default printer until one is chosen in the printer
// dialog, in high resolution. Tests send its output to a file with
// setOutputFormat(QPrinter::PdfFormat) and setOutputFileName().
QPrinter& SharedPrinter();

// Begins and ends painter's document on the shared printer. A failed print can leave the
// printer unusable: marked as printing after a failed start, which refuses every later choice
// of printer or file, or writing nothing more after a failed write. Such a printer gives way
// to a fresh one with the same choices. A document printed to a file counts as printed only
// when the file is whole (a full disk cuts it); a cut file is removed.
bool BeginPrinting(QPainter& painter);
bool EndPrinting(QPainter& painter);

// The printer's canvas font. It is shared by every print-out: whoever put a font on it last
// decides the font the next print-out starts from.
QFont PrinterFont();
void SetPrinterFont(const QFont& font);

// The point size of font; a font given in pixels counts at 96 pixels an inch.
double PointSizeOf(const QFont& font);

// The printable area of the shared printer's page, in pixels and in whole millimetres.
PageMetrics PrinterPage();
// The width of text in font, in the shared printer's pixels.
double PrinterTextWidth(const QFont& font, const QString& text);

// The platform's printer dialog for the shared printer; true when the user chose one.
bool ChoosePrinter(QWidget* parent);

// A font dialog that keeps its font from one showing to the next.
class FontDialog {
public:
    explicit FontDialog(const QFont& font) : font_(font) {}

    const QFont& font() const { return font_; }
    void setFont(const QFont& font) { font_ = font; }
    // Shows the dialog; the font changes only when the user confirms. True on confirm.
    bool Execute(QWidget* parent);

private:
    QFont font_;
};

// While the dialog seam (platform/dialogs.h) is active no printer or font dialog is shown:
// the printer dialog counts as cancelled, and each font dialog takes the next queued answer,
// a font (confirmed) or nothing (cancelled); an empty queue cancels.
std::deque<std::optional<QFont>>& TestFontChoices();

// One document on the shared printer, started on construction in the canvas font and ended by
// Finish() or, at the latest, when the job goes out of scope. Either end tells the user of a
// print that failed or was cut (PrintFailedMessage), so no caller can drop the failure.
// Coordinates are printer pixels of the printable area.
class PrintJob {
public:
    // title: the document's name in the print queue. When the printer cannot start, the
    // user is told and the job is inactive: nothing it is asked to do is printed.
    explicit PrintJob(const QString& title);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    bool IsActive() const { return painter_.isActive(); }
    int PageCount() const { return pages_; }

    void NewPage();
    // Puts font on the canvas; it stays there for later print-outs.
    void SetFont(const QFont& font);
    void SetPenWidth(int pixels);
    // Text with its left edge at x and its top at y.
    void TextOut(double x, double y, const QString& text);
    double TextWidth(const QString& text) const;
    void Line(QPointF from, QPointF to);
    // Ends the document; false, after telling the user, when the printer failed on the way.
    // False also for a job that never started or has ended.
    bool Finish();

private:
    QPainter painter_;
    int pages_ = 1;
    bool failed_ = false;
};
