#pragma once
// The print canvas on the program's shared printer (platform/ui/printer.h), and the
// conversions between the printer's fonts and the print-outs' font descriptions.

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <optional>

#include "platform/printcanvas.h"

QFont ToQFont(const PrintFont& font);
PrintFont ToPrintFont(const QFont& font);

// Draws on SharedPrinter(). Each document starts in the printer's canvas font
// (PrinterFont()); a font set on the canvas becomes the printer's canvas font, so it stays
// in force for later print-outs. EndDocument() answers whether the document printed, for the
// print-out to report; a document that a print-out leaves open is ended by the next
// BeginDocument() or the canvas's end, which then report a failure themselves
// (PrintFailedMessage).
class PrinterCanvas : public PrintCanvas {
public:
    PrinterCanvas() = default;
    ~PrinterCanvas() override;
    PrinterCanvas(const PrinterCanvas&) = delete;
    PrinterCanvas& operator=(const PrinterCanvas&) = delete;

    PageMetrics Page() const override;
    bool BeginDocument(const QString& title) override;
    bool EndDocument() override;
    void NewPage() override;
    void SetFont(const PrintFont& font) override;
    PrintFont Font() const override;
    double TextWidth(const QString& text) const override;
    void SetPenWidth(int pixels) override;
    int PenWidth() const override { return pen_; }
    void Text(double x, double y, const QString& text) override;
    void Line(double x1, double y1, double x2, double y2) override;

private:
    // Ends a document that its print-out left open and reports its failure, since no
    // print-out is left to do so.
    void EndOpenDocument();
    // The metrics of the painter's font, measured once per font.
    const QFontMetricsF& Metrics() const;

    QPainter painter_;
    mutable std::optional<QFontMetricsF> metrics_;
    int pen_ = 1;
    bool failed_ = false;
};
