#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <limits>

#include "platform/numbers.h"
#include "platform/printlayout.h"
#include "platform/random.h"
#include "platform/textfile.h"
#include "support/filesizelimit.h"

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void PutBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

// ---- Text files ----

TEST(TextFile, WritesWindows1252WithCrLfAfterEveryLineAndNoBom)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(WriteTextLines(path, {QStringLiteral("Häst åäö"), QString(), QStringLiteral("€ 12,5")}));
    EXPECT_EQ(FileBytes(path), QByteArray("H\xe4st \xe5\xe4\xf6\r\n\r\n\x80 12,5\r\n"));

    ASSERT_TRUE(WriteTextLines(path, {}));
    EXPECT_TRUE(FileBytes(path).isEmpty());
}

TEST(TextFile, ReadsCrLfLfAndLoneCrLineEnds)
{
    struct Case {
        QByteArray bytes;
        QStringList lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},  // the last line without an end
        {"a\rb\r\n", {"a", "b"}},
        {"a\r\n\r\n", {"a", ""}},  // an empty last line is kept, the final end adds none
        {"\n", {""}},
        {"", {}},
        {"\xc5ke \xd6st\r\n", {QStringLiteral("Åke Öst")}},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.txt"));
    for (const Case& c : cases) {
        PutBytes(path, c.bytes);
        const std::optional<QStringList> lines = ReadTextLines(path);
        ASSERT_TRUE(lines.has_value()) << c.bytes.toStdString();
        EXPECT_EQ(*lines, c.lines) << c.bytes.toStdString();
    }
}

TEST(TextFile, ReadFailureIsReportedNotAnEmptyList)
{
    QTemporaryDir dir;
    EXPECT_FALSE(ReadTextLines(dir.filePath(QStringLiteral("saknas.txt"))).has_value());
    EXPECT_FALSE(ReadTextLines(dir.path()).has_value());  // a directory
}

TEST(TextFile, FailedWriteReportsAndLeavesTheFileAsItWas)
{
    QTemporaryDir dir;
    EXPECT_FALSE(WriteTextLines(dir.filePath(QStringLiteral("finns/inte/a.txt")), {QStringLiteral("x")}));

    // Writes that fail for every user, root included: under a regular file, and onto a folder.
    const QString path = dir.filePath(QStringLiteral("kvar.txt"));
    ASSERT_TRUE(WriteTextLines(path, {QStringLiteral("gammal")}));
    EXPECT_FALSE(WriteTextLines(path + QStringLiteral("/ny.txt"), {QStringLiteral("ny")}));
    EXPECT_FALSE(WriteTextLines(dir.path(), {QStringLiteral("ny")}));
    EXPECT_EQ(ReadTextLines(path), QStringList{QStringLiteral("gammal")});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kvar.txt")});
}

// A write that fails at the disk (here the file-size limit; the data passes the buffer and
// fails when it is flushed) is reported, and the old file stays whole with no partial copy left.
TEST(TextFile, WriteBeyondTheFileSizeLimitReportsAndLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("v.str"));
    const QStringList old(20, QStringLiteral("gammal rad"));
    ASSERT_TRUE(WriteTextLines(path, old));
    bool longWritten = true;
    bool shortWritten = false;
    {
        const FileSizeLimit limit(64);
        longWritten = WriteTextLines(path, QStringList(30, QStringLiteral("ny rad")));
        shortWritten = WriteTextLines(dir.filePath(QStringLiteral("kort.txt")), {QStringLiteral("ja")});
    }
    EXPECT_FALSE(longWritten);
    EXPECT_TRUE(shortWritten);
    EXPECT_EQ(ReadTextLines(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{QStringLiteral("kort.txt"), QStringLiteral("v.str")}));
}

TEST(TextFile, EveryByteOfTheCodePageSurvivesARoundTrip)
{
    QByteArray everyByte(256, '\0');
    for (int b = 0; b < 256; ++b)
        everyByte[b] = static_cast<char>(b);
    const QString text = DecodeWindows1252(everyByte);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(EncodeWindows1252(text), everyByte);
}

TEST(TextFile, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(EncodeWindows1252(QStringLiteral("a→b")), QByteArray("a?b"));
    EXPECT_EQ(EncodeWindows1252(QString::fromUtf8("x\xF0\x9F\x90\x8Ey")),
              QByteArray("x?y"));                                           // one ? per character
    EXPECT_EQ(EncodeWindows1252(QString(QChar(0xD800))), QByteArray("?"));  // a lone surrogate
}

// ---- Whole numbers as the edit fields read them ----

