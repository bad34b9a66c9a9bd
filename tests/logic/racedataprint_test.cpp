#include <gtest/gtest.h>

#include <set>

#include "model/variabl.h"
#include "racedata/racedataexport.h"
#include "racedata/racedataprint.h"

namespace {

// A reader of comma-separated fields in double quotes, a doubled quote standing for one.
QStringList ReadCsvLine(const QString& line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        }
    }
    fields << field;
    return fields;
}

// Race 1 with horses 1-3 in the start list (streck 1, 3, 36; horse 3 scratched) and an absent
// horse 4 that keeps its name.
void FillSmallRound()
{
    ResetGlobals();
    StartListLoaded = 1;
    StartListHeading = QStringLiteral("V64 Solvalla");
    RaceInfoLines[1][0] = QStringLiteral("Avd 1 Lopp 3 2140 m");
    const char* names[] = {"1 \"Snabb\" Boy", "2 Anna, la", "3 Tre"};
    const int32 streck[] = {1, 3, 36};
    for (int h = 1; h <= 3; ++h) {
        HorseNames[1][h] = QString::fromUtf8(names[h - 1]);
        StreckValues[HorseIndex(1, h)] = streck[h - 1];
        HorsePresent[HorseIndex(1, h)] = 1;
        HorsePoints[HorseIndex(1, h)] = 10 * h;
    }
    HorseNames[1][4] = QStringLiteral("4 Borta");
    Scratched[HorseIndex(1, 3)] = 1;
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            DisplayedSlot[HorseIndex(r, h)] = h;
}

// Every character 10 pixels wide, 12 in bold.
double FixedWidth(const QString& text, bool bold)
{
    return text.size() * (bold ? 12.0 : 10.0);
}

// A page with 10 pixels a millimetre both ways, heightMm high.
PageMetrics Page(double heightMm)
{
    return PageMetrics{2000, heightMm * 10, 200, heightMm};
}

