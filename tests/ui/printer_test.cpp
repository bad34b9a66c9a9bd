#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>

#include "core/ui/info.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/printer.h"
#include "platform/ui/printercanvas.h"
#include "support/filesizelimit.h"

namespace {

// Pages of a PDF file as Qt writes it: one "/Type /Page" object per page.
int PdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    return static_cast<int>(pdf.count("/Type /Page\n"));
}

class Printing : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestDialogs().Reset();
        TestFontChoices().clear();
        savedFont_ = PrinterFont();
        ASSERT_TRUE(dir_.isValid());
        pdf_ = dir_.filePath(QStringLiteral("utskrift.pdf"));
        SharedPrinter().setOutputFormat(QPrinter::PdfFormat);
        SharedPrinter().setOutputFileName(pdf_);
        SharedPrinter().setPageSize(QPageSize(QPageSize::A4));
    }
    void TearDown() override
    {
        SharedPrinter().setOutputFileName(QString());
        SetPrinterFont(savedFont_);
        TestFontChoices().clear();
        TestDialogs() = DialogSeam();
    }

    QTemporaryDir dir_;
    QString pdf_;

private:
    QFont savedFont_;
};

}  // namespace

TEST_F(Printing, PageMetricsComeFromThePrinter)
{
    const PageMetrics page = PrinterPage();
    EXPECT_GT(page.widthPx, 0);
    EXPECT_GT(page.heightPx, page.widthPx);  // A4 portrait
    EXPECT_GT(page.widthMm, 150);
    EXPECT_LE(page.heightMm, 297);
    EXPECT_NEAR(page.PixelsPerMmVertical(), SharedPrinter().resolution() / 25.4, 0.5);
}

TEST_F(Printing, GettingStartedTextPrintsToAFile)
{
    TInformation window;
    const int pages = window.PrintText();
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
    ASSERT_GT(pages, 0);
    EXPECT_EQ(PdfPageCount(pdf_), pages);

    const auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("Info"));
    const int lines = static_cast<int>(memo->toPlainText().split(QLatin1Char('\n')).size());
    const TextPageLayout layout = LayOutTextPages(PrinterPage(), PointSizeOf(window.PrintFont()), 20);
    EXPECT_EQ(pages, PageCount(lines, layout.linesPerPage));
    EXPECT_EQ(PrinterFont(), window.PrintFont());  // printing leaves its font on the canvas
}

TEST_F(Printing, NLinesFillOnePageAndOneMoreStartsASecond)
{
    TInformation window;
    auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("Info"));
    const int n = LayOutTextPages(PrinterPage(), PointSizeOf(window.PrintFont()), 20).linesPerPage;
    ASSERT_GT(n, 1);
    for (const int lines : {n, n + 1}) {
        QStringList text;
        for (int i = 1; i <= lines; ++i)
            text << QStringLiteral("Rad %1").arg(i);
        memo->setPlainText(text.join(QLatin1Char('\n')));
        const int expectedPages = lines == n ? 1 : 2;
        EXPECT_EQ(window.PrintText(), expectedPages) << lines;
        EXPECT_EQ(PdfPageCount(pdf_), expectedPages) << lines;
    }
}

// The line height comes from the font that is printed, not from a larger font that another
// print-out left on the shared canvas; the printed font then stays on the canvas.
TEST_F(Printing, LineHeightComesFromThePrintedFontNotTheOneLeftOnTheCanvas)
{
    TInformation window;
    auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("Info"));
    const PageMetrics page = PrinterPage();
    const int n20 = LayOutTextPages(page, 20, 20).linesPerPage;
    ASSERT_GT(n20, 1);
    ASSERT_GT(LayOutTextPages(page, PointSizeOf(window.PrintFont()), 20).linesPerPage, n20 + 1);
    QStringList text;
    for (int i = 1; i <= n20 + 1; ++i)
        text << QStringLiteral("Rad %1").arg(i);
    memo->setPlainText(text.join(QLatin1Char('\n')));

    SetPrinterFont(QFont(QStringLiteral("Liberation Mono"), 20));
    EXPECT_EQ(window.PrintText(), 1);
    EXPECT_EQ(PrinterFont(), window.PrintFont());
}

TEST_F(Printing, EveryLineOfTheGuideFitsBetweenTheMarginsInTheFirstFont)
{
    TInformation window;
    const PageMetrics page = PrinterPage();
    const TextPageLayout layout = LayOutTextPages(page, PointSizeOf(window.PrintFont()), 20);
    const auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("Info"));
    for (const QString& line : memo->toPlainText().split(QLatin1Char('\n')))
        EXPECT_LE(PrinterTextWidth(window.PrintFont(), line), layout.TextWidth(page)) << line.toStdString();
}

TEST_F(Printing, AFontTooLargeForThePageIsRefused)
{
    TInformation window;
    // Wide enough for the width test to refuse it, and so tall that a page holds no line.
    for (const int pointSize : {60, 2000}) {
        TestDialogs().Reset();
        TestFontChoices().push_back(QFont(QStringLiteral("Liberation Sans"), pointSize));
        window.findChild<QPushButton*>(QStringLiteral("Button3"))->click();
        window.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        EXPECT_EQ(TestDialogs().messages,
                  QStringList{QStringLiteral("För liten skrivyta. Välj mindre tecken.")})
            << pointSize;
        EXPECT_FALSE(QFile::exists(pdf_)) << pointSize;
    }
}

