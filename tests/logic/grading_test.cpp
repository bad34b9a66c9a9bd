#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <array>
#include <initializer_list>
#include <random>
#include <vector>

#include "grading/grading.h"
#include "grading/gradinginputs.h"
#include "model/variabl.h"
#include "output/reserves.h"
#include "support/coupons.h"
#include "support/marks.h"

namespace {

using Row = std::array<int, RaceSlots>;  // races 1-7
using CouponMasks = std::array<THorseMask, RaceSlots>;

THorseMask Horses(std::initializer_list<int> startNumbers)
{
    THorseMask horses = 0;
    for (int h : startNumbers)
        horses |= HorseBit(h);
    return horses;
}

void StoreSingleRows(const std::vector<Row>& rows)
{
    for (std::size_t k = 0; k < rows.size(); ++k)
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][k + 1] = rows[k][static_cast<std::size_t>(race - 1)];
    SingleRowCount = static_cast<int32>(rows.size());
    SingleRowsBuilt = 1;
    CouponsBuilt = 0;
}

void StoreMaskCoupons(const std::vector<CouponMasks>& coupons)
{
    for (std::size_t k = 0; k < coupons.size(); ++k)
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][k + 1] = coupons[k][static_cast<std::size_t>(race - 1)];
    GroupSystemBuilt = 0;
    SingleRowsBuilt = 0;
    KeepCoupons(static_cast<int>(coupons.size()));
}

void Scratch(int race, std::initializer_list<int> startNumbers)
{
    for (int h : startNumbers)
        ScratchedInGrading[HorseIndex(race, h)] = 1;
}

void SetCorrectRow(const Row& row)
{
    for (int race = 1; race <= RaceSlots; ++race)
        CorrectRow[race] = static_cast<byte>(row[static_cast<std::size_t>(race - 1)]);
}

// The one-horse coupon of a row: bit per race.
CouponMasks MasksOf(const Row& row)
{
    CouponMasks masks{};
    for (int race = 1; race <= RaceSlots; ++race)
        masks[static_cast<std::size_t>(race - 1)] = HorseBit(row[static_cast<std::size_t>(race - 1)]);
    return masks;
}

std::array<int32, 8> Counts()
{
    std::array<int32, 8> counts{};
    for (int i = 0; i < 8; ++i)
        counts[static_cast<std::size_t>(i)] = CorrectCounts[i];
    return counts;
}

class GradingTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
};

// ---- Substitution ----

struct SubstitutionCase {
    const char* what;
    int mode;
    std::vector<int> reserveOrderStart;  // positions 1.. of race 2
    std::array<int, 2> fixed;
    std::vector<int> scratched;    // race 2
    std::vector<int> emptyFrom10;  // official positions of race 2 set to 0
    THorseMask horses;
    int candidates;
    std::vector<std::pair<int, int>> expected;  // scratched horse -> stand-in
};

// One substitution of race 2 set up by the case.
void SetUpSubstitution(const SubstitutionCase& c)
{
    ReserveMode = static_cast<byte>(c.mode);
    int position = 1;
    for (int h : c.reserveOrderStart)
        ReserveOrder[2][position++] = static_cast<byte>(h);
    for (int h = 1; h <= StartNumbers; ++h)
        if (std::find(c.reserveOrderStart.begin(), c.reserveOrderStart.end(), h) == c.reserveOrderStart.end())
            ReserveOrder[2][position++] = static_cast<byte>(h);
    FixedReserves[2][1] = static_cast<byte>(c.fixed[0]);
    FixedReserves[2][2] = static_cast<byte>(c.fixed[1]);
    for (int h : c.scratched)
        ScratchedInGrading[HorseIndex(2, h)] = 1;
    for (int p : c.emptyFrom10)
        OfficialOrder[2][p] = 0;
}

