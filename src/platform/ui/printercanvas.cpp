#include "platform/ui/printercanvas.h"

#include <QFontMetricsF>
#include <QPen>
#include <QPrinter>

#include "platform/ui/dialogs.h"
#include "platform/ui/printer.h"

QFont ToQFont(const PrintFont& font)
{
    QFont q(font.family);
    q.setPointSizeF(font.pointSize > 0 ? font.pointSize : 10);
    q.setBold(font.bold);
    q.setItalic(font.italic);
    q.setUnderline(font.underline);
    q.setStrikeOut(font.strikeOut);
    return q;
}

PrintFont ToPrintFont(const QFont& font)
{
    PrintFont p;
    p.family = font.family();
    p.pointSize = PointSizeOf(font);
    p.bold = font.bold();
    p.italic = font.italic();
    p.underline = font.underline();
    p.strikeOut = font.strikeOut();
    return p;
}

PrinterCanvas::~PrinterCanvas()
{
    EndOpenDocument();
}

void PrinterCanvas::EndOpenDocument()
{
    if (painter_.isActive() && !EndDocument())
        ShowMessage(PrintFailedMessage);
}

PageMetrics PrinterCanvas::Page() const
{
    return PrinterPage();
}

bool PrinterCanvas::BeginDocument(const QString& title)
{
    EndOpenDocument();
    failed_ = false;
    SharedPrinter().setDocName(title);
    if (!BeginPrinting(painter_))
        return false;
    painter_.setFont(PrinterFont());
    metrics_.reset();
    SetPenWidth(pen_);
    return true;
}

bool PrinterCanvas::EndDocument()
{
    if (!painter_.isActive())
        return false;
    return EndPrinting(painter_) && !failed_;
}

void PrinterCanvas::NewPage()
{
    if (painter_.isActive() && !SharedPrinter().newPage())
        failed_ = true;
}

void PrinterCanvas::SetFont(const PrintFont& font)
{
    const QFont q = ToQFont(font);
    SetPrinterFont(q);
    metrics_.reset();
    if (painter_.isActive())
        painter_.setFont(q);
}

PrintFont PrinterCanvas::Font() const
{
    return ToPrintFont(painter_.isActive() ? painter_.font() : PrinterFont());
}

const QFontMetricsF& PrinterCanvas::Metrics() const
{
    if (!metrics_)
        metrics_.emplace(painter_.isActive() ? painter_.font() : PrinterFont(), &SharedPrinter());
    return *metrics_;
}

double PrinterCanvas::TextWidth(const QString& text) const
{
    return Metrics().horizontalAdvance(text);
}

void PrinterCanvas::SetPenWidth(int pixels)
{
    pen_ = pixels;
    if (!painter_.isActive())
        return;
    QPen pen = painter_.pen();
    pen.setWidth(pixels);
    painter_.setPen(pen);
}

void PrinterCanvas::Text(double x, double y, const QString& text)
{
    if (painter_.isActive())
        painter_.drawText(QPointF(x, y + Metrics().ascent()), text);
}

void PrinterCanvas::Line(double x1, double y1, double x2, double y2)
{
    if (painter_.isActive())
        painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}
