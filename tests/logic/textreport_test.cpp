#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <cstring>

#include "model/variabl.h"
#include "output/reserves.h"
#include "output/textreport.h"
#include "support/coupons.h"
#include "support/marks.h"

namespace {

class TextReportTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }

    // Winner counts, conditions of every kind and the win chances, set straight in the tables.
    static void SetConditions()
    {
        std::memset(WinnerCountAllowed, 0, sizeof WinnerCountAllowed);
        std::memset(WinnerCountLocked, 0, sizeof WinnerCountLocked);
        WinnerCountAllowed[3][GroupA] = WinnerCountAllowed[4][GroupA] = 1;  // 2 and 3 A winners
        WinnerCountAllowed[0][GroupB] = WinnerCountAllowed[1][GroupB] = WinnerCountAllowed[2][GroupB] = 1;
        WinnerCountLocked[2][GroupB] = 1;
        WinnerCountAllowed[0][GroupD] = 1;

        GroupCondCount = 1;
        GroupCondCells[0][0][3] = 3;
        GroupCondCells[1][GroupA][3] = GroupCondCells[2][GroupA][3] = GroupCondCells[2][GroupB][3] = 1;
        GroupCondForbiddenHits[0][3] = 1;
        for (int k = 0; k <= RaceSlots; ++k)
            GroupCondUnreachableHits[k][3] = k >= 3 ? 1 : 0;

        StartNrCondUsedCount = 1;
        StartNrCondUsed[2] = 1;
        StartNrCondComments[2] = "Favoriter";
        StartNrCondMarks[1][2][2] = StartNrCondMarks[1][7][2] = StartNrCondMarks[3][1][2] = 1;
        StartNrCondForbiddenCounts[0][2] = 1;

        ActivePointsCondCount = 1;
        CondActive[5] = 1;
        PointsCondNames[5] = "Poäng";
        CondPoints[1][2][5] = 40;
        CondPoints[1][5][5] = 10;
        CondPoints[1][3][5] = 50;  // unmarked: not listed
        CondPoints[7][1][5] = 100;
        CondSumActive[5] = 1;
        CondSumMode[5] = 1;
        CondSumMin[5] = 50;
        CondSumMax[5] = 300;
        CondProdActive[5] = 1;
        CondProdMode[5] = 0;
        CondProdMinMantissa[5] = 2;
        CondProdMaxMantissa[5] = 5;
        CondProdMaxExp[5] = 3;

        NrCountForbidden[1][3] = NrCountForbidden[1][5] = NrCountForbidden[12][0] = 1;
        NrSetCondMarks[1][1] = NrSetCondMarks[2][1] = 1;
        NrSetCondRequire[1] = 1;
        NrSetCondLow[1] = 1;
        NrSetCondHigh[1] = 2;
        EqualNrRule[3] = 1;
        OddCountForbidden[0] = 1;
        PairRules[2] = 2;

        const char* list[][2] = {{"  3  3  0  0", "  12 %"},
                                 {"  2  4  0  0", "  Nej "},
                                 {"  4  2  0  0", "   0 %"},
                                 {"  6  0  0  0", " 100 %"}};
        for (auto& row : AbcdListCells)
            row[0] = row[2] = QString();
        for (int row = 1; row <= 4; ++row) {
            AbcdListCells[row][0] = QString::fromUtf8(list[row - 1][0]);
            AbcdListCells[row][2] = QString::fromUtf8(list[row - 1][1]);
        }
    }

    static QStringList Render(int32 first, int32 last, bool onlyListing)
    {
        TextReportFirst = first;
        TextReportLast = last;
        return RenderSystemReport(onlyListing);
    }
};