TEST_F(GradingTest, SubstitutionTakesTheFirstCandidateLeft)
{
    const SubstitutionCase cases[] = {
        {"none: official order past a scratched horse",
         ReserveModeNone,
         {},
         {1, 2},
         {5, 1},
         {},
         Horses({5}),
         SingleRowCandidates,
         {{5, 2}}},
        {"single row stops after official position 8",
         ReserveModeNone,
         {},
         {1, 2},
         {1, 2, 3, 4, 5, 6, 7, 8, 12},
         {},
         Horses({12}),
         SingleRowCandidates,
         {{12, 0}}},
        {"coupon goes on to official position 9",
         ReserveModeNone,
         {},
         {1, 2},
         {1, 2, 3, 4, 5, 6, 7, 8, 12},
         {},
         Horses({12}),
         CouponCandidates,
         {{12, 9}}},
        {"chosen order passes the coupon's horses",
         ReserveModeChosenOrder,
         {5, 7, 1},
         {1, 2},
         {3},
         {},
         Horses({3, 5}),
         CouponCandidates,
         {{3, 7}}},
        {"chosen order falls back to positions 14 and 15",
         ReserveModeChosenOrder,
         {},
         {1, 2},
         {3},
         {},
         THorseMask((1u << 15) - 1),
         CouponCandidates,
         {{3, 14}}},
        {"chosen order, one free: it, then position 15",
         ReserveModeChosenOrder,
         {},
         {1, 2},
         {3, 9},
         {},
         THorseMask(((1u << 15) - 1) & ~HorseBit(9)),
         CouponCandidates,
         {{3, 15}}},
        {"fixed reserve on the coupon stays",
         ReserveModeFixed,
         {},
         {5, 2},
         {3},
         {},
         Horses({3, 5}),
         CouponCandidates,
         {{3, 5}}},
        {"fixed reserves of 0 are skipped",
         ReserveModeFixed,
         {},
         {0, 0},
         {3},
         {},
         Horses({3}),
         SingleRowCandidates,
         {{3, 1}}},
        {"next lower at position 14 takes 15, then 14",
         ReserveModeNextLower,
         {},
         {1, 2},
         {14},
         {},
         Horses({14}),
         SingleRowCandidates,
         {{14, 15}}},
        {"next lower at position 15 takes 14",
         ReserveModeNextLower,
         {},
         {1, 2},
         {15},
         {},
         Horses({15}),
         SingleRowCandidates,
         {{15, 14}}},
        {"next lower below 14",
         ReserveModeNextLower,
         {},
         {1, 2},
         {4},
         {},
         Horses({2, 4}),
         CouponCandidates,
         {{4, 5}}},
        {"two scratched horses in start-number order; a taken reserve leaves once",
         ReserveModeFixed,
         {},
         {1, 0},
         {2, 4},
         {},
         Horses({2, 4}),
         CouponCandidates,
         {{2, 1}, {4, 1}}},
        {"dead end: every horse scratched",
         ReserveModeChosenOrder,
         {},
         {1, 2},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
         {},
         Horses({6}),
         CouponCandidates,
         {{6, 0}}},
        {"empty official positions are passed over",
         ReserveModeNone,
         {},
         {1, 2},
         {1, 2, 3, 4, 5, 6, 7, 8, 9},
         {10, 11, 12, 13, 14},
         Horses({1}),
         CouponCandidates,
         {{1, 15}}},
        {"official candidates on the coupon are dropped",
         ReserveModeNone,
         {},
         {1, 2},
         {3},
         {},
         Horses({1, 2, 3}),
         CouponCandidates,
         {{3, 4}}}};
    for (const SubstitutionCase& c : cases) {
        ResetGlobals();
        SetUpSubstitution(c);
        const Substitutes substitutes = SubstituteScratched(2, c.horses, c.candidates);
        for (const auto& [scratched, standIn] : c.expected)
            EXPECT_EQ(substitutes.of[scratched], standIn) << c.what << ": horse " << scratched;
    }
}

// ---- Grading cases ----

TEST_F(GradingTest, RefusesWithoutASystemAndBeyondTheTables)
{
    EXPECT_EQ(GradeSystem().refusal, NoSystemToGradeMessage);
    StoreSingleRows({{1, 1, 1, 1, 1, 1, 1}});
    SingleRowCount = MaxGradedSingleRows;
    EXPECT_EQ(GradeSystem().refusal, SystemTooLargeToGradeMessage);
    StoreMaskCoupons({MasksOf({1, 1, 1, 1, 1, 1, 1})});
    KeptCouponCount = MaxCoupons + 1;
    EXPECT_EQ(GradeSystem().refusal, SystemTooLargeToGradeMessage);
    EXPECT_EQ(Graded, 0);
}

