// The ledger window: "Hämta" changes the grid only after a whole file was read and proposes
// that file next, "Spara" writes the forced ".eko" name, the grid's lines drag the column
// widths, and a printer that cannot start is reported.

#include <gtest/gtest.h>
#include <QFile>
#include <QHeaderView>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include "grading/ui/ekonomiu.h"
#include "platform/textfile.h"
#include "platform/ui/printer.h"
#include "windowset.h"

namespace {

class LedgerWindowTest : public WindowSetTest {
protected:
    void SetUp() override
    {
        WindowSetTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        Ekonomi->Show();
    }

    QString PathOf(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    static void SetCell(int row, int column, const QString& text)
    {
        Ekonomi->StringGrid1->item(row, column)->setText(text);
    }

    QTemporaryDir dir_;
};

TEST_F(LedgerWindowTest, SavesUnderTheLedgerExtensionAndLoadsItBack)
{
    SetCell(0, 1, QStringLiteral(" 120 "));
    SetCell(99, 4, QStringLiteral("sist"));
    TestDialogs().fileNames.push_back(PathOf("bok.txt"));
    Ekonomi->Button3->click();
    ASSERT_FALSE(QFile::exists(PathOf("bok.txt")));
    const std::optional<QStringList> lines = ReadTextLines(PathOf("bok.eko"));
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), 500);
    EXPECT_EQ(lines->at(1), " 120 ");

    Ekonomi->ResetToStartState();
    TestDialogs().fileNames.push_back(PathOf("bok.txt"));
    Ekonomi->Button2->click();
    EXPECT_EQ(Ekonomi->StringGrid1->item(0, 1)->text(), " 120 ");
    EXPECT_EQ(Ekonomi->StringGrid1->item(99, 4)->text(), "sist");

    TestDialogs().fileNames.push_back(PathOf("bok.eko"));
    Ekonomi->Button3->click();
    EXPECT_EQ(TestDialogs().questions, QStringList{QStringLiteral("Ska filen bok.eko skrivas över?")});
    EXPECT_TRUE(TestDialogs().errors.isEmpty());
}

TEST_F(LedgerWindowTest, CancelledOrRefusedLoadsKeepTheGrid)
{
    SetCell(2, 0, QStringLiteral("2024-05-01"));
    Ekonomi->Button2->click();  // cancelled
    EXPECT_EQ(Ekonomi->StringGrid1->item(2, 0)->text(), "2024-05-01");

    QStringList shortFile;
    for (int i = 0; i < 499; ++i)
        shortFile << QStringLiteral("x");
    ASSERT_TRUE(WriteTextLines(PathOf("kort.eko"), shortFile));
    TestDialogs().fileNames.push_back(PathOf("kort.eko"));
    Ekonomi->Button2->click();
    EXPECT_EQ(TestDialogs().messages, QStringList{ShortLedgerFileMessage(PathOf("kort.eko"), 499)});
    EXPECT_EQ(Ekonomi->StringGrid1->item(2, 0)->text(), "2024-05-01");
    EXPECT_EQ(Ekonomi->StringGrid1->item(0, 0)->text(), "");

    TestDialogs().fileNames.push_back(PathOf("saknas.eko"));
    Ekonomi->Button2->click();
    EXPECT_EQ(TestDialogs().messages.last(),
              QStringLiteral("Filen ") + PathOf("saknas.eko") + QStringLiteral(" finns ej."));
}

TEST_F(LedgerWindowTest, LoadProposesTheFileReadLast)
{
    ASSERT_TRUE(WriteTextLines(PathOf("bok.eko"), LedgerFileLines(LedgerCells{})));
    TestDialogs().fileNames = {PathOf("bok.txt"), PathOf("saknas.eko"), QString()};
    for (int i = 0; i < 3; ++i)
        Ekonomi->Button2->click();
    EXPECT_EQ(TestDialogs().proposedNames, (QStringList{QString(), PathOf("bok.eko"), PathOf("bok.eko")}));
}

TEST_F(LedgerWindowTest, ColumnWidthsAreDraggedByTheGridLines)
{
    QWidget* cells = Ekonomi->StringGrid1->viewport();
    const auto widths = [] {
        QList<int> result;
        for (int c = 0; c < LedgerColumns; ++c)
            result << Ekonomi->StringGrid1->columnWidth(c);
        return result;
    };
    SendMouse(cells, QEvent::MouseMove, {30, 5}, Qt::NoButton);
    EXPECT_NE(cells->cursor().shape(), Qt::SplitHCursor);
    SendMouse(cells, QEvent::MouseMove, {70, 5}, Qt::NoButton);  // the line after "Datum"
    EXPECT_EQ(cells->cursor().shape(), Qt::SplitHCursor);
    // The line after "Datum" 30 pixels to the right, the one after "Vinst" as far left as it goes.
    const struct {
        QPoint from;
        QPoint to;
    } drags[] = {{{70, 5}, {100, 5}}, {{221, 45}, {0, 45}}};
    for (const auto& drag : drags) {
        SendMouse(cells, QEvent::MouseButtonPress, drag.from);
        SendMouse(cells, QEvent::MouseMove, drag.to);
        SendMouse(cells, QEvent::MouseButtonRelease, drag.to);
    }
    const int narrowest = Ekonomi->StringGrid1->horizontalHeader()->minimumSectionSize();
    EXPECT_EQ(widths(), (QList<int>{101, 60, narrowest, 60, 244}));
    // A click inside a cell moves no line.
    MouseClick(cells, {150, 5});
    EXPECT_EQ(widths(), (QList<int>{101, 60, narrowest, 60, 244}));
}

TEST_F(LedgerWindowTest, FailedSaveIsReported)
{
    TestDialogs().fileNames.push_back(PathOf("saknas/bok.eko"));
    Ekonomi->Button3->click();
    EXPECT_EQ(TestDialogs().errors, QStringList{QStringLiteral("Filen ") + PathOf("saknas/bok.eko") +
                                                QStringLiteral(" kunde inte skrivas.")});
}

TEST_F(LedgerWindowTest, PrintsToThePrinterAndReportsOneThatCannotStart)
{
    SetCell(0, 0, QStringLiteral("2024-05-01"));
    SharedPrinter().setOutputFormat(QPrinter::PdfFormat);
    SharedPrinter().setOutputFileName(PathOf("ekonomi.pdf"));
    Ekonomi->Button4->click();
    EXPECT_TRUE(QFile::exists(PathOf("ekonomi.pdf")));
    EXPECT_TRUE(TestDialogs().messages.isEmpty());

    SharedPrinter().setOutputFileName(PathOf("saknas/ekonomi.pdf"));
    Ekonomi->Button4->click();
    EXPECT_EQ(TestDialogs().messages, QStringList{QStringLiteral("Skrivaren kunde inte starta utskriften.")});
    SharedPrinter().setOutputFileName(QString());
}

}  // namespace
