#include "platform/ui/printer.h"

#include <QFile>
#include <QFontDialog>
#include <QFontMetricsF>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "platform/printcanvas.h"
#include "platform/ui/dialogs.h"

namespace {

// The canvas font before any print-out or font choice sets one.
QFont DefaultPrinterFont()
{
    return QFont(QStringLiteral("Liberation Sans"), 10);
}

QFont& CanvasFont()
{
    // Kept for the whole run, past the end of the application object.
    static QFont* font = new QFont(DefaultPrinterFont());
    return *font;
}

QPrinter*& PrinterInUse()
{
    // Kept for the whole run, past the end of the application object.
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
    return printer;
}

// A fresh printer with the choices of old: the printer or file, the page and the copies.
QPrinter* PrinterLike(const QPrinter& old)
{
    auto* fresh = new QPrinter(QPrinter::HighResolution);
    if (old.outputFormat() == QPrinter::NativeFormat)
        fresh->setPrinterName(old.printerName());
    else
        fresh->setOutputFormat(old.outputFormat());
    if (!old.outputFileName().isEmpty())
        fresh->setOutputFileName(old.outputFileName());
    fresh->setPageLayout(old.pageLayout());
    fresh->setFullPage(old.fullPage());
    fresh->setCopyCount(old.copyCount());
    fresh->setCollateCopies(old.collateCopies());
    fresh->setPageOrder(old.pageOrder());
    fresh->setColorMode(old.colorMode());
    fresh->setDuplex(old.duplex());
    fresh->setPaperSource(old.paperSource());
    return fresh;
}

void RenewPrinter()
{
    QPrinter*& printer = PrinterInUse();
    QPrinter* failed = printer;
    printer = PrinterLike(*failed);
    delete failed;
}

// The PDF's end-of-file marker, which the printer writes last.
bool PrintedFileIsWhole(const QString& path)
{
    constexpr qint64 tail = 32;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(std::max<qint64>(0, file.size() - tail)))
        return false;
    return file.read(tail).trimmed().endsWith("%%EOF");
}

}  // namespace

QPrinter& SharedPrinter()
{
    return *PrinterInUse();
}

bool BeginPrinting(QPainter& painter)
{
    if (painter.begin(&SharedPrinter()))
        return true;
    if (SharedPrinter().printerState() == QPrinter::Active)
        RenewPrinter();
    return false;
}

bool EndPrinting(QPainter& painter)
{
    const QPrinter& printer = SharedPrinter();
    const bool ended = painter.end() && printer.printerState() != QPrinter::Error;
    const QString file = printer.outputFileName();
    if (file.isEmpty() || PrintedFileIsWhole(file))
        return ended;
    QFile::remove(file);
    RenewPrinter();
    return false;
}

QFont PrinterFont()
{
    return CanvasFont();
}

void SetPrinterFont(const QFont& font)
{
    CanvasFont() = font;
}

double PointSizeOf(const QFont& font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
}

PageMetrics PrinterPage()
{
    const QPrinter& printer = SharedPrinter();
    return PageMetrics{static_cast<double>(printer.width()), static_cast<double>(printer.height()),
                       static_cast<double>(printer.widthMM()), static_cast<double>(printer.heightMM())};
}

double PrinterTextWidth(const QFont& font, const QString& text)
{
    return QFontMetricsF(font, &SharedPrinter()).horizontalAdvance(text);
}

bool ChoosePrinter(QWidget* parent)
{
    if (TestDialogs().active)
        return false;
    QPrintDialog dialog(&SharedPrinter(), parent);
    return dialog.exec() == QDialog::Accepted;
}

std::deque<std::optional<QFont>>& TestFontChoices()
{
    static std::deque<std::optional<QFont>> choices;
    return choices;
}

bool FontDialog::Execute(QWidget* parent)
{
    std::optional<QFont> chosen;
    if (TestDialogs().active) {
        std::deque<std::optional<QFont>>& choices = TestFontChoices();
        if (!choices.empty()) {
            chosen = choices.front();
            choices.pop_front();
        }
    } else {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, font_, parent);
        if (ok)
            chosen = font;
    }
    if (chosen)
        font_ = *chosen;
    return chosen.has_value();
}

PrintJob::PrintJob(const QString& title)
{
    QPrinter& printer = SharedPrinter();
    printer.setDocName(title);
    if (!BeginPrinting(painter_)) {
        ShowMessage(QStringLiteral("Skrivaren kunde inte starta utskriften."));
        return;
    }
    painter_.setFont(CanvasFont());
}

PrintJob::~PrintJob()
{
    Finish();
}

void PrintJob::NewPage()
{
    if (!IsActive())
        return;
    if (SharedPrinter().newPage())
        ++pages_;
    else
        failed_ = true;
}

bool PrintJob::Finish()
{
    if (!IsActive())
        return false;
    const bool printed = EndPrinting(painter_) && !failed_;
    if (!printed)
        ShowMessage(PrintFailedMessage);
    return printed;
}

void PrintJob::SetFont(const QFont& font)
{
    SetPrinterFont(font);
    if (IsActive())
        painter_.setFont(font);
}

void PrintJob::SetPenWidth(int pixels)
{
    if (!IsActive())
        return;
    QPen pen = painter_.pen();
    pen.setWidth(pixels);
    painter_.setPen(pen);
}

void PrintJob::TextOut(double x, double y, const QString& text)
{
    if (IsActive())
        painter_.drawText(QPointF(x, y + QFontMetricsF(painter_.font(), painter_.device()).ascent()), text);
}

double PrintJob::TextWidth(const QString& text) const
{
    return PrinterTextWidth(painter_.isActive() ? painter_.font() : CanvasFont(), text);
}

void PrintJob::Line(QPointF from, QPointF to)
{
    if (IsActive())
        painter_.drawLine(from, to);
}