TEST_F(GradingTest, SingleRowsAreCountedByCorrectRaces)
{
    StoreSingleRows(
        {{1, 2, 3, 4, 5, 6, 1}, {1, 2, 3, 4, 5, 7, 1}, {1, 2, 3, 9, 9, 9, 1}, {9, 9, 9, 9, 9, 9, 1}});
    SetCorrectRow({1, 2, 3, 4, 5, 6, 0});
    PayoutPerHits[2] = 2500;
    PayoutPerHits[1] = 120;
    const GradingResult result = GradeSystem();
    EXPECT_EQ(Counts(), (std::array<int32, 8>{0, 1, 1, 0, 1, 0, 0, 1}));
    EXPECT_EQ(RowCorrectCounts[1], 6);
    EXPECT_EQ(RowCorrectCounts[3], 3);
    EXPECT_EQ(WinningRowCount, 2);
    EXPECT_EQ(WinningRowsScrollMaximum(), 3);
    EXPECT_EQ(result.winnersText, QStringLiteral("2 vinstrader"));
    EXPECT_EQ(result.countTexts[1], QStringLiteral("1 st"));
    EXPECT_EQ(result.countTexts[4], QStringLiteral("1"));
    EXPECT_EQ(result.amountTexts[2], QStringLiteral("    2500"));
    EXPECT_EQ(result.amountTexts[1], QStringLiteral("     120"));
    EXPECT_EQ(result.amountTexts[0], QStringLiteral("       0"));
    EXPECT_EQ(result.totalText, QStringLiteral("    2620"));
    EXPECT_FALSE(result.nextRaceEnabled);
    EXPECT_FALSE(result.substituted);
    EXPECT_EQ(Graded, 1);
}

TEST_F(GradingTest, AScratchedSingleRowHorseWithoutCandidateMisses)
{
    StoreSingleRows({{12, 2, 3, 4, 5, 6, 1}});
    SetCorrectRow({9, 2, 3, 4, 5, 6, 0});
    Scratch(1, {1, 2, 3, 4, 5, 6, 7, 8, 12});
    const GradingResult result = GradeSystem();
    EXPECT_EQ(RowCorrectCounts[1], 5);
    EXPECT_TRUE(result.substituted);
    // The same row as a coupon reaches official position 9, the winner.
    StoreMaskCoupons({MasksOf({12, 2, 3, 4, 5, 6, 1})});
    GradeSystem();
    EXPECT_EQ(CouponResults[1].Rows6, 1);
}

TEST_F(GradingTest, CouponsCountTheirRowsByTheProductFormula)
{
    // Coupon 1: 2 x 2 x 1 x 1 x 1 x 3 rows; coupon 2 misses race 1.
    StoreMaskCoupons(
        {{Horses({1, 2}), Horses({3, 4}), Horses({5}), Horses({6}), Horses({7}), Horses({8, 9, 10}),
          Horses({1})},
         {Horses({4}), Horses({3}), Horses({5}), Horses({6}), Horses({7}), Horses({8}), Horses({1})}});
    SetCorrectRow({1, 3, 5, 6, 7, 8, 0});
    const GradingResult result = GradeSystem();
    EXPECT_EQ(CouponResults[1].Rows6, 1);
    EXPECT_EQ(CouponResults[1].Rows5, 4);  // a miss in race 1, race 2 or (twice) race 6
    EXPECT_EQ(CouponResults[1].Rows4, 5);
    EXPECT_EQ(CouponResults[2].Rows5, 1);
    EXPECT_EQ(CorrectCounts[1], 1);
    EXPECT_EQ(WinningCouponCount, 2);
    EXPECT_EQ(result.winnersText, QStringLiteral("2 kuponger"));
    ASSERT_EQ(result.couponGrid.size(), 2u);
    EXPECT_EQ(result.couponGrid[0],
              (std::array<QString, 4>{QStringLiteral("      1"), QStringLiteral("     1"),
                                      QStringLiteral("       4"), QStringLiteral("       5")}));
}