const char* const GroupSystemReport[] = {
    "Testsystem  2026-12-12", "", "Storlek: 20 rader, 2 kuponger.", "Insats: 20 kr + avg. 1 kr = 21 kr.",
    "Inom ramen: 729 rader.", "Utvalda: 20 rader.",
    // Ranking
    "", "", "Ranking", "Avd 1   A:2-7   B:-   C:5   D:-", "Avd 2   A:1   B:3-4   C:-   D:-",
    "Avd 3   A:1   B:3-4   C:-   D:-", "Avd 4   A:1   B:3-4   C:-   D:-", "Avd 5   A:1   B:3-4   C:-   D:-",
    "Avd 6   A:1   B:3-4   C:-   D:-",
    // Winner counts
    "", "Antal A-D vinnare", "A: 2-3", "B: 0-1", "C: -", "D: 0",
    // ABCD group conditions
    "", "", "Villkor på ABCD, 1 st.", "", "Villkor 1", "Avd 1: A", "Avd 2: AB", "Avd 3: -", "Avd 4: -",
    "Avd 5: -", "Avd 6: -", "Tillåtna: 1-2",
    // Start-number conditions
    "", "", "Villkor på startnr, 1 st", "", "Villkor 1 på startnr.  Favoriter", "Avd 1:  2  7", "Avd 2:  -",
    "Avd 3:  1", "Avd 4:  -", "Avd 5:  -", "Avd 6:  -", "Avd 7:  -", "Tillåtna:  1  2",
    // Points conditions
    "", "", "Villkor på vinstchanser/poäng, 1 st", "", "Villkor 1 på vinstchanser/poäng.  Poäng",
    "Avd 1:  2-40 p  5-10 p", "Avd 2:  -", "Avd 3:  -", "Avd 4:  -", "Avd 5:  -", "Avd 6:  -",
    "Avd 7:  1-100 p", "Tillåten radsumma: 50 - 300", "Förbjuden radprodukt: 2 - 5*10^3",
    // Other number conditions
    "", "", "Övriga villkor på startnr", "Nr  Förbjudna antal", " 1   3  5  ", "12   0  ", "",
    "Nr  1  2    Krav 1-2", "Förbjudet antal lika nr: 3", "Förbjudet antal udda nr: 0",
    "Rader med exakt 2 par har tagits bort.",
    // Win chances
    "", "", "Vinstchanser utan ev. tilläggsvillkor och reduc.", "  A B C D    6 rätt", "  3  3  0  0    12 %",
    "  6  0  0  0   100 %",
    // Listing: a group coupon in chosen order shows the free numbers of the order
    "", "", "Kupong 1", "Avd 1:  2 5 7    Res. 1, 3", "Avd 2:  1 3 4    Res. 2, 5", "Avd 3:  1    Res. 2, 3",
    "Avd 4:  3 4    Res. 1, 2", "Avd 5:  1    Res. 2, 3", "Avd 6:  1    Res. 2, 3", "3x3x1x2x1x1 = 18 rader",
    "", "Kupong 2", "Avd 1:  2 7    Res. 1, 3", "Avd 2:  1    Res. 2, 3", "Avd 3:  1    Res. 2, 3",
    "Avd 4:  1    Res. 2, 3", "Avd 5:  1    Res. 2, 3", "Avd 6:  1    Res. 2, 3", "2x1x1x1x1x1 = 2 rader"};

// Line by line, so that a difference shows as text.
void ExpectLines(const QStringList& actual, const QStringList& expected)
{
    for (qsizetype i = 0; i < std::min(actual.size(), expected.size()); ++i)
        EXPECT_EQ(actual.at(i).toStdString(), expected.at(i).toStdString()) << "line " << i;
    EXPECT_EQ(actual.size(), expected.size());
}

QStringList Lines(const char* const* lines, std::size_t count)
{
    QStringList list;
    for (std::size_t i = 0; i < count; ++i)
        list << QString::fromUtf8(lines[i]);
    return list;
}

TEST_F(TextReportTest, GroupSystemWithEveryKindOfCondition)
{
    MarkRaces({".A..C.A", "A.BB", "A.BB", "A.BB", "A.BB", "A.BB"});
    StoreSmallGroupCoupons();
    SetConditions();
    ReserveMode = ReserveModeChosenOrder;
    SystemName = "Testsystem";
    SystemDate = "2026-12-12";
    RowsKept = RowsConstructed = 20;
    UnreducedRowCount = 729;
    ResultLabels.Prisrader = QStringLiteral("20");
    ResultLabels.Prisavg = QStringLiteral("1");
    ResultLabels.Pristot = QStringLiteral("21");
    ExpectLines(Render(1, 2, false), Lines(GroupSystemReport, std::size(GroupSystemReport)));
}

