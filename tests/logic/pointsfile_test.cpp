#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "conditions/pointsedit.h"
#include "conditions/pointsfile.h"
#include "model/variabl.h"
#include "platform/textfile.h"

namespace {

class PointsFile : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }

    // Condition 3 with points, bounds, switches, modes and a name of its own.
    static void FillConditionThree()
    {
        for (int r = 1; r <= RaceSlots; ++r)
            for (int h = 1; h <= StartNumbers; ++h)
                CondPoints[r][h][3] = static_cast<byte>((r * 7 + h * 3) % 101);
        CondSumMax[3] = 420;
        CondSumMin[3] = 35;
        CondProdMaxReal[3] = 5.0e9;
        CondProdMinReal[3] = 2500;
        CondSumActive[3] = 1;
        CondProdMode[3] = 0;
        PointsCondNames[3] = QStringLiteral("Tränarnas bästa");
    }

    static QStringList DefaultLines() { return PointsFileLines(PointsFileContentOf(1)); }
};

TEST_F(PointsFile, DefaultConditionIsWrittenAsTheseBytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("start.str"));
    ASSERT_TRUE(WriteTextLines(path, DefaultLines()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray expected = QByteArray("0\r\n").repeated(105);
    expected += "700\r\n0\r\n100000000000000\r\n0\r\n0\r\n0\r\n1\r\n1\r\n\r\n";
    EXPECT_EQ(file.readAll(), expected);
}

TEST_F(PointsFile, RoundTripIntoAnotherConditionKeepsItsProductBounds)
{
    FillConditionThree();
    CondProdMaxMantissa[12] = 77;
    CondProdMaxExp[12] = 6;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("v3.str"));
    ASSERT_TRUE(WriteTextLines(path, PointsFileLines(PointsFileContentOf(3))));

    const auto read = ParsePointsFile(*ReadTextLines(path));
    ASSERT_TRUE(read.has_value());
    EXPECT_TRUE(StorePointsFileContent(12, *read));
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            EXPECT_EQ(CondPoints[r][h][12], CondPoints[r][h][3]) << r << "/" << h;
    EXPECT_EQ(PointsCondNames[12].str(), QStringLiteral("Tränarnas bästa"));
    EXPECT_EQ(CondSumMax[12], 420);
    EXPECT_EQ(CondSumMin[12], 35);
    EXPECT_EQ(CondSumActive[12], 1);
    EXPECT_EQ(CondProdMode[12], 0);
    EXPECT_EQ(CondProdMaxReal[12], 5.0e9);
    EXPECT_EQ(CondProdMinReal[12], 2500);
    EXPECT_EQ(CondProdMaxMantissa[12], 77);
    EXPECT_EQ(CondProdMaxExp[12], 6);
    EXPECT_EQ(ActivePointsCondCount, 2);  // 3 and 12
}

TEST_F(PointsFile, BadFilesAreRefusedWhole)
{
    const QStringList good = DefaultLines();
    struct Case {
        const char* what;
        int line;  // 1-based; 0 = cut the file to 113 lines
        const char* text;
    };
    const Case cases[] = {
        {"too short", 0, ""},          {"point above a byte", 5, "300"},      {"negative point", 105, "-1"},
        {"point with blank", 1, "1 "}, {"decimal point", 50, "1,5"},          {"empty point", 20, ""},
        {"sum bound text", 106, "x"},  {"product with point", 108, "1.5"},    {"empty product", 109, ""},
        {"flag text", 110, "ja"},      {"mode overflow", 113, "99999999999"},
    };
    for (const Case& c : cases) {
        QStringList lines = good;
        if (c.line == 0)
            lines.removeLast();
        else
            lines[c.line - 1] = QString::fromUtf8(c.text);
        EXPECT_FALSE(ParsePointsFile(lines).has_value()) << c.what;
    }
}