TEST_F(GradingTest, AReserveOnTheCouponCountsTwice)
{
    ReserveMode = ReserveModeFixed;
    FixedReserves[2][1] = 5;
    StoreMaskCoupons(
        {{Horses({1}), Horses({3, 5}), Horses({1}), Horses({1}), Horses({1}), Horses({1}), Horses({1})}});
    Scratch(2, {3});
    SetCorrectRow({1, 5, 1, 1, 1, 1, 0});
    const GradingResult result = GradeSystem();
    EXPECT_EQ(CouponResults[1].Rows6, 2);
    EXPECT_EQ(CorrectCounts[1], 2);
    EXPECT_TRUE(result.substituted);
}

TEST_F(GradingTest, GroupCouponsFollowTheCurrentMarks)
{
    MarkRaces({".A..C.A", "A.BB", "A.BB", "A.BB", "A.BB", "A.BB"});
    StoreSmallGroupCoupons();  // coupon 1: AC, AB, A, B, A, A
    SetCorrectRow({5, 3, 1, 3, 1, 1, 0});
    GradeSystem();
    EXPECT_EQ(CouponResults[1].Rows6, 1);
    EXPECT_EQ(CouponResults[2].Winning, 0);
    MarkHorse(4, GroupB, 3);  // race 4's B is now horse 4 alone
    CouponsBuilt = 1;
    GradeSystem();
    EXPECT_EQ(CouponResults[1].Rows6, 0);
    EXPECT_EQ(CouponResults[1].Rows5, 1);
}

TEST_F(GradingTest, WinningsHoldAmountsAbove32Bits)
{
    StoreSingleRows(std::vector<Row>(22, Row{1, 1, 1, 1, 1, 1, 1}));
    SetCorrectRow({1, 1, 1, 1, 1, 1, 0});
    PayoutPerHits[2] = 100000000;
    GradingResult result = GradeSystem();
    EXPECT_EQ(WinningsPerClass[2], 2200000000LL);
    EXPECT_EQ(result.totalText, QStringLiteral("2200000000"));
    StoreSingleRows(std::vector<Row>(21, Row{1, 1, 1, 1, 1, 1, 1}));
    PayoutPerHits[1] = 100000000;
    result = GradeSystem();
    EXPECT_EQ(result.amountTexts[2], QStringLiteral("2100000000"));
    EXPECT_EQ(result.total, 2100000000LL);
}

struct PartialCase {
    Row correct;
    bool enabled;
    int next;
};

TEST_F(GradingTest, APartialCorrectRowPreparesTheNextRace)
{
    const PartialCase cases[] = {{{0, 0, 0, 0, 0, 0, 0}, true, 1},
                                 {{1, 2, 3, 0, 0, 0, 0}, true, 4},
                                 {{1, 2, 0, 4, 0, 0, 0}, false, 0},
                                 {{1, 2, 3, 4, 5, 6, 0}, false, 0}};
    StoreSingleRows({{1, 2, 9, 4, 5, 6, 1}});
    for (const PartialCase& c : cases) {
        NextRaceNo = 0;
        SetCorrectRow(c.correct);
        EXPECT_EQ(GradeSystem().nextRaceEnabled, c.enabled);
        EXPECT_EQ(NextRaceNo, c.next);
    }
    SetCorrectRow({1, 2, 3, 0, 0, 0, 0});
    GradeSystem();
    EXPECT_EQ(NextRaceCorrect, 2);
}

// ---- Brute force: coupons against their rows ----

TEST_F(GradingTest, AOneHorseCouponGradesAsItsSingleRow)
{
    std::mt19937 random(7);
    ReserveMode = ReserveModeChosenOrder;
    Scratch(1, {4});
    Scratch(3, {2, 6});
    for (int trial = 0; trial < 200; ++trial) {
        Row row{};
        Row correct{};
        for (int race = 0; race < PoolRaces; ++race) {
            row[static_cast<std::size_t>(race)] = 1 + static_cast<int>(random() % 6);
            correct[static_cast<std::size_t>(race)] = 1 + static_cast<int>(random() % 9);
        }
        row[6] = 1;
        correct[0] = correct[0] == 4 ? 5 : correct[0];
        correct[2] = correct[2] == 2 || correct[2] == 6 ? 7 : correct[2];
        SetCorrectRow(correct);
        StoreSingleRows({row});
        GradeSystem();
        const auto rowCounts = Counts();
        StoreMaskCoupons({MasksOf(row)});
        GradeSystem();
        EXPECT_EQ(Counts(), rowCounts) << "trial " << trial;
    }
}