// Three coupons built with row conditions, coupons 1 and 3 kept; the listing alone.
TEST_F(TextReportTest, RowConditionCouponsWithReservesListingOnly)
{
    const int all = (1 << 15) - 1;
    const int masks[][RaceSlots] = {{0b1010010, all & ~(1 << 8), all, 1, 1 << 14, 0b11, 1},
                                    {1, 1, 1, 1, 1, 1, 1},
                                    {1 << 3, 1, 1, 1, 1, 1, 1}};
    for (int k = 1; k <= 3; ++k)
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][k] = masks[k - 1][race - 1];
    GroupSystemBuilt = 0;
    CouponsBuilt = 1;
    CouponCount = 3;
    KeptCouponCount = 2;
    KeptCoupons[1] = 1;
    KeptCoupons[2] = 3;
    RowsKept = 1261;
    CouponsReduced = 1;
    ReductionPercent = 40;
    SystemName = "NN";
    SystemDate = "DD";
    ReserveMode = ReserveModeChosenOrder;

    const QStringList expected = {
        "Vimsta V64", "", "Storlek: 1261 rader, 2 kuponger. Reducerat 40 %.", "Insats:  kr + avg.  kr =  kr.",
        "Inom ramen: 0 rader.", "Utvalda: 0 rader.", "", "", "Kupong 1", "Avd 1:  2 5 7    Res. 1, 3",
        // 14 horses: the free number and the one at position 15; all 15: positions 14 and 15
        "Avd 2:  1 2 3 4 5 6 7 8 10 11 12 13 14 15    Res. 9, 15",
        "Avd 3:  1 2 3 4 5 6 7 8 9 10 11 12 13 14 15    Res. 14, 15", "Avd 4:  1    Res. 2, 3",
        "Avd 5:  15    Res. 1, 2", "Avd 6:  1 2    Res. 3, 4", "3x14x15x1x1x2 = 1260 rader", "", "Kupong 2",
        "Avd 1:  4    Res. 1, 2", "Avd 2:  1    Res. 2, 3", "Avd 3:  1    Res. 2, 3",
        "Avd 4:  1    Res. 2, 3", "Avd 5:  1    Res. 2, 3", "Avd 6:  1    Res. 2, 3", "1x1x1x1x1x1 = 1 rad"};
    ExpectLines(Render(1, 2, true), expected);
    EXPECT_EQ(QString(SystemDate), QString());

    // Fixed reserves as stored, an unset one as 0; no reserves at all in mode 1.
    ReserveMode = ReserveModeFixed;
    FixedReserves[1][1] = 0;
    FixedReserves[1][2] = 0;
    EXPECT_EQ(Render(2, 2, true).at(9), QStringLiteral("Avd 1:  4    Res. 0, 0"));
    EXPECT_EQ(Render(2, 2, true).at(10), QStringLiteral("Avd 2:  1    Res. 1, 2"));
    ReserveMode = ReserveModeNone;
    EXPECT_EQ(Render(2, 2, true).at(9), QStringLiteral("Avd 1:  4"));
}

TEST_F(TextReportTest, SingleRowsWithoutConditions)
{
    const int rows[][RaceSlots] = {{1, 2, 3, 4, 5, 6, 1}, {7, 8, 9, 10, 11, 12, 1}, {13, 14, 15, 1, 2, 3, 1}};
    for (int k = 1; k <= 3; ++k)
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][k] = rows[k - 1][race - 1];
    SingleRowsBuilt = 1;
    SingleRowCount = 3;
    UnreducedRowCount = 729;
    SystemName = "Lördag";
    SystemDate = "2026-12-12";
    ReductionChance[HorseIndex(1, 1)] = 60;
    ReductionChance[HorseIndex(1, 7)] = 40;
    ReductionChance[HorseIndex(7, 1)] = 100;

    const QStringList expected = {
        "Lördag  2026-12-12", "", "Storlek: 3 rader", "Inom ramen: 729 rader.", "", "", "Ranking",
        "Avd 1   A:-   B:-   C:-   D:-", "Avd 2   A:-   B:-   C:-   D:-", "Avd 3   A:-   B:-   C:-   D:-",
        "Avd 4   A:-   B:-   C:-   D:-", "Avd 5   A:-   B:-   C:-   D:-", "Avd 6   A:-   B:-   C:-   D:-", "",
        "Antal A-D vinnare", "A: -", "B: -", "C: -", "D: -", "", "", "Villkor på ABCD finns ej.", "", "",
        "Villkor på startnr finns ej", "", "", "Villkor på vinstchanser/poäng finns ej", "", "",
        "Övriga villkor på startnr finns ej", "", "", "Vinstchanser utan ev. tilläggsvillkor och reduc.",
        "  A B C D    6 rätt", "", "Avd 1:  1-60 %  7-40 %",
        "Avd 2:", "Avd 3:", "Avd 4:", "Avd 5:", "Avd 6:", "Avd 7:  1-100 %",
        // seven numbers a row, the dummy race's 1 included
        "", "2. 7-8-9-10-11-12-1", "3. 13-14-15-1-2-3-1"};
    ExpectLines(Render(2, 3, false), expected);

    // A first number above the last lists nothing after the empty line.
    const QStringList reversed = Render(3, 2, true);
    EXPECT_EQ(reversed.mid(4), QStringList{QString()});
}