TEST(Numbers, TryParseIntReadsLikeTheEditFields)
{
    constexpr std::int32_t Untouched = -777;
    struct Case {
        const char* text;
        bool ok;
        std::int32_t value;
    };
    const Case cases[] = {
        {"0", true, 0},
        {"123", true, 123},
        {"007", true, 7},
        {"-45", true, -45},
        {"+7", true, 7},
        {"   12", true, 12},  // blanks in front, as a padded cell number
        {"  -3", true, -3},
        {"$1F", true, 31},
        {"$ff", true, 255},
        {"0x10", true, 16},
        {"-$10", true, -16},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, std::numeric_limits<std::int32_t>::min()},
        {"$7FFFFFFF", true, 2147483647},
        {"", false, Untouched},
        {" ", false, Untouched},
        {"12 ", false, Untouched},  // nothing may follow the digits
        {"1 2", false, Untouched},
        {"\t5", false, Untouched},
        {"-", false, Untouched},
        {"+", false, Untouched},
        {"- 5", false, Untouched},
        {"$", false, Untouched},
        {"0x", false, Untouched},
        {"$G", false, Untouched},
        {"1.5", false, Untouched},
        {"1,5", false, Untouched},
        {"1e3", false, Untouched},
        {"abc", false, Untouched},
        {"2147483648", false, Untouched},
        {"-2147483649", false, Untouched},
        {"$80000000", false, Untouched},
        {"99999999999999999999", false, Untouched},
    };
    for (const Case& c : cases) {
        std::int32_t value = Untouched;
        EXPECT_EQ(TryParseInt(QString::fromUtf8(c.text), value), c.ok) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    std::int32_t value = Untouched;
    EXPECT_FALSE(TryParseInt(QStringLiteral("１"), value));  // only ASCII digits
}

TEST(Numbers, IntOrFallsBackOnlyWhenTheTextIsNotANumber)
{
    EXPECT_EQ(IntOr(QStringLiteral("42"), 5), 42);
    EXPECT_EQ(IntOr(QStringLiteral("0"), 5), 0);
    EXPECT_EQ(IntOr(QString(), 5), 5);
    EXPECT_EQ(IntOr(QStringLiteral("x"), 0), 0);
}

// ---- Rounding ----

TEST(Numbers, RoundHalfEven)
{
    const std::pair<double, std::int64_t> cases[] = {
        {0.5, 0},   {1.5, 2},    {2.5, 2},    {3.5, 4},
        {-0.5, 0},  {-1.5, -2},  {-2.5, -2},  {12.5, 12},
        {37.5, 38}, {99.5, 100}, {2.4999, 2}, {2.5000001, 3},
        {-2.6, -3}, {7.0, 7},    {0.0, 0},    {1e15 + 0.5, 1000000000000000},
    };
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
    EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(RoundHalfEven(-1e300), std::numeric_limits<std::int64_t>::min());
}