const PrintedText* Find(const RaceDataPrintout& out, const QString& text)
{
    for (const PrintedText& t : out.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

int CountOf(const RaceDataPrintout& out, const QString& text)
{
    int n = 0;
    for (const PrintedText& t : out.texts)
        n += t.text == text;
    return n;
}

}  // namespace

TEST(RaceDataCsv, FieldsReadBackAsWrittenQuotesIncluded)
{
    FillSmallRound();
    const QStringList lines = RaceDataCsvLines();
    // Heading, fetch time, 7 title lines, 3 horses, 7 empty lines.
    ASSERT_EQ(lines.size(), 2 + 7 + 3 + 7);
    EXPECT_EQ(ReadCsvLine(lines[0]), (QStringList{"", "V64 Solvalla"}));
    EXPECT_EQ(lines[1], QStringLiteral("\"\",\"Hämtad \""));
    EXPECT_EQ(ReadCsvLine(lines[2]), (QStringList{"", "Avd 1 Lopp", "Streck", "Odds", "Poäng", "Strukna"}));
    EXPECT_EQ(ReadCsvLine(lines[3]), (QStringList{"1", "1 \"Snabb\" Boy", "1", "0", "10", ""}));
    EXPECT_EQ(lines[3], QStringLiteral("\"1\",\"1 \"\"Snabb\"\" Boy\",\"1\",\"0\",\"10\",\"\""));
    EXPECT_EQ(ReadCsvLine(lines[4]), (QStringList{"2", "2 Anna, la", "3", "0", "20", ""}));
    EXPECT_EQ(ReadCsvLine(lines[5]), (QStringList{"3", "3 Tre", "36", "0", "30", "3"}));
    EXPECT_EQ(lines[6], QStringLiteral("\"\""));
    EXPECT_EQ(lines[7], QStringLiteral("\"\",\"\""));  // race 2: empty title, no horses
}

TEST(RaceDataPrint, APageOf25LinesPrintsAnd24IsRefused)
{
    FillSmallRound();
    // 10 pt at 10 px/mm: unrounded line height 45.93; 20 mm of margins.
    EXPECT_EQ(RaceDataLinesPerPage(Page(135), 10), 25);
    EXPECT_EQ(RaceDataLinesPerPage(Page(132), 10), 24);
    EXPECT_TRUE(LayOutRaceDataPrintout(Page(135), 10, {}, FixedWidth).refusal.isEmpty());
    EXPECT_EQ(LayOutRaceDataPrintout(Page(132), 10, {}, FixedWidth).refusal, TextDoesNotFitMessage);

    StartListLoaded = 0;
    EXPECT_EQ(LayOutRaceDataPrintout(Page(132), 10, {}, FixedWidth).refusal, NothingToPrintMessage);
}

TEST(RaceDataPrint, StreckTo100RoundsHalfToEvenAndShowsZeroAsOne)
{
    EXPECT_EQ(PrintedScaledStreck(1, 40), 2);
    EXPECT_EQ(PrintedScaledStreck(3, 40), 8);
    EXPECT_EQ(PrintedScaledStreck(0, 40), 1);
    EXPECT_EQ(PrintedScaledStreck(0, 0), 1);

    FillSmallRound();  // race 1 sums to 40
    const RaceDataPrintout out = LayOutRaceDataPrintout(Page(297), 10, {}, FixedWidth);
    EXPECT_TRUE(Find(out, QStringLiteral("2 %")));
    EXPECT_TRUE(Find(out, QStringLiteral("8 %")));
    EXPECT_TRUE(Find(out, QStringLiteral("90 %")));
}

TEST(RaceDataPrint, ColumnsCollapseAndValuesAlignRight)
{
    FillSmallRound();
    const RaceDataPrintout out =
        LayOutRaceDataPrintout(Page(297), 10, {false, true, false, true}, FixedWidth);
    ASSERT_TRUE(out.refusal.isEmpty());
    // left 100; names start after "15 "; the widest name has 13 characters; three blanks.
    const double columnsStart = 100 + 30 + 130 + 30;
    const PrintedText* streck = Find(out, QStringLiteral("Streck"));
    ASSERT_TRUE(streck);
    EXPECT_EQ(streck->x, columnsStart);  // where points would have stood
    const PrintedText* odds = Find(out, QStringLiteral("Odds"));
    ASSERT_TRUE(odds);
    EXPECT_EQ(odds->x, columnsStart + 80);  // "Streck  "
    EXPECT_FALSE(Find(out, QStringLiteral("Poäng")));
    EXPECT_FALSE(Find(out, QStringLiteral("Str100")));
    const PrintedText* value = Find(out, QStringLiteral("36 %"));
    ASSERT_TRUE(value);
    EXPECT_EQ(value->x + 40, columnsStart + 60);  // right edge under "Streck"
    EXPECT_TRUE(value->strikeOut);
    EXPECT_FALSE(Find(out, QStringLiteral("3 %"))->strikeOut);
    EXPECT_FALSE(Find(out, QStringLiteral("4 Borta")));  // not in the start list

    const PrintedText* boldTitle = Find(out, QStringLiteral("Avd 1 Lopp"));
    ASSERT_TRUE(boldTitle && boldTitle->bold);
    const PrintedText* rest = Find(out, QStringLiteral(" 3 2140 m"));
    ASSERT_TRUE(rest);
    EXPECT_FALSE(rest->bold);
    EXPECT_EQ(rest->x, 100 + 120);
}

TEST(RaceDataPrint, ARaceBlockNeverSplitsOverTwoPages)
{
    FillSmallRound();
    for (int r = 1; r <= 6; ++r)
        for (int h = 1; h <= 12; ++h)
            HorsePresent[HorseIndex(r, h)] = 1;
    const RaceDataPrintout out = LayOutRaceDataPrintout(Page(135), 10, {}, FixedWidth);
    ASSERT_EQ(out.linesPerPage, 25);
    // Page head 3 lines, then blocks of 14 lines: one block a page, race 7's 2 lines fit after race 6.
    EXPECT_EQ(out.pageCount, 6);
    for (const PrintedText& t : out.texts) {
        const int line = (static_cast<int>(t.y) - 100) / out.lineHeight;
        EXPECT_LT(line, out.linesPerPage);
    }
    EXPECT_EQ(CountOf(out, QStringLiteral("V64 Solvalla")), 6);
}

TEST(RaceDataPrint, EachHorseOnceWhateverTheSlots)
{
    FillSmallRound();
    DisplayedSlot[HorseIndex(1, 1)] = 2;
    DisplayedSlot[HorseIndex(1, 2)] = 2;  // two rows on slot 2
    DisplayedSlot[HorseIndex(1, 3)] = 300;
    EXPECT_EQ(PrintOrder(1), (std::vector<int>{1, 2, 3}));
    DisplayedSlot[HorseIndex(1, 1)] = 9;
    EXPECT_EQ(PrintOrder(1), (std::vector<int>{2, 1, 3}));
    const RaceDataPrintout out = LayOutRaceDataPrintout(Page(297), 10, {}, FixedWidth);
    for (const char* name : {"1 \"Snabb\" Boy", "2 Anna, la", "3 Tre"})
        EXPECT_EQ(CountOf(out, QString::fromUtf8(name)), 1);
    EXPECT_LT(Find(out, QStringLiteral("2 Anna, la"))->y, Find(out, QStringLiteral("1 \"Snabb\" Boy"))->y);
}