// The upper row sum as the points window shows it and the print-out prints it: a stored bound
// above 600 (700 is the start value) reads 600, since no row sum passes 600.
TEST_F(TextReportTest, TheUpperRowSumIsTheOneShown)
{
    MarkRaces({".A..C.A", "A.BB", "A.BB", "A.BB", "A.BB", "A.BB"});
    StoreSmallGroupCoupons();
    SetConditions();
    const struct {
        int32 stored;
        const char* line;
    } cases[] = {
        {700, "Tillåten radsumma: 50 - 600"},
        {650, "Tillåten radsumma: 50 - 600"},
        {600, "Tillåten radsumma: 50 - 600"},
        {599, "Tillåten radsumma: 50 - 599"},
    };
    for (const auto& c : cases) {
        CondSumMax[5] = c.stored;
        EXPECT_TRUE(Render(1, 1, false).contains(QString::fromUtf8(c.line))) << c.stored;
    }
}

TEST_F(TextReportTest, StartAndRefusals)
{
    TextReportStart start = StartTextReport();
    EXPECT_EQ(start.memoLine, QStringLiteral("Det finns inget system."));
    EXPECT_EQ(start.firstText, QStringLiteral("0"));
    EXPECT_EQ(start.lastText, QStringLiteral("0"));
    EXPECT_EQ(start.totalText, QStringLiteral("(totalt 0 kuponger)"));
    EXPECT_TRUE(RenderSystemReport(false).isEmpty());

    KeepCoupons(250);
    start = StartTextReport();
    EXPECT_EQ(start.memoLine, QStringLiteral("Klicka på knappen \"Visa\"."));
    EXPECT_EQ(start.totalText, QStringLiteral("(totalt 250 kuponger)"));
    EXPECT_EQ(TextReportLast, 100);
    EXPECT_EQ(TextReportRangeRefusal(), QString());
    TextReportLast = 101;
    EXPECT_EQ(TextReportRangeRefusal(), QStringLiteral("Högst 100 kuponger i taget. Ändra!"));
    TextReportFirst = 151;
    TextReportLast = 250;
    EXPECT_EQ(TextReportRangeRefusal(), QString());

    // The range edits take 1 ... the count; 0, 251 and text keep the number.
    EXPECT_EQ(AcceptedTextReportNumber(QStringLiteral("250"), 7), 250);
    EXPECT_EQ(AcceptedTextReportNumber(QStringLiteral("0"), 7), 7);
    EXPECT_EQ(AcceptedTextReportNumber(QStringLiteral("251"), 7), 7);
    EXPECT_EQ(AcceptedTextReportNumber(QStringLiteral("x"), 7), 7);

    ResetGlobals();
    SingleRowsBuilt = 1;
    SingleRowCount = 600;
    start = StartTextReport();
    EXPECT_EQ(start.rangeCaption, QStringLiteral("Radnummer"));
    EXPECT_EQ(start.onlyListingCaption, QStringLiteral("Endast rader"));
    EXPECT_EQ(start.totalText, QStringLiteral("(totalt 600 rader)"));
    EXPECT_EQ(TextReportLast, 500);
    EXPECT_EQ(TextReportRangeRefusal(), QString());
    TextReportLast = 501;
    EXPECT_EQ(TextReportRangeRefusal(), QStringLiteral("Högst 500 rader i taget. Ändra!"));
}

TEST_F(TextReportTest, FileNamesAndLoadedLines)
{
    EXPECT_EQ(TextReportFileName(QStringLiteral("/tmp/rapport")), QStringLiteral("/tmp/rapport.txt"));
    EXPECT_EQ(TextReportFileName(QStringLiteral("/tmp/rapport.doc")), QStringLiteral("/tmp/rapport.txt"));
    EXPECT_EQ(TextReportFileName(QStringLiteral("/tmp/a.b/rapport")), QStringLiteral("/tmp/a.b/rapport.txt"));
    EXPECT_EQ(TextReportFileLines(QByteArray("Avd 1\r\n\r\nK\xf6p\nslut")),
              (QStringList{"Avd 1", "", QStringLiteral("Köp"), "slut"}));
}

}  // namespace