TEST_F(Printing, APageTallEnoughForNoLineIsTooSmallEvenWhenTheTestLineFits)
{
    TInformation window;
    // A font squeezed so narrow that the width test passes, but so tall that the line
    // height exceeds the free height of the page.
    QFont tall(QStringLiteral("Liberation Sans"), 1500);
    tall.setStretch(1);
    TestFontChoices().push_back(tall);
    window.Button3Click();
    const PageMetrics page = PrinterPage();
    const TextPageLayout layout = LayOutTextPages(page, 1500, 20);
    ASSERT_FALSE(layout.HoldsLines());
    const QString testLine = QStringLiteral("För att kunna använda programmet behöver du manualen. Här  ");
    ASSERT_LE(PrinterTextWidth(tall, testLine), layout.TextWidth(page));
    EXPECT_EQ(window.PrintText(), 0);
    EXPECT_EQ(TestDialogs().messages, QStringList{PageTooSmallMessage});
    EXPECT_FALSE(QFile::exists(pdf_));
}

TEST_F(Printing, PrintJobCountsPagesAndLeavesItsFontOnTheCanvas)
{
    const QFont font(QStringLiteral("Liberation Mono"), 12);
    {
        PrintJob job(QStringLiteral("Prov"));
        ASSERT_TRUE(job.IsActive());
        job.SetFont(font);
        job.TextOut(100, 100, QStringLiteral("Sida 1"));
        EXPECT_GT(job.TextWidth(QStringLiteral("Sida 1")), 0);
        job.Line(QPointF(100, 200), QPointF(500, 200));
        job.NewPage();
        job.TextOut(100, 100, QStringLiteral("Sida 2"));
        EXPECT_EQ(job.PageCount(), 2);
    }
    EXPECT_EQ(PdfPageCount(pdf_), 2);
    EXPECT_EQ(PrinterFont(), font);
}

TEST_F(Printing, APrinterThatCannotStartIsReported)
{
    SharedPrinter().setOutputFileName(dir_.filePath(QStringLiteral("saknas/utskrift.pdf")));
    PrintJob job(QStringLiteral("Prov"));
    EXPECT_FALSE(job.IsActive());
    job.TextOut(0, 0, QStringLiteral("inget"));  // does nothing
    EXPECT_EQ(TestDialogs().messages, QStringList{QStringLiteral("Skrivaren kunde inte starta utskriften.")});
}

// With nowhere to print (no printer, no file) a print fails; once a file is chosen, the next
// print goes to it with the page the user had set.
TEST_F(Printing, AFailedStartLeavesThePrinterReadyForTheNextPrint)
{
    const struct {
        const char* name;
        std::function<bool()> print;
    } ways[] = {
        {"print job",
         [] {
             PrintJob job(QStringLiteral("Prov"));
             return job.IsActive() && job.Finish();
         }},
        {"print canvas",
         [] {
             PrinterCanvas canvas;
             return canvas.BeginDocument(QStringLiteral("Prov")) && canvas.EndDocument();
         }},
    };
    for (const auto& way : ways) {
        SharedPrinter().setOutputFileName(QString());
        SharedPrinter().setOutputFormat(QPrinter::PdfFormat);
        SharedPrinter().setPageOrientation(QPageLayout::Landscape);
        EXPECT_FALSE(way.print()) << way.name;

        SharedPrinter().setOutputFileName(pdf_);
        EXPECT_EQ(SharedPrinter().outputFileName(), pdf_) << way.name;
        EXPECT_TRUE(way.print()) << way.name;
        EXPECT_EQ(PdfPageCount(pdf_), 1) << way.name;
        EXPECT_EQ(SharedPrinter().pageLayout().orientation(), QPageLayout::Landscape) << way.name;
        SharedPrinter().setPageOrientation(QPageLayout::Portrait);
        QFile::remove(pdf_);
    }
}

// A document that its print-out left open is ended by the canvas, which then reports a print
// that the disk could not hold itself and leaves no cut file.
TEST_F(Printing, ACanvasEndsADocumentLeftOpenAndReportsItsFailure)
{
    const auto printLeftOpen = [] {
        PrinterCanvas canvas;
        ASSERT_TRUE(canvas.BeginDocument(QStringLiteral("Prov")));
        for (int line = 0; line < 40; ++line)
            canvas.Text(100, 100 + 120 * line,
                        QStringLiteral("Rad %1 av en utskrift som inte avslutas").arg(line));
    };
    printLeftOpen();
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
    const qint64 whole = QFileInfo(pdf_).size();
    ASSERT_GT(whole, 2);
    {
        const FileSizeLimit limit(static_cast<rlim_t>(whole / 2));
        printLeftOpen();
    }
    EXPECT_EQ(TestDialogs().messages.join(QLatin1Char('|')).toStdString(), PrintFailedMessage.toStdString());
    EXPECT_FALSE(QFile::exists(pdf_));
}
