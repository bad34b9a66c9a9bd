#include <gtest/gtest.h>

#include <QFile>
#include <QList>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>

#include "conditions/abcdlist.h"
#include "model/variabl.h"
#include "platform/textfile.h"
#include "support/coupons.h"
#include "support/marks.h"
#include "sysfile/systemfileformat.h"

namespace {

using Lines = QList<QByteArray>;

// The lines of a file written with CR LF after every line.
Lines LinesOf(const QByteArray& bytes)
{
    Lines lines = bytes.split('\n');
    EXPECT_TRUE(lines.last().isEmpty()) << "the last line has no break";
    lines.removeLast();
    for (QByteArray& line : lines) {
        EXPECT_TRUE(line.endsWith('\r'));
        line.chop(1);
    }
    return lines;
}

QByteArray BytesOf(const Lines& lines)
{
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

QByteArray CurrentFile(bool withRound = false)
{
    return SystemFileBytes(StageCurrentSystem(withRound));
}

// The empty system as the program starts: nothing marked, the list's header row.
void StartEmpty()
{
    ResetGlobals();
    InitAbcdList();
    MainFormCaption = QStringLiteral("Vimsta för V65-V64, version 18.2");
}

// ---- Rich states, written straight into the tables ----

void FillStartList(bool withPoints)
{
    StartListLoaded = 1;
    PointsLoaded = withPoints ? 1 : 0;
    StartListHeading = QStringLiteral("Solvalla lördag");
    StartListFetchTime = QStringLiteral("2026-12-11 06:00");
    for (int r = 1; r <= RaceSlots; ++r) {
        RaceInfoLines[r][0] = QStringLiteral("Lopp %1").arg(r);
        RaceInfoLines[r][4] = QStringLiteral("Info å ä ö");
        for (int n = 1; n <= StartNumbers; ++n) {
            const int i = HorseIndex(r, n);
            HorseNames[r][n] = QStringLiteral("Häst %1-%2").arg(r).arg(n);
            OddsTexts[r][n] = QString::number(10 + n);
            StreckTexts[r][n] = QString::number(n);
            StreckValues[i] = n;
            OddsValues[i] = 100 + n;
            HorsePresent[i] = n <= 12 ? 1 : 0;
            Scratched[i] = n == 5 ? 1 : 0;
            HorseValues3[i] = -n;
            HorsePoints[i] = withPoints ? 3 * n : 0;
            OwnOrder[r][n] = StartNumbers + 1 - n;
        }
    }
}

void FillConditions()
{
    MarkEveryRace("AABBCCDD");
    AbcdListCells[1][0] = QStringLiteral(" 6  0  0  0");
    AbcdListCells[1][1] = QStringLiteral("     64");
    AbcdListCells[1][2] = QStringLiteral("  Nej ");
    CompositionOfListRow[1] = 7;
    CompositionNej[7] = 1;
    NejCount = 1;
    GroupCondCells[0][0][2] = 2;
    GroupCondCells[1][1][2] = 1;
    GroupCondCells[3][2][2] = 1;
    GroupCondForbiddenHits[1][2] = 1;
    GroupCondUnreachableHits[7][2] = 1;
    ReserveMode = 3;
    ReserveOrderReset[2] = 1;
    FixedReserves[4][1] = 9;
    ConditionSwitches = {true, false, true, true};
    PayoutMin = 1000;
    PayoutMax = 900000;
    StartNrCondUsedCount = 2;
    for (int c : {4, 60}) {
        StartNrCondUsed[c] = 1;
        StartNrCondActive[c] = 1;
        StartNrCondMarks[2][3][c] = 1;
        StartNrCondForbiddenCounts[1][c] = 1;
        StartNrCondUnreachableCounts[6][c] = 0;
    }
    StartNrCondComments[4] = QStringLiteral("Favoriter i två lopp");
    ConditionGroupMembers[2][4] = 1;
    ConditionGroupMembers[3][5] = 1;  // condition 5 is not active: its box is disabled
    ConditionGroupActive[2] = 1;
    ConditionGroupLimits[3] = 1;
    ConditionGroupLimits[4] = 2;
    ActivePointsCondCount = 2;
    CondActive[1] = CondActive[3] = 1;
    CondPoints[1][2][1] = 40;
    CondSumActive[3] = 1;
    CondProdMode[3] = 0;
    CondProdMaxExp[3] = 9;
    CondSumMax[3] = 333;
    CondSumMin[3] = 12;
    PointsCondNames[3] = QStringLiteral("Tränarpoäng");
    NrCountForbidden[7][2] = 1;
    NrSetCondMarks[3][2] = 1;
    NrSetCondHigh[2] = 4;
    NrSetCondCount = 2;
    EqualNrRule[3] = 1;
    OddCountForbidden[0] = 1;
    PairRules[2] = 2;
    SystemName = QStringLiteral("Lördagens V64");
    SystemDate = QStringLiteral("11 dec");
    GameType = QStringLiteral("V64");
    DataFormCaption = QStringLiteral("Startlistor, streck och odds för V64");
}

// Rows of the marked system, each another.
void FillSingleRows(int32 count)
{
    StoreSingleRows(count);
    RandomCode = 4711;
    ReductionPoints[HorseIndex(2, 3)] = 60;
    ReductionChance[HorseIndex(2, 3)] = 55;
    ReductionPointsSum[2] = 60;
}

void FillRound()
{
    SaveRoundInFile = 1;
    SavedRoundAux = 1;
    for (int r = 1; r <= RaceSlots; ++r)
        CorrectRow[r] = static_cast<byte>(r == RaceSlots ? 1 : r + 2);
    PayoutPerHits[1] = 120;
    PayoutPerHits[2] = 4500;
    PayoutPerHits[3] = 2000000;
}

void EveryConditionalSection()
{
    FillConditions();
    KeepCoupons(40);
    CouponKept[7] = CouponKept[33] = 0;
    ResultLabels.Prisrader = QStringLiteral("1 234");
    ResultLabels.Prisavg = QStringLiteral("20,50");
    ResultLabels.Pristot = QStringLiteral("1 254,50");
    FillStartList(true);
    FillSingleRows(25);
    FillRound();
}

void GroupSystemWithKeptCoupons()
{
    MarkRaces({".A..C.A", "A.BB", "A.BB", "A.BB", "A.BB", "A.BB"});
    StoreSmallGroupCoupons();
    CouponKept[2] = 0;
    KeptCouponCount = 1;
}

void ManySingleRows()
{
    MarkEveryRace("AAAAABBBBBCCCCC");
    FillSingleRows(99999);
}

void SavedRound()
{
    FillConditions();
    FillRound();
}

void StartListWithPointsAndOwnOrder()
{
    FillStartList(true);
}

struct RichState {
    const char* name;
    std::function<void()> fill;
    bool withRound;
};

const RichState RichStates[] = {
    {"every conditional section", EveryConditionalSection, true},
    {"group system with kept coupons", GroupSystemWithKeptCoupons, false},
    {"99 999 single rows", ManySingleRows, false},
    {"saved round", SavedRound, true},
    {"start list with points and own order", StartListWithPointsAndOwnOrder, false},
};

class SystemFileFormat : public ::testing::Test {
protected:
    void SetUp() override { StartEmpty(); }
};

TEST_F(SystemFileFormat, EmptySystemHasItsSectionsAtTheirLines)
{
    const QByteArray bytes = CurrentFile();
    ASSERT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    const Lines lines = LinesOf(bytes);
    ASSERT_EQ(lines.size(), 9696);
    const auto line = [&lines](int number) { return lines[number - 1]; };
    EXPECT_EQ(line(1), "V64 v7c ur");
    EXPECT_EQ(line(3), "  0");
    EXPECT_EQ(line(317), "Synlig utd");
    EXPECT_EQ(line(318), "0");
    EXPECT_EQ(line(319), "100000000");
    EXPECT_EQ(line(320), "Ej aktiv");
    EXPECT_EQ(line(321), "NN");
    EXPECT_EQ(line(322), "DD");
    EXPECT_EQ(line(323), "Systemfinnsej");
    // Section 11 starts with race 1's record; race 7's horse 1 is in group A.
    EXPECT_EQ(line(332 + 6 * 80 + 1), "1");
    EXPECT_EQ(line(332 + 6 * 80 + 16), "1");
    EXPECT_EQ(line(1556), "0");
    EXPECT_EQ(line(1557), " A  B  C  D");
    EXPECT_EQ(line(1559), " Kvar");
    EXPECT_EQ(line(5600 - 1), "0");
    EXPECT_EQ(line(7216), "1");
    EXPECT_EQ(line(7555), "NEJ");
    EXPECT_EQ(line(7556), "0");
    EXPECT_EQ(line(7557), "0");
    EXPECT_EQ(line(9177), "EjSparaomg");
    EXPECT_EQ(line(9178), "EjSparaomgdata");
    EXPECT_EQ(line(9179), "b11");
    EXPECT_EQ(line(9478), "b3100");
    EXPECT_EQ(line(9485), "0");
    EXPECT_EQ(line(9486), "100");
    EXPECT_EQ(line(9487), "1 ej aktiv");
    EXPECT_EQ(line(9494), "0");
    EXPECT_EQ(line(9694), EncodeWindows1252(QStringLiteral("Vimsta för V65-V64, version 18.2")));
    EXPECT_EQ(line(9695), "Startlistor, streck och odds");
    EXPECT_EQ(line(9696), "v64");
}

TEST_F(SystemFileFormat, RichStatesComeBackByteForByteIntoAFreshProgram)
{
    for (const RichState& state : RichStates) {
        SCOPED_TRACE(state.name);
        StartEmpty();
        state.fill();
        const StagedSystem before = StageCurrentSystem(state.withRound);
        const QByteArray written = SystemFileBytes(before);
        const auto parsed = ParseSystemFile(written);
        ASSERT_TRUE(parsed.has_value());
        ResetGlobals();
        ApplyStagedSystem(*parsed);
        const StagedSystem after = StageCurrentSystem(SaveRoundInFile == 1);
        EXPECT_TRUE(after == before);
        EXPECT_EQ(SystemFileBytes(after), written);
    }
}

TEST_F(SystemFileFormat, TextsWithLineBreaksStayOnTheirLine)
{
    SystemName = QStringLiteral("Ett\r\ntvå\rtre\nfyra");
    AbcdListCells[0][1] = QStringLiteral("\n");
    const Lines lines = LinesOf(CurrentFile());
    ASSERT_EQ(lines.size(), 9696);
    EXPECT_EQ(lines[320], EncodeWindows1252(QStringLiteral("Ett två tre fyra")));
    EXPECT_EQ(lines[1557], " ");
}

TEST_F(SystemFileFormat, ReadsLineFeedsAndALastLineWithoutBreakAndIgnoresLinesAfterTheEnd)
{
    FillConditions();
    const QByteArray crlf = CurrentFile();
    const StagedSystem expected = *ParseSystemFile(crlf);
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    QByteArray noLastBreak = crlf;
    noLastBreak.chop(2);
    const QByteArray trailing = crlf + "mer text\r\n17\r\n";
    QByteArray longTag = crlf;
    longTag.insert(10, " och mer");
    for (const QByteArray& variant : {lf, noLastBreak, trailing, longTag}) {
        const auto parsed = ParseSystemFile(variant);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_TRUE(*parsed == expected);
    }
}

// Numbers: leading zeros, "-0" and the 32-bit bounds read; only what the layout bounds is
// checked against a range.
TEST_F(SystemFileFormat, ReadsEveryWholeNumberWithin32Bits)
{
    const Lines empty = LinesOf(CurrentFile());
    const struct {
        int line;
        QByteArray text;
        int32 unreducedRowCount;
    } cases[] = {
        {326, "007", 7}, {326, "-0", 0}, {326, "2147483647", 2147483647}, {326, "-2147483648", INT32_MIN}};
    for (const auto& c : cases) {
        Lines lines = empty;
        lines[c.line - 1] = c.text;
        const auto parsed = ParseSystemFile(BytesOf(lines));
        ASSERT_TRUE(parsed.has_value()) << c.text.constData();
        EXPECT_EQ(parsed->unreducedRowCount, c.unreducedRowCount);
    }
}

// Section 42 as the limit edits' handlers take it, from section 41's values; section 5 within
// 0-100 000 000; a word with a trailing blank is the other state; a byte keeps its low bits.
TEST_F(SystemFileFormat, AppliesLimitTextsAndWordsAsTheControlsWould)
{
    Lines lines = LinesOf(CurrentFile());
    const auto set = [&lines](int line, const char* text) { lines[line - 1] = text; };
    set(318, "-5");
    set(319, "200000000");
    set(7553, "JA ");
    set(7554, "JA");
    set(9479, "7");    // section 41: low of group 1
    set(9480, "9");    // high of group 1
    set(9481, "30");   // low of group 2
    set(9485, "");     // E1L empty: 7 stays
    set(9486, "150");  // E1H: 100
    set(9487, "1 aktiv");
    set(9488, "x");   // E2L unreadable: 30 stays
    set(9489, "-4");  // E2H: 0
    set(9490, "2 aktiv ");
    set(9179, "a11");
    set(9180, "a21 ");
    set(5600 + 1, "fyllnad");  // the filler of condition 0 is passed over
    set(5600 + 2, "300");      // forbidden hit flag of count 0, condition 1: low eight bits
    set(317, "Osynlig");       // the marker line of section 4 is passed over
    const auto parsed = ParseSystemFile(BytesOf(lines));
    ASSERT_TRUE(parsed.has_value());
    ApplyStagedSystem(*parsed);
    EXPECT_EQ(PayoutMin, 0);
    EXPECT_EQ(PayoutMax, 100000000);
    EXPECT_FALSE(ConditionSwitches.startNumbers);
    EXPECT_TRUE(ConditionSwitches.points);
    EXPECT_EQ(ConditionGroupLimits[1], 7);
    EXPECT_EQ(ConditionGroupLimits[2], 100);
    EXPECT_EQ(ConditionGroupLimits[3], 30);
    EXPECT_EQ(ConditionGroupLimits[4], 0);
    EXPECT_EQ(ConditionGroupActive[1], 1);
    EXPECT_EQ(ConditionGroupActive[2], 0);
    EXPECT_EQ(ConditionGroupMembers[1][1], 1);
    EXPECT_EQ(ConditionGroupMembers[2][1], 0);
    EXPECT_EQ(GroupCondForbiddenHits[0][1], 300 % 256);
}

// Conditions the file does not use are cleared, whatever the system before held.
TEST_F(SystemFileFormat, ConditionsAndPointsTheFileLacksAreCleared)
{
    FillStartList(false);
    const QByteArray file = CurrentFile();
    StartEmpty();
    StartNrCondUsedCount = 1;
    StartNrCondUsed[5] = 1;
    StartNrCondMarks[2][3][5] = 1;
    StartNrCondForbiddenCounts[1][5] = 1;
    StartNrCondUnreachableCounts[6][5] = 0;
    CondPoints[1][2][2] = 30;
    CondSumMax[2] = 100;
    CondSumMin[2] = 10;
    CondActive[2] = 1;
    FillStartList(true);
    ApplyStagedSystem(*ParseSystemFile(file));
    EXPECT_EQ(StartNrCondUsedCount, 0);
    EXPECT_EQ(StartNrCondUsed[5], 0);
    EXPECT_EQ(StartNrCondMarks[2][3][5], 0);
    EXPECT_EQ(StartNrCondForbiddenCounts[1][5], 0);
    EXPECT_EQ(StartNrCondUnreachableCounts[6][5], 1);
    EXPECT_EQ(CondPoints[1][2][2], 0);
    EXPECT_EQ(CondSumMax[2], 700);
    EXPECT_EQ(CondSumMin[2], 0);
    EXPECT_EQ(CondActive[2], 0);
    EXPECT_EQ(PointsLoaded, 0);  // "PoengfinnsEj"
    EXPECT_EQ(HorsePoints[HorseIndex(1, 1)], 0);
    EXPECT_EQ(StartListLoaded, 1);
    EXPECT_EQ(RestoreOwnOrderPending, 1);
}

// ---- A file written by hand ----

// A weekend system written line by line from the layout's section table, not by the program:
// every section of the newest layout, a coupon system and single rows, a start list with points
// and a saved round. Fields that the walk reads one after the other hold different values where
// the test below looks (a streck value and its text too), so that two fields read in each other's
// place show; section 23's three yes/no switches cannot all differ in one file and have a test
// of their own.
QByteArray HandWrittenFile()
{
    QFile file(QStringLiteral(VIMSTA_TEST_DATA "/systemfile/helgsystem.SV6"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(SystemFileFormat, AHandWrittenFileReadsIntoItsTablesAndWritesBackByteForByte)
{
    const QByteArray file = HandWrittenFile();
    ASSERT_EQ(LinesOf(file).size(), 11765);
    const auto parsed = ParseSystemFile(file);
    ASSERT_TRUE(parsed.has_value());
    ResetGlobals();
    ApplyStagedSystem(*parsed);

    const int h25 = HorseIndex(2, 5);
    const struct {
        const char* what;
        std::int64_t value;
        std::int64_t expected;
    } numbers[] = {
        {"2: streck of 2-5 (and 38)", StreckValues[h25], 12},
        {"3: unreduced share of 3-4", UnreducedPercent[HorseIndex(3, 4)], 34},
        {"5: payout min", PayoutMin, 2500},
        {"5: payout max", PayoutMax, 750000},
        {"6: payout switch", ConditionSwitches.payout, 1},
        {"9: coupons built", CouponsBuilt, 1},
        {"10: group system", GroupSystemBuilt, 0},
        {"10: coupon count", CouponCount, 6},
        {"10: unreduced rows", LoadedUnreducedRowCount, 96},
        {"10: rows kept", RowsKept, 40},
        {"10: rows after group conditions", RowsAfterGroupConditions, 90},
        {"10: rows accepted", RowsAccepted, 55},
        {"10: kept coupons", KeptCouponCount, 5},
        {"10: Nej count", NejCount, 1},
        {"11: group of 2-9", HorseGroups[2][0][9], GroupB},
        {"11: size of B in race 2", HorseGroups[2][GroupB][0], 2},
        {"11: 4-12 in D", HorseGroups[4][GroupD][12], 1},
        {"12: five B winners allowed", WinnerCountAllowed[5][GroupB], 0},
        {"12: five A winners allowed", WinnerCountAllowed[5][GroupA], 1},
        {"12: five B winners locked", WinnerCountLocked[5][GroupB], 1},
        {"12: four B winners locked", WinnerCountLocked[4][GroupB], 0},
        {"13: Nej of composition 7", CompositionNej[7], 1},
        {"13: saved rows of composition 4", CompositionRowsSaved[4], 12},
        {"13: all rows of composition 4", CompositionRowsAll[4], 8},
        {"13: kept rows of composition 4", CompositionRowsKept[4], 4},
        {"13: composition of list row 2", CompositionOfListRow[2], 8},
        {"15: coupon 3 kept", CouponKept[3], 0},
        {"15: coupon 4 kept", CouponKept[4], 1},
        {"16: cells of group condition 3", GroupCondCells[0][0][3], 2},
        {"16: race 2, B, condition 3", GroupCondCells[2][GroupB][3], 1},
        {"17: two hits of condition 3 forbidden", GroupCondForbiddenHits[2][3], 1},
        {"17: two hits of condition 3 unreachable", GroupCondUnreachableHits[2][3], 0},
        {"17: three hits of condition 3 unreachable", GroupCondUnreachableHits[3][3], 1},
        {"18: reserve mode", ReserveMode, 2},
        {"19: race 3 reset", ReserveOrderReset[3], 1},
        {"19: race 4 reset", ReserveOrderReset[4], 0},
        {"20: label slot of 2-4", ReserveLabelSlot[2][4], 4},
        {"20: default order of 2-4", ReserveDefaultOrder[2][4], 12},
        {"20: order of 2-4", ReserveOrder[2][4], 5},
        {"20: first fixed reserve of race 6", FixedReserves[6][1], 8},
        {"20: second fixed reserve of race 6", FixedReserves[6][2], 9},
        {"23: start-number switch", ConditionSwitches.startNumbers, 1},
        {"23: points switch", ConditionSwitches.points, 0},
        {"23: other-numbers switch", ConditionSwitches.otherNumbers, 1},
        {"24: start-number conditions used", StartNrCondUsedCount, 2},
        {"24: condition 17 used", StartNrCondUsed[17], 1},
        {"25: no count of condition 4 forbidden", StartNrCondForbiddenCounts[0][4], 1},
        {"25: six of condition 17 forbidden", StartNrCondForbiddenCounts[6][17], 1},
        {"25: four of condition 4 unreachable", StartNrCondUnreachableCounts[4][4], 1},
        {"25: three of condition 4 unreachable", StartNrCondUnreachableCounts[3][4], 0},
        {"25: 2-5 in condition 4", StartNrCondMarks[2][5][4], 1},
        {"25: 4-12 in condition 17", StartNrCondMarks[4][12][17], 1},
        {"26: active points conditions", ActivePointsCondCount, 2},
        {"26: condition 5 active", CondActive[5], 1},
        {"26: condition 9 active", CondActive[9], 0},
        {"26: sum max of condition 2", CondSumMax[2], 250},
        {"26: sum min of condition 2", CondSumMin[2], 40},
        {"26: sum max of condition 9", CondSumMax[9], 650},
        {"26: sum min of condition 9", CondSumMin[9], 15},
        {"26: points of 3-7 in condition 2", CondPoints[3][7][2], 14},
        {"27: three sevens forbidden", NrCountForbidden[7][3], 1},
        {"28: 14 in number set 2", NrSetCondMarks[14][2], 1},
        {"29: high of number set 1", NrSetCondHigh[1], 3},
        {"29: low of number set 1", NrSetCondLow[1], 2},
        {"29: number set 1 required", NrSetCondRequire[1], 1},
        {"29: number set 2 removes", NrSetCondRemove[2], 1},
        {"30: number sets", NrSetCondCount, 2},
        {"31: sum test of condition 2", CondSumActive[2], 1},
        {"31: sum mode of condition 5", CondSumMode[5], 0},
        {"31: product test of condition 9", CondProdActive[9], 1},
        {"31: product mode of condition 9", CondProdMode[9], 0},
        {"31: product min mantissa of condition 9", CondProdMinMantissa[9], 25},
        {"31: product max mantissa of condition 9", CondProdMaxMantissa[9], 80},
        {"31: product min exponent of condition 9", CondProdMinExp[9], 2},
        {"31: product max exponent of condition 9", CondProdMaxExp[9], 9},
        {"31: start-number condition 4 active", StartNrCondActive[4], 1},
        {"31: start-number condition 17 active", StartNrCondActive[17], 0},
        {"32: rule of two equal numbers", EqualNrRule[2], 1},
        {"32: rule of five equal numbers", EqualNrRule[5], 2},
        {"32: six odd numbers forbidden", OddCountForbidden[6], 1},
        {"32: one pair", PairRules[1], 1},
        {"32: three pairs", PairRules[3], 2},
        {"33: round in the file", SaveRoundInFile, 1},
        {"34: race data in the file", RoundDataInFile, 1},
        {"35: winner of race 4", SavedRoundWinners[4], 12},
        {"35: payout for six right", SavedRoundPayouts[2], 2150},
        {"35: payout for seven right", SavedRoundPayouts[3], 187400},
        {"36: points loaded", PointsLoaded, 1},
        {"36: points of 3-4", HorsePoints[HorseIndex(3, 4)], 17},
        {"38: value 3 of 2-5", HorseValues3[h25], -5},
        {"38: odds of 2-5", OddsValues[h25], 87},
        {"38: 2-5 present", HorsePresent[h25], 1},
        {"38: 2-13 present", HorsePresent[HorseIndex(2, 13)], 0},
        {"38: 2-6 scratched", Scratched[HorseIndex(2, 6)], 1},
        {"38: own order of race 3, slot 2", SavedOwnOrder[3][2], 14},
        {"39: single rows", SingleRowsBuilt, 1},
        {"39: random code", RandomCode, 4711},
        {"39: reduction points of 1-4", ReductionPoints[HorseIndex(1, 4)], 12},
        {"39: reduction chance of 1-4", ReductionChance[HorseIndex(1, 4)], 80},
        {"39: points sum of race 3", ReductionPointsSum[3], 300},
        {"39: single-row count", SingleRowCount, 4},
        {"39: row 2, race 4", RowStore[4][2], 12},
        {"39: row 4, race 2", RowStore[2][4], 11},
        {"40: condition 4 in group 2", ConditionGroupMembers[2][4], 1},
        {"41: low of group 2", ConditionGroupLimits[3], 1},
        {"41: high of group 2", ConditionGroupLimits[4], 3},
        {"42: group 1 active", ConditionGroupActive[1], 0},
        {"42: group 2 active", ConditionGroupActive[2], 1},
    };
    for (const auto& n : numbers)
        EXPECT_EQ(n.value, n.expected) << n.what;
    const struct {
        const char* what;
        QString value;
        const char* expected;
    } texts[] = {
        {"2: streck text of 2-5 (and 38)", StreckTexts[2][5], "12%"},
        {"7: name", SystemName.str(), "Helgens V64"},
        {"8: date", SystemDate.str(), "13 dec 2026"},
        {"14: list row 1", AbcdListCells[1][0], " 5  2  0  0"},
        {"14: list row 2's mark", AbcdListCells[2][2], "  Nej "},
        {"22: stake", ResultLabels.Prisrader, "96"},
        {"22: fees", ResultLabels.Prisavg, "12"},
        {"22: total", ResultLabels.Pristot, "108"},
        {"37: heading", StartListHeading, "Åby lördag"},
        {"37: fetched", StartListFetchTime, "2026-12-12 09:15"},
        {"37: name of 3-4", HorseNames[3][4], "Häst 3-4"},
        {"37: first information line of race 2", RaceInfoLines[2][1], "Lopp 2, 2140 m autostart"},
        {"38: odds text of 2-5", OddsTexts[2][5], "8,7"},
        {"43: comment of condition 4", StartNrCondComments[4].str(), "Favoriter i två lopp"},
        {"43: name of points condition 2", PointsCondNames[2].str(), "Tränarpoäng"},
        {"44: main caption", MainFormCaption, "Vimsta för V65-V64, version 18.2   Åby"},
        {"44: race-data caption", DataFormCaption, "Startlistor, streck och odds för V64"},
        {"44: game", GameType.str(), "v64"},
    };
    for (const auto& t : texts)
        EXPECT_EQ(t.value, QString::fromUtf8(t.expected)) << t.what;

    EXPECT_EQ(SystemFileBytes(StageCurrentSystem(SaveRoundInFile == 1)), file);
}

// Each of section 23's switches ("JA"/"NEJ": start numbers, points, other numbers) read as the
// only one on, so that two switches read in each other's place show.
TEST_F(SystemFileFormat, EachSwitchOfTheHandWrittenFileIsReadInItsOwnPlace)
{
    constexpr int FirstSwitchLine = 7568;
    for (int on = 0; on < 3; ++on) {
        SCOPED_TRACE(on);
        Lines lines = LinesOf(HandWrittenFile());
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(lines[FirstSwitchLine - 1 + i] == "JA" || lines[FirstSwitchLine - 1 + i] == "NEJ");
            lines[FirstSwitchLine - 1 + i] = i == on ? "JA" : "NEJ";
        }
        const QByteArray file = BytesOf(lines);
        const auto parsed = ParseSystemFile(file);
        ASSERT_TRUE(parsed.has_value());
        ResetGlobals();
        ApplyStagedSystem(*parsed);
        EXPECT_EQ(ConditionSwitches.startNumbers, on == 0);
        EXPECT_EQ(ConditionSwitches.points, on == 1);
        EXPECT_EQ(ConditionSwitches.otherNumbers, on == 2);
        EXPECT_EQ(SystemFileBytes(StageCurrentSystem(SaveRoundInFile == 1)), file);
    }
}

// ---- Older layouts ----

// Cuts the sections an older tag lacks from a file of the newest layout, by line number:
// streck 2-316, payout 317-320; section 31 starts 918 lines before section 33 (found by its
// word), 40 after the round sections; section 26 of the first layout has no used flags.
struct OlderTag {
    const char* tag;
    int version;
    bool streck;
};

QByteArray OlderFile(const QByteArray& newest, const OlderTag& older, int usedFlagsLine)
{
    Lines lines = LinesOf(newest);
    const int round = static_cast<int>(lines.indexOf("EjSparaomg"));  // 0-based line of section 33
    int groups = static_cast<int>(lines.indexOf("b11"));              // section 40
    if (older.version <= 4) {
        // Sections 32 to 38 (round and race data absent in the newest file: two word lines).
        lines.remove(round - 18, 20);
        groups -= 20;
    }
    if (older.version == 1) {
        lines.remove(groups, 315);             // 40 to 42
        lines.remove(round - 918, 900);        // 31
        lines.remove(usedFlagsLine - 1, 100);  // 26's used flags
    }
    lines.remove(older.streck ? 316 : 1, older.streck ? 4 : 319);
    lines[0] = older.tag;
    return BytesOf(lines);
}

TEST_F(SystemFileFormat, OlderTagsReadWithTheDefaultsOfTheSectionsTheyLack)
{
    const OlderTag tags[] = {
        {"V64", 1, false},       {"V64 v4 mr", 4, false}, {"V64 v4 ur", 4, false},
        {"V64 v5 mr", 5, false}, {"V64 v5 ur", 5, false}, {"V64 v7 mr", 7, false},
        {"V64 v7 ur", 7, false}, {"V64 v7b mr", 7, true}, {"V64 v7b ur", 7, true},
    };
    for (const OlderTag& older : tags) {
        SCOPED_TRACE(older.tag);
        const bool singleRows = QByteArray(older.tag).endsWith("mr");
        // The file: marks, one active points condition (3), used start-number condition 4.
        StartEmpty();
        MarkEveryRace("AB");
        ActivePointsCondCount = 1;
        CondActive[3] = 1;
        CondSumActive[3] = 1;
        CondSumMax[3] = 321;
        StartNrCondUsedCount = 1;
        StartNrCondUsed[4] = 1;
        StartNrCondActive[4] = 1;
        if (singleRows)
            FillSingleRows(3);
        const QByteArray newest = CurrentFile();
        // Section 14 holds three lines for each list row after the header.
        const int usedFlagsLine = 7556 + 100 + 144 + 1 + 100 + 1 + 3 * LinesOf(newest)[1555].toInt();
        const QByteArray file = OlderFile(newest, older, usedFlagsLine);
        const int32 filePercent = UnreducedPercent[1];

        // Read over a loaded system that differs in everything an older file keeps.
        StartEmpty();
        UnreducedPercent[1] = 44;
        StreckValues[1] = 9;
        ConditionSwitches.payout = true;
        PayoutMax = 5000;
        EqualNrRule[2] = 1;
        ConditionGroupLimits[1] = 3;
        FillStartList(false);
        SavedRoundAux = 1;
        ResultLabels.ReducgradVisible = false;
        const auto parsed = ParseSystemFile(file);
        ASSERT_TRUE(parsed.has_value());
        ApplyStagedSystem(*parsed);

        EXPECT_EQ(SystemFileVersion, older.version);
        EXPECT_EQ(SingleRowsBuilt, singleRows && older.version > 1 ? 1 : 0);
        EXPECT_EQ(SingleRowCount, singleRows && older.version > 1 ? 3 : 0);
        EXPECT_EQ(RandomCode, singleRows && older.version > 1 ? 4711 : 765);
        EXPECT_EQ(HorseGroups[2][0][2], GroupB);
        EXPECT_EQ(CondSumMax[3], 321);
        EXPECT_EQ(PayoutMin, 0);
        EXPECT_EQ(PayoutMax, 100000000);
        EXPECT_FALSE(ConditionSwitches.payout);
        EXPECT_EQ(StreckValues[1], 0);
        EXPECT_EQ(StreckTexts[1][1], QStringLiteral("  0"));
        EXPECT_EQ(UnreducedPercent[1], older.streck ? filePercent : 44);
        EXPECT_EQ(HorseNames[1][1], QStringLiteral("Häst 1-1"));  // race data kept
        EXPECT_EQ(EqualNrRule[2], older.version == 1 ? 1 : 0);
        EXPECT_EQ(ConditionGroupLimits[1], older.version == 1 ? 3 : 0);
        EXPECT_EQ(SavedRoundAux, older.version >= 5 ? 0 : 1);
        EXPECT_EQ(ResultLabels.ReducgradVisible, older.version == 1 ? false : !singleRows);
        EXPECT_EQ(StartNrCondActiveCount, 1);
        if (older.version == 1) {
            EXPECT_EQ(CondSumActive[3], 1);
            EXPECT_EQ(CondProdActive[3], 0);
            EXPECT_EQ(CondSumMode[3], 1);
            EXPECT_EQ(CondProdMaxMantissa[3], 100);
            EXPECT_EQ(CondProdMaxExp[3], 12);
            EXPECT_EQ(CondProdMaxReal[3], 1.0e14);
            EXPECT_EQ(CondSumActive[4], 0);
        }
    }
}

// ---- Refused files ----

struct Refusal {
    const char* what;
    QByteArray file;
};

QByteArray WithLines(const QByteArray& file, std::initializer_list<std::pair<int, QByteArray>> changes)
{
    Lines lines = LinesOf(file);
    for (const auto& [line, text] : changes)
        lines[line - 1] = text;
    return BytesOf(lines);
}

QByteArray WithLine(const QByteArray& file, int line, const QByteArray& text)
{
    return WithLines(file, {{line, text}});
}

QByteArray FirstLines(const QByteArray& file, int count)
{
    return BytesOf(LinesOf(file).mid(0, count));
}

QByteArray EmptyFile()
{
    StartEmpty();
    return CurrentFile();
}

// One start-number condition in use: its used flag at line 7557.
QByteArray FileWithStartNrCondition()
{
    StartEmpty();
    StartNrCondUsedCount = 1;
    StartNrCondUsed[1] = 1;
    return CurrentFile();
}

// Three single rows over A at 1 and B at 2 in every race: 1 1 1 1 1 1, 1 1 1 1 1 2 and
// 1 1 1 1 2 1, each with the dummy slot's 1.
QByteArray FileWithSingleRows()
{
    StartEmpty();
    MarkEveryRace("AB");
    FillSingleRows(3);
    return CurrentFile();
}

// The line of race 1 of the first of the file's rows: the rows end where section 40 begins.
int FirstSingleRowLine(const QByteArray& file, int rows)
{
    return static_cast<int>(LinesOf(file).indexOf("b11")) + 1 - rows * RaceSlots;
}

// A start list: the own order from line 10057.
QByteArray FileWithStartList()
{
    StartEmpty();
    FillStartList(false);
    return CurrentFile();
}

QByteArray RichFile()
{
    StartEmpty();
    EveryConditionalSection();
    return CurrentFile(true);
}

TEST_F(SystemFileFormat, RefusedFilesChangeNothing)
{
    const QByteArray empty = EmptyFile(), startNr = FileWithStartNrCondition(),
                     singleRows = FileWithSingleRows(), startList = FileWithStartList(), rich = RichFile();
    for (const QByteArray& file : {empty, startNr, singleRows, startList, rich})
        ASSERT_TRUE(ParseSystemFile(file).has_value());
    const qsizetype richLines = LinesOf(rich).size();
    const int firstRow = FirstSingleRowLine(singleRows, 3);
    // Section 11: race slot 7's record from line 812; its group codes at 813-827, its group A
    // with the size at 828 and start numbers 1-15 at 829-843.
    const Refusal refusals[] = {
        {"empty file", QByteArray()},
        {"tag with a leading blank", WithLine(empty, 1, " V64 v7c ur")},
        {"tag in another case", WithLine(empty, 1, "V64 V7c ur")},
        {"tag after a byte-order mark", WithLine(empty, 1, "\xEF\xBB\xBFV64 v7c ur")},
        {"V64 followed by more", WithLine(empty, 1, "V64 v9")},
        {"fraction", WithLine(empty, 326, "1.5")},
        {"blank in front", WithLine(empty, 326, " 1")},
        {"blank after", WithLine(empty, 326, "1 ")},
        {"plus sign", WithLine(empty, 326, "+1")},
        {"hexadecimal", WithLine(empty, 326, "$1F")},
        {"empty number", WithLine(empty, 326, "")},
        {"minus alone", WithLine(empty, 326, "-")},
        {"above 32 bits", WithLine(empty, 326, "2147483648")},
        {"below 32 bits", WithLine(empty, 326, "-2147483649")},
        {"coupon count 5 501", WithLine(empty, 325, "5501")},
        {"coupon count -1", WithLine(empty, 325, "-1")},
        {"list count 121", WithLine(empty, 1556, "121")},
        {"list count -2", WithLine(empty, 1556, "-2")},
        {"start-number count 101", WithLine(empty, 7556, "101")},
        {"number-set count 21", WithLine(empty, 8258, "21")},
        {"single-row count 100 000", WithLine(singleRows, firstRow - 1, "100000")},
        {"start-number used flag 2", WithLine(startNr, 7557, "2")},
        {"points used flag 2", WithLine(empty, 7658, "2")},
        {"group code 5", WithLine(empty, 333, "5")},
        {"group size 16", WithLine(empty, 348, "16")},
        {"group size without its horses", WithLine(empty, 348, "15")},
        {"horse flagged in a group its code does not name", WithLine(empty, 349, "1")},
        {"horse whose code names a group that does not flag it", WithLine(empty, 333, "2")},
        {"list row's composition 121", WithLine(empty, 1436, "121")},
        {"kept-coupon count 5 501", WithLine(empty, 330, "5501")},
        {"label slot 0", WithLine(empty, 7224, "0")},
        {"label slot 257", WithLine(empty, 7224, "257")},
        {"reserve order 16", WithLine(empty, 7226, "16")},
        {"fixed reserve 16", WithLine(empty, 7269, "16")},
        {"own order 16", WithLine(startList, 10057, "16")},
        {"single-row start number 0", WithLine(singleRows, firstRow, "0")},
        {"single-row start number 16", WithLine(singleRows, firstRow, "16")},
        {"dummy race with horses 1 and 2 in A", WithLines(empty, {{814, "1"}, {828, "2"}, {830, "1"}})},
        {"dummy race with horse 2 in place of 1",
         WithLines(empty, {{813, "0"}, {814, "1"}, {829, "0"}, {830, "1"}})},
        {"dummy race without a horse", WithLines(empty, {{813, "0"}, {828, "0"}, {829, "0"}})},
        {"single row playing an unmarked horse", WithLine(singleRows, firstRow, "3")},
        {"single row playing an unmarked horse in the dummy race", WithLine(singleRows, firstRow + 6, "2")},
        {"the same single row twice", WithLine(singleRows, firstRow + RaceSlots + 5, "1")},
        {"cut in section 2", FirstLines(rich, 100)},
        {"cut in section 16", FirstLines(rich, 3000)},
        {"cut in section 39", FirstLines(rich, richLines - 560)},
        {"cut in section 43", FirstLines(rich, richLines - 50)},
        {"last line missing", FirstLines(rich, richLines - 1)},
    };
    StartEmpty();
    EveryConditionalSection();
    const StagedSystem before = StageCurrentSystem(true);
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        EXPECT_FALSE(ParseSystemFile(refusal.file).has_value());
    }
    EXPECT_TRUE(StageCurrentSystem(true) == before);
}

// A round that a load staged and the grading window has not shown yet is saved again, not
// the correct row that the window would replace.
TEST_F(SystemFileFormat, AStagedRoundNotYetShownIsTheRoundSaved)
{
    SavedRound();
    const QByteArray written = CurrentFile(true);
    ResetGlobals();
    ApplyStagedSystem(*ParseSystemFile(written));
    EXPECT_EQ(SavedRoundAux, 0);
    EXPECT_EQ(CorrectRow[1], 0);
    EXPECT_EQ(SavedRoundWinners[1], 3);
    EXPECT_EQ(SavedRoundPayouts[3], 2000000);
    EXPECT_EQ(CurrentFile(true), written);
}

}  // namespace