TEST_F(PointsFile, ReadsWhatTheFormatAllows)
{
    QStringList lines = DefaultLines();
    lines[0] = QStringLiteral("255");
    lines[1] = QStringLiteral("100");
    lines[107] = QStringLiteral("2,5E3");
    lines[113] = QString(45, QLatin1Char('n'));
    lines << QStringLiteral("rad 115 räknas inte");
    const auto read = ParsePointsFile(lines);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->points[1], 255);
    EXPECT_EQ(read->points[2], 100);
    EXPECT_EQ(read->prodMax, 2500.0);
    EXPECT_EQ(read->name.size(), 40);

    // Stored as the window keeps it: a point above 100 is 100, never its low byte.
    StorePointsFileContent(4, *read);
    EXPECT_EQ(CondPoints[1][1][4], 100);
}

TEST_F(PointsFile, StoredAsTheWindowShowsAndWrittenBackAsRead)
{
    QStringList lines = DefaultLines();
    lines[105] = QStringLiteral("99999");  // upper sum bound
    lines[106] = QStringLiteral("-5");
    lines[107] = QStringLiteral("1,7976931348623157E308");  // the largest double
    lines[108] = QStringLiteral("0,1");
    const auto read = ParsePointsFile(lines);
    ASSERT_TRUE(read.has_value());
    StorePointsFileContent(4, *read);
    EXPECT_EQ(CondSumMax[4], 700);
    EXPECT_EQ(CondSumMin[4], 0);
    const QStringList written = PointsFileLines(PointsFileContentOf(4));
    EXPECT_EQ(written[107], lines[107]);
    EXPECT_EQ(written[108], lines[108]);
    const auto again = ParsePointsFile(written);
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->prodMax, read->prodMax);

    // A name keeps only what the code page holds, as the file will.
    PointsFileContent named = *read;
    named.name = QStringLiteral("Ω bäst €");
    StorePointsFileContent(4, named);
    EXPECT_EQ(PointsCondNames[4].str(), QStringLiteral("? bäst €"));
}

TEST_F(PointsFile, LfLinesReadLikeCrLf)
{
    const QByteArray crlf =
        QByteArray("7\r\n").repeated(105) + "1\r\n2\r\n3\r\n4\r\n1\r\n0\r\n0\r\n1\r\nnamn\r\n";
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    const auto a = ParsePointsFile(SplitTextLines(DecodeWindows1252(crlf)));
    const auto b = ParsePointsFile(SplitTextLines(DecodeWindows1252(lf)));
    ASSERT_TRUE(a.has_value());
    ASSERT_TRUE(b.has_value());
    EXPECT_EQ(PointsFileLines(*a), PointsFileLines(*b));
}

TEST_F(PointsFile, OnlyChangesOfTheRowsAskForAReset)
{
    PointsFileContent content = PointsFileContentOf(2);
    content.name = QStringLiteral("bara namnet");
    content.prodMax = 12;
    EXPECT_FALSE(StorePointsFileContent(2, content));
    content.sumMode = 0;
    EXPECT_TRUE(StorePointsFileContent(2, content));
    // A flag or mode other than 1 is stored as the window shows it: off / "Ta bort".
    content.sumActive = 5;
    content.prodMode = 7;
    StorePointsFileContent(2, content);
    EXPECT_EQ(CondSumActive[2], 0);
    EXPECT_EQ(CondProdMode[2], 0);
}

TEST_F(PointsFile, ExtensionIsAlwaysStr)
{
    EXPECT_EQ(WithPointsFileExtension(QStringLiteral("/a.b/villkor.txt")),
              QStringLiteral("/a.b/villkor.str"));
    EXPECT_EQ(WithPointsFileExtension(QStringLiteral("/a.b/villkor")), QStringLiteral("/a.b/villkor.str"));
    EXPECT_EQ(WithPointsFileExtension(QStringLiteral("v.STR")), QStringLiteral("v.str"));
}

}  // namespace