TEST_F(GradingTest, ACouponGradesAsTheSumOverItsRows)
{
    std::mt19937 random(11);
    ReserveMode = ReserveModeFixed;
    FixedReserves[2][1] = 3;
    Scratch(2, {1, 5});
    Scratch(4, {2});
    for (int trial = 0; trial < 100; ++trial) {
        CouponMasks coupon{};
        for (int race = 0; race < PoolRaces; ++race)
            coupon[static_cast<std::size_t>(race)] =
                static_cast<THorseMask>(1 + random() % 63);  // horses 1-6
        coupon[6] = HorseBit(1);
        Row correct{};
        for (int race = 0; race < PoolRaces; ++race)
            correct[static_cast<std::size_t>(race)] = 3 + static_cast<int>(random() % 5);  // 3-7
        correct[1] = correct[1] == 5 ? 6 : correct[1];  // a winner is never scratched
        SetCorrectRow(correct);
        StoreMaskCoupons({coupon});
        GradeSystem();
        // Expand: each scratched horse plays its coupon stand-in.
        std::array<std::vector<int>, RaceSlots + 1> lines;
        for (int race = 1; race <= RaceSlots; ++race) {
            const THorseMask horses = coupon[static_cast<std::size_t>(race - 1)];
            const Substitutes substitutes = SubstituteScratched(race, horses, CouponCandidates);
            for (int h = 1; h <= StartNumbers; ++h)
                if ((horses & HorseBit(h)) != 0)
                    lines[race].push_back(substitutes.of[h] != 0 ? substitutes.of[h] : h);
        }
        std::array<int32, 8> expected{};
        std::array<std::size_t, RaceSlots + 1> at{};
        for (;;) {
            int correctSlots = 0;
            for (int race = 1; race <= RaceSlots; ++race)
                correctSlots += lines[race][at[race]] == CorrectRow[race] ? 1 : 0;
            ++expected[static_cast<std::size_t>(RaceSlots - correctSlots)];
            int race = RaceSlots;
            while (race >= 1 && ++at[race] == lines[race].size())
                at[race--] = 0;
            if (race == 0)
                break;
        }
        EXPECT_EQ(Counts(), expected) << "trial " << trial;
    }
}

// ---- The winning-rows page ----

TEST_F(GradingTest, ThePageShowsFourWinningRowsFromTheScrollPosition)
{
    std::vector<Row> rows;
    for (int k = 1; k <= 12; ++k)
        rows.push_back(k % 4 == 0 ? Row{9, 9, 9, 9, 9, 9, 1} : Row{1, 2, 3, 4, 5, k % 2 == 0 ? 6 : 7, 1});
    StoreSingleRows(rows);  // winning: 9 rows (1, 2, 3, 5, 6, 7, 9, 10, 11)
    SetCorrectRow({1, 2, 3, 4, 5, 6, 0});
    Scratch(2, {2, 1});
    GradeSystem();
    EXPECT_EQ(WinningRowCount, 9);
    EXPECT_EQ(WinningRowsScrollMaximum(), 9);
    const auto page = WinningRowsPage(7);
    EXPECT_EQ(WinningRowsFirst, 7);
    EXPECT_EQ(page[0].rowNumber, QStringLiteral("9"));
    EXPECT_EQ(page[0].classText, QStringLiteral("     4"));
    EXPECT_EQ(page[0].startNumbers, QStringLiteral("1,3,3,4,5,7"));  // race 2 played by 3
    EXPECT_EQ(page[1].rowNumber, QStringLiteral("10"));
    EXPECT_EQ(page[1].classText, QStringLiteral("  5"));
    EXPECT_EQ(page[2].rowNumber, QStringLiteral("11"));
    EXPECT_TRUE(page[3].rowNumber.isEmpty());
}

TEST_F(GradingTest, ThePageUsesTheSingleRowCandidates)
{
    StoreSingleRows({{1, 2, 3, 4, 5, 6, 1}});
    SetCorrectRow({1, 2, 3, 4, 5, 9, 0});
    Scratch(6, {1, 2, 3, 4, 5, 6, 7, 8});
    GradeSystem();
    EXPECT_EQ(WinningRowsPage(1)[0].startNumbers, QStringLiteral("1,2,3,4,5,0"));
    // A coupon system has no page.
    StoreMaskCoupons({MasksOf({1, 2, 3, 4, 5, 6, 1})});
    EXPECT_TRUE(WinningRowsPage(1)[0].rowNumber.isEmpty());
}