TEST(Numbers, PercentagesRoundHalfToEvenExactly)
{
    struct Case {
        std::int64_t part, whole, percent;
    };
    const Case cases[] = {
        {13, 104, 12},    // 12.5
        {39, 104, 38},    // 37.5
        {3, 8, 38},       // 37.5
        {1, 8, 12},       // 12.5
        {199, 200, 100},  // 99.5
        {1, 40, 2},       // 2.5
        {1, 3, 33},
        {2, 3, 67},
        {8, 8, 100},
        {0, 8, 0},
        {5, 0, 0},  // no whole: 0
        {11390625, 11390625, 100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PercentHalfEven(c.part, c.whole), c.percent) << c.part << "/" << c.whole;

    EXPECT_EQ(DivideRoundHalfEven(-5, 2), -2);
    EXPECT_EQ(DivideRoundHalfEven(-7, 2), -4);
    EXPECT_EQ(DivideRoundHalfEven(7, -2), -4);
    EXPECT_EQ(DivideRoundHalfEven(-7, -2), 4);
    EXPECT_EQ(DivideRoundHalfEven(-1, 3), 0);

    // The integer rule agrees with rounding the quotient in floating point.
    for (std::int64_t whole = 1; whole <= 120; ++whole)
        for (std::int64_t part = 0; part <= whole; ++part)
            ASSERT_EQ(PercentHalfEven(part, whole), RoundHalfEven(part * 100.0 / whole))
                << part << "/" << whole;
}

// ---- Decimal numbers with the decimal comma ----

TEST(Numbers, FormatDecimalInTheGeneralFormWithADecimalComma)
{
    const std::pair<double, const char*> cases[] = {
        {0, "0"},
        {1, "1"},
        {-1, "-1"},
        {0.5, "0,5"},
        {-12.25, "-12,25"},
        {1e14, "100000000000000"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {1.5e20, "1,5E20"},
        {999999999999999.9, "999999999999999,9"},
        {1.0 / 3, "0,3333333333333333"},
        {2.0 / 3, "0,6666666666666666"},
        {1.7976931348623157e308, "1,7976931348623157E308"},
        {0.0001, "0,0001"},
        {0.00005, "5E-5"},
        {-2.5e-6, "-2,5E-6"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatDecimal(value), QString::fromLatin1(text)) << value;
}

TEST(Numbers, TryParseDecimalReadsTheDecimalComma)
{
    constexpr double Untouched = -777;
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {"1,5", true, 1.5},
        {" -2,25 ", true, -2.25},
        {"+3", true, 3},
        {",5", true, 0.5},
        {"5,", true, 5},
        {"1E15", true, 1e15},
        {"1,5e-3", true, 1.5e-3},
        {"2E+2", true, 200},
        {"1.5", false, Untouched},  // a decimal point is not the separator
        {"1 000", false, Untouched},
        {"", false, Untouched},
        {",", false, Untouched},
        {"-", false, Untouched},
        {"1E", false, Untouched},
        {"E5", false, Untouched},
        {"1,2,3", false, Untouched},
        {"1e999", false, Untouched},
        {"abc", false, Untouched},
        {"nan", false, Untouched},
    };
    for (const Case& c : cases) {
        double value = Untouched;
        EXPECT_EQ(TryParseDecimal(QString::fromLatin1(c.text), value), c.ok) << c.text;
        EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    }
    for (const double original : {1e14, 1e15, 0.1, -3.75, 123456.789, 2.5e-7, 1.0 / 3, 1.7976931348623157e308,
                                  -4.9e-324, 2.2250738585072014e-308}) {
        double back = 0;
        ASSERT_TRUE(TryParseDecimal(FormatDecimal(original), back)) << original;
        EXPECT_EQ(back, original);
    }
}

// ---- The random generator ----

TEST(Random, DrawsTheFixedSequenceFromASeed)
{
    RandSeed() = 765;
    const std::pair<std::uint32_t, std::uint32_t> draws[] = {
        {15, 0}, {15, 10}, {100, 13}, {1000, 12}, {4294967295u, 1304734061u}, {7, 4},
    };
    for (const auto& [n, expected] : draws)
        EXPECT_EQ(RandomBelow(n), expected) << n;
    EXPECT_EQ(RandSeed(), 2812544807u);

    RandSeed() = 0;
    EXPECT_EQ(RandomBelow(0), 0u);
    EXPECT_EQ(RandSeed(), 1u);  // a draw below 0 still moves the generator on
}

// ---- Page arithmetic of the print-outs ----

namespace {

// 10 pixels a millimetre both ways: a 20 mm margin is 200 pixels; 600 pixels stay for lines.
const PageMetrics TestPage{800, 1000, 80, 100};

}  // namespace

TEST(PrintLayout, LineHeightMarginsAndLinesPerPage)
{
    // 12 points: text height 12 x 10 / 2.54 = 47.24, line height 55.12 -> 55, 600 / 55 = 10.9 -> 11.
    const TextPageLayout layout = LayOutTextPages(TestPage, 12, 20);
    EXPECT_EQ(layout.lineHeight, 55);
    EXPECT_EQ(layout.top, 200);
    EXPECT_EQ(layout.bottom, 200);
    EXPECT_EQ(layout.left, 200);
    EXPECT_EQ(layout.linesPerPage, 11);
    EXPECT_EQ(layout.LineTop(0), 200);
    EXPECT_EQ(layout.LineTop(10), 750);
    EXPECT_DOUBLE_EQ(layout.TextWidth(TestPage), 400);
    EXPECT_TRUE(layout.HoldsLines());
}

TEST(PrintLayout, LinesPerPageRoundsHalfToEven)
{
    // A point size that gives a line height of 48: 600 / 48 = 12.5 lines -> 12, not 13.
    const double pointSize = 48 * 6.0 / 7 * 2.54 / 10;
    const TextPageLayout layout = LayOutTextPages(TestPage, pointSize, 20);
    ASSERT_EQ(layout.lineHeight, 48);
    EXPECT_EQ(layout.linesPerPage, 12);
}

TEST(PrintLayout, NLinesFillOnePageAndOneMoreStartsASecond)
{
    const int n = LayOutTextPages(TestPage, 12, 20).linesPerPage;
    EXPECT_EQ(PageCount(n, n), 1);
    EXPECT_EQ(PageCount(n + 1, n), 2);
    EXPECT_EQ(PageCount(2 * n, n), 2);
    EXPECT_EQ(PageCount(1, n), 1);
    EXPECT_EQ(PageCount(0, n), 1);  // a document has a page even without lines
}

TEST(PrintLayout, PagesThatHoldNoLineAreTooSmall)
{
    // 300 points: line height 1378, 600 / 1378 = 0.44 rounds to 0 lines.
    EXPECT_FALSE(LayOutTextPages(TestPage, 300, 20).HoldsLines());
    // 200 points: line height 918, 600 / 918 = 0.65 still rounds to one line.
    EXPECT_EQ(LayOutTextPages(TestPage, 200, 20).linesPerPage, 1);
    // Margins taller than the page.
    EXPECT_FALSE(LayOutTextPages(PageMetrics{800, 300, 80, 30}, 12, 20).HoldsLines());
    // A printer that gives no size in millimetres.
    EXPECT_FALSE(LayOutTextPages(PageMetrics{800, 1000, 0, 0}, 12, 20).HoldsLines());
}
