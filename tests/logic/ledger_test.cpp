#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>

#include "grading/ledger.h"
#include "platform/textfile.h"

namespace {

// Every text 10 pixels a character, on a page of 100 x 200 mm at 10 pixels a millimetre.
const PageMetrics Page{1000, 2000, 100, 200};
double TenPerCharacter(const QString& text)
{
    return 10.0 * text.size();
}

LedgerCells FilledRows(std::initializer_list<int> rows)
{
    LedgerCells cells;
    for (int r : rows)
        cells[static_cast<std::size_t>(r)][0] = QStringLiteral("rad %1").arg(r + 1);
    return cells;
}

// The y of the first cell of every printed line, by page.
std::vector<std::vector<double>> LineTops(const LedgerPrintout& printout)
{
    std::vector<std::vector<double>> pages(static_cast<std::size_t>(printout.pageCount));
    for (std::size_t i = 0; i < printout.texts.size(); i += LedgerColumns)
        pages[static_cast<std::size_t>(printout.texts[i].page)].push_back(printout.texts[i].y);
    return pages;
}

TEST(LedgerFile, EmptyLedgerIsFiveHundredEmptyLines)
{
    const QStringList lines = LedgerFileLines(LedgerCells{});
    ASSERT_EQ(lines.size(), 500);
    EXPECT_TRUE(std::all_of(lines.begin(), lines.end(), [](const QString& l) { return l.isEmpty(); }));
}

TEST(LedgerFile, SaveAndLoadKeepEveryCellWithItsBlanks)
{
    QTemporaryDir dir;
    LedgerCells cells;
    cells[0] = {QStringLiteral("2024-05-01"), QStringLiteral("  120 "), QStringLiteral("0"),
                QStringLiteral("-120"), QStringLiteral(" V64 Åby  ")};
    cells[99][4] = QStringLiteral("sist ");
    const QString path = dir.filePath(QStringLiteral("bok.eko"));
    ASSERT_TRUE(WriteTextLines(path, LedgerFileLines(cells)));
    const std::optional<QStringList> lines = ReadTextLines(path);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), 500);
    const std::optional<LedgerCells> read = ReadLedgerLines(*lines);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, cells);
}

TEST(LedgerFile, ShortFilesAreRefusedAndExtraLinesIgnored)
{
    QStringList lines = LedgerFileLines(FilledRows({0}));
    EXPECT_FALSE(ReadLedgerLines(lines.mid(0, 499)));
    EXPECT_FALSE(ReadLedgerLines({}));
    lines << QStringLiteral("extra") << QStringLiteral("mer");
    const std::optional<LedgerCells> read = ReadLedgerLines(lines);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, FilledRows({0}));
}

TEST(LedgerFile, ChosenNameTakesTheLedgerExtension)
{
    EXPECT_EQ(LedgerFileName(QStringLiteral("/tmp/bok.txt")), QStringLiteral("/tmp/bok.eko"));
    EXPECT_EQ(LedgerFileName(QStringLiteral("/tmp/bok")), QStringLiteral("/tmp/bok.eko"));
    EXPECT_EQ(LedgerFileName(QStringLiteral("/tmp/bok.eko")), QStringLiteral("/tmp/bok.eko"));
}

TEST(LedgerPrint, EmptyRowsTakeNoLine)
{
    const LedgerPrintout printout = LayOutLedgerPrintout(Page, 10, TenPerCharacter, FilledRows({2, 6}));
    // h = 10 x 10 / 2.54 = 39.37, line 46, margins 100: (2000 - 200) / 45.93 = 39 lines.
    EXPECT_EQ(printout.lineHeight, 46);
    EXPECT_EQ(printout.linesPerPage, 39);
    EXPECT_EQ(LineTops(printout), (std::vector<std::vector<double>>{{100, 146, 192}}));
    EXPECT_EQ(printout.texts[5].text, "rad 3");
    EXPECT_EQ(printout.texts[10].text, "rad 7");
    // Columns: 10 mm, then the widths of "123456789  " and three times "12345678  ".
    const double x[] = {100, 210, 310, 410, 510};
    for (int c = 0; c < LedgerColumns; ++c)
        EXPECT_EQ(printout.texts[static_cast<std::size_t>(c)].x, x[c]);
    EXPECT_EQ(printout.texts[4].text, "Anteckningar");
    EXPECT_FALSE(printout.pageTooNarrow);
}

TEST(LedgerPrint, AFullPageIsFollowedByAPageWithOnlyTheHeading)
{
    const int rowsPerPage = 39 - 2;
    LedgerCells cells;
    for (int r = 0; r < rowsPerPage; ++r)
        cells[static_cast<std::size_t>(r)][3] = QStringLiteral("x");
    LedgerPrintout printout = LayOutLedgerPrintout(Page, 10, TenPerCharacter, cells);
    ASSERT_EQ(printout.pageCount, 2);
    EXPECT_EQ(LineTops(printout)[0].size(), 1u + rowsPerPage);
    EXPECT_EQ(LineTops(printout)[1], std::vector<double>{100});

    cells[static_cast<std::size_t>(rowsPerPage)][3].clear();
    cells[static_cast<std::size_t>(rowsPerPage - 1)][3].clear();
    printout = LayOutLedgerPrintout(Page, 10, TenPerCharacter, cells);
    EXPECT_EQ(printout.pageCount, 1);
}

TEST(LedgerPrint, TooNarrowAPageIsToldButPrinted)
{
    const PageMetrics narrow{600, 2000, 60, 200};
    const LedgerPrintout printout = LayOutLedgerPrintout(narrow, 10, TenPerCharacter, FilledRows({0}));
    EXPECT_TRUE(printout.pageTooNarrow);
    EXPECT_EQ(printout.texts.size(), 10u);
}

}  // namespace