// ---- The next race ----

// The next race's count for a horse equals a grading with that horse as the winner.
void ExpectNextRaceAgreesWithGrading(int next, const Row& correct)
{
    SetCorrectRow(correct);
    GradeSystem();
    ASSERT_EQ(NextRaceNo, next);
    const int target = NextRaceCorrect + 1;
    const NextRaceView view = ComputeNextRaceView();
    for (int h = 1; h <= StartNumbers; ++h) {
        if (HorseGroups[next][0][h] == 0) {
            EXPECT_TRUE(view.counts[h].isEmpty());
            continue;
        }
        CorrectRow[next] = static_cast<byte>(h);
        GradeSystem();
        EXPECT_EQ(view.counts[h], QString::number(CorrectCounts[RaceSlots - target])) << "horse " << h;
        CorrectRow[next] = 0;
    }
}

TEST_F(GradingTest, TheNextRaceCountsAsGradingWithEachWinner)
{
    MarkRaces({"AAB", "ABC", "AAAB", "AB", "ABCD", "AA"});
    ReserveMode = ReserveModeChosenOrder;
    Scratch(2, {2});
    Scratch(4, {1});
    std::vector<Row> rows;
    std::mt19937 random(3);
    for (int k = 0; k < 300; ++k)
        rows.push_back({1 + int(random() % 3), 1 + int(random() % 3), 1 + int(random() % 4),
                        1 + int(random() % 2), 1 + int(random() % 4), 1 + int(random() % 2), 1});
    StoreSingleRows(rows);
    ExpectNextRaceAgreesWithGrading(4, {1, 3, 2, 0, 0, 0, 0});
    MarkRaces({".A..C.A", "A.BB", "A.BB", "A.BB", "A.BB", "A.BB"});
    StoreSmallGroupCoupons();
    Scratch(2, {1});
    ExpectNextRaceAgreesWithGrading(1, {0, 0, 0, 0, 0, 0, 0});
    ExpectNextRaceAgreesWithGrading(3, {2, 1, 0, 0, 0, 0, 0});
}

TEST_F(GradingTest, TheNextRaceCouponsTakeEveryCandidateAndSkipZeros)
{
    MarkRaces({"A", "A", "A", "A", "AAA", "A"});
    ReserveMode = ReserveModeFixed;
    FixedReserves[2][1] = 0;
    FixedReserves[2][2] = 0;
    Scratch(2, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    StoreMaskCoupons(
        {{Horses({1}), Horses({1}), Horses({1}), Horses({1}), Horses({1, 2, 3}), Horses({1}), Horses({1})}});
    ExpectNextRaceAgreesWithGrading(3, {1, 10, 0, 0, 0, 0, 0});
    SetCorrectRow({1, 10, 1, 1, 0, 0, 0});
    GradeSystem();
    const NextRaceView view = ComputeNextRaceView();
    EXPECT_EQ(view.title, QStringLiteral("Antal rader med 5 rätt efter 5 avd."));
    EXPECT_EQ(view.counts[2], QStringLiteral("1"));
    NextRaceWinner = 3;
    CountRowsByCorrectForWinner();
    EXPECT_EQ(NextRaceRowCount, 1);
}

// ---- Inputs ----

TEST_F(GradingTest, AWinnerIsEnteredMovedAndRemoved)
{
    MarkHorse(2, GroupB, 4);
    SetRaceWinner(2, 4);
    EXPECT_EQ(CorrectRow[2], 4);
    EXPECT_EQ(WinnerMarkGroup[2], GroupB);
    EXPECT_EQ(ChanceCorrectRow[2], 4);
    SetRaceWinner(2, 6);
    EXPECT_EQ(CorrectRow[2], 6);
    EXPECT_EQ(WinnerMarkGroup[2], 0);
    SetRaceWinner(2, 6);
    EXPECT_EQ(CorrectRow[2], 0);
    EXPECT_EQ(ChanceCorrectRow[2], 0);
}

TEST_F(GradingTest, APayoutFieldTakesWholeNumbersUpTo100Million)
{
    PayoutPerHits[2] = 7;
    struct {
        const char* text;
        int32 stored;
        const char* shown;
    } const cases[] = {{"abc", 7, "       7"},
                       {"-5", 7, "       7"},
                       {"100000001", 7, "       7"},
                       {"2500", 2500, "    2500"},
                       {"   12", 12, "      12"},
                       {"100000000", 100000000, "100000000"},
                       {"99999999999", 100000000, "100000000"}};
    for (const auto& c : cases) {
        EXPECT_EQ(StorePayoutText(2, QString::fromLatin1(c.text)), QString::fromLatin1(c.shown)) << c.text;
        EXPECT_EQ(PayoutPerHits[2], c.stored) << c.text;
    }
}

TEST_F(GradingTest, OfficialOrderClicksSwapAndEmpty)
{
    auto order = [] {
        QStringList numbers;
        for (int p = 1; p <= StartNumbers; ++p)
            numbers << QString::number(OfficialOrder[1][p]);
        return numbers.join(QLatin1Char(','));
    };
    ClickOfficialOrder(1, 3);
    EXPECT_EQ(order(), QStringLiteral("1,2,4,3,5,6,7,8,9,10,11,12,13,14,15"));
    ClickOfficialOrder(1, 1);
    EXPECT_EQ(order(), QStringLiteral("2,1,4,3,5,6,7,8,9,10,11,12,13,14,15"));
    ClickOfficialOrder(1, 2);
    EXPECT_EQ(order(), QStringLiteral("2,3,4,1,5,6,7,8,9,10,11,12,13,14,15"));
    const int tail[] = {15, 10, 11, 12, 13, 14};
    for (int p = 1; p <= 9; ++p)
        OfficialOrder[1][p] = static_cast<byte>(p);
    for (int p = 10; p <= 15; ++p)
        OfficialOrder[1][p] = static_cast<byte>(tail[p - 10]);
    ClickOfficialOrder(1, 10);
    EXPECT_EQ(order(), QStringLiteral("1,2,3,4,5,6,7,8,9,0,10,11,12,13,14"));
    ClickOfficialOrder(1, 10);
    EXPECT_EQ(order(), QStringLiteral("1,2,3,4,5,6,7,8,9,10,0,11,12,13,14"));
    EXPECT_EQ(OfficialOrderCaption(1, 11), QStringLiteral("0"));
    EXPECT_EQ(OfficialOrder[2][1], 1);
    // Position 1 runs through 2 ... 15 and back to 1, the row always a permutation.
    ResetGlobals();
    for (int click = 2; click <= 16; ++click) {
        ClickOfficialOrder(3, 1);
        EXPECT_EQ(OfficialOrder[3][1], click <= 15 ? click : 1);
    }
}

TEST_F(GradingTest, TheSavedRoundIsRestoredOnce)
{
    MarkHorse(1, GroupC, 5);
    PayoutPerHits[0] = 40;
    const int32 winners[] = {0, 5, 0, 300, 2, 2, 2, 1};
    for (int race = 1; race <= RaceSlots; ++race)
        SavedRoundWinners[race] = winners[race];
    SavedRoundPayouts[1] = 100;
    SavedRoundPayouts[2] = 2000;
    SavedRoundPayouts[3] = -4;
    SaveRoundInFile = 1;
    Graded = 1;
    ASSERT_TRUE(SavedRoundWaiting());
    RestoreSavedRound();
    EXPECT_FALSE(SavedRoundWaiting());
    EXPECT_EQ(CorrectRow[1], 5);
    EXPECT_EQ(WinnerMarkGroup[1], GroupC);
    EXPECT_EQ(CorrectRow[3], 300 & 0xFF);
    EXPECT_EQ(CorrectRow[7], 1);
    EXPECT_EQ(PayoutPerHits[0], 40);
    EXPECT_EQ(PayoutPerHits[1], 100);
    EXPECT_EQ(PayoutPerHits[2], 2000);
    EXPECT_EQ(PayoutPerHits[3], 0);  // a negative payout from a file is not taken
    EXPECT_EQ(Graded, 0);
    BeginRoundSave();
    EXPECT_EQ(SaveRoundInFile, 1);
    EXPECT_EQ(SavedRoundAux, 1);
}

}  // namespace
