#include <gtest/gtest.h>

#include <vector>

#include "conditions/pointsedit.h"
#include "model/notify.h"
#include "model/variabl.h"

namespace {

class PointsEdit : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }

    static void Mark(int race, int horse, int group)
    {
        HorseGroups[race][0][horse] = static_cast<byte>(group);
    }

    static void SetRace(int race, int c, const std::vector<int>& points)
    {
        for (int h = 1; h <= StartNumbers; ++h)
            CondPoints[race][h][c] = h <= static_cast<int>(points.size()) ? points[h - 1] : 0;
    }

    // Pretends a constructed system, so that a reset shows.
    static void Constructed()
    {
        CouponsBuilt = SingleRowsBuilt = SystemSaved = UnreducedPercentValid = 1;
        ResultsStaleShown = 0;
        RowsKept = 40;
        ResultLabels.Radantal = QStringLiteral("40");
        ResultLabels.Reducgrad = QStringLiteral("12 %");
    }
};

TEST_F(PointsEdit, SumBoundsAndProductRacesOfTheMarkedHorses)
{
    EXPECT_EQ(ComputePointsSumBounds(1).high, 0);  // nothing marked
    EXPECT_TRUE(ComputePointsSumBounds(1).productRaces.isEmpty());

    SetRace(1, 1, {30, 0});  // marked 30 and 0: adds 0 / 30, listed
    Mark(1, 1, 1);
    Mark(1, 2, 2);
    SetRace(2, 1, {10, 20, 90});  // horse 3 unmarked: counts nowhere
    Mark(2, 1, 3);
    Mark(2, 2, 4);
    SetRace(3, 1, {0, 0});  // marked with 0 points: adds nothing, not listed
    Mark(3, 1, 1);
    SetRace(4, 1, {50});
    Mark(4, 1, 2);
    SetRace(6, 1, {5, 8});
    Mark(6, 1, 1);
    Mark(6, 2, 4);
    SetRace(7, 1, {100});  // the dummy race never counts

    const PointsSumBounds b = ComputePointsSumBounds(1);
    EXPECT_EQ(b.low, 0 + 10 + 0 + 50 + 5);
    EXPECT_EQ(b.high, 30 + 20 + 0 + 50 + 8);
    EXPECT_EQ(b.productRaces, (QVector<int>{1, 2, 4, 6}));
}

TEST_F(PointsEdit, EditColourFollowsGroupAndStoredPoints)
{
    CondPoints[2][5][1] = 40;
    EXPECT_EQ(PointsEditColour(2, 5, 1), PointsTeal);
    Mark(2, 5, GroupC);
    EXPECT_EQ(PointsEditColour(2, 5, 1), Aqua);
    CondPoints[2][5][1] = 0;
    EXPECT_EQ(PointsEditColour(2, 5, 1), White);
}

TEST_F(PointsEdit, ResetRunsOnceAndNeverWhileLoading)
{
    Constructed();
    PointsCondLoading = 1;
    StorePoint(1, 1, 1, 20);
    EXPECT_EQ(CouponsBuilt, 1);
    EXPECT_EQ(ResultsStaleShown, 0);

    PointsCondLoading = 0;
    StorePoint(1, 1, 1, 150);
    EXPECT_EQ(CondPoints[1][1][1], 100);
    EXPECT_EQ(CouponsBuilt, 0);
    EXPECT_EQ(SingleRowsBuilt, 0);
    EXPECT_EQ(ResultLabels.Radantal, QStringLiteral("x"));
    EXPECT_EQ(ResultLabels.Reducgrad, QStringLiteral("0 %"));
    EXPECT_EQ(RowsKept, 40);  // this copy keeps the row totals
    EXPECT_EQ(ResultsStaleShown, 1);

    CouponsBuilt = 1;  // a system built since then is made stale by the next edit
    StoreSumMin(1, 650);
    EXPECT_EQ(CondSumMin[1], 600);
    EXPECT_EQ(CouponsBuilt, 0);
}

TEST_F(PointsEdit, EveryRowChangingEditResetsButTheNameDoesNot)
{
    struct Case {
        const char* what;
        void (*edit)();
    };
    const Case cases[] = {
        {"point", [] { StorePoint(1, 3, 3, 5); }},
        {"sum max", [] { StoreSumMax(1, 300); }},
        {"mantissa", [] { StoreProductMantissa(1, true, 5); }},
        {"exponent", [] { StoreProductExponent(1, false, 3); }},
        {"switch", [] { SetPointsTestActive(1, false, true); }},
        {"mode", [] { TogglePointsMode(1, true); }},
        {"paste",
         [] {
             CopyPointsCondition(2);
             PastePointsCondition(1);
         }},
        {"clear one",
         [] {
             CondPoints[1][1][1] = 4;
             ClearPointsCondition(1);
         }},
        {"clear all",
         [] {
             CondSumMin[60] = 9;
             ClearAllPointsConditions();
         }},
        {"transfer", [] { ApplyPointsTransfer(1, StartNumberPoints(), StartNumberCondName); }},
    };
    for (const Case& c : cases) {
        Constructed();
        c.edit();
        EXPECT_EQ(CouponsBuilt, 0) << c.what;
    }
    Constructed();
    StorePointsCondName(1, QStringLiteral("bara namnet"));
    EXPECT_EQ(CouponsBuilt, 1);
}

TEST_F(PointsEdit, SwitchesKeepTheActiveCount)
{
    SetPointsTestActive(4, true, true);
    SetPointsTestActive(4, false, true);
    SetPointsTestActive(9, false, true);
    EXPECT_EQ(ActivePointsCondCount, 2);
    EXPECT_EQ(CondActive[4], 1);
    ClearPointsCondition(4);
    EXPECT_EQ(ActivePointsCondCount, 1);
    ClearAllPointsConditions();
    EXPECT_EQ(ActivePointsCondCount, 0);
}

TEST_F(PointsEdit, ClearingKeepsProductBoundsAndOtherConditions)
{
    CondProdMaxMantissa[5] = 3;
    CondProdMinExp[5] = 9;
    CondPoints[1][1][5] = CondPoints[1][1][6] = 9;
    PointsCondNames[6] = QStringLiteral("sex");
    CondSumMax[5] = 100;
    ClearPointsCondition(5);
    EXPECT_EQ(CondPoints[1][1][5], 0);
    EXPECT_EQ(CondSumMax[5], 700);
    EXPECT_EQ(CondProdMaxMantissa[5], 3);
    EXPECT_EQ(CondProdMinExp[5], 9);
    EXPECT_EQ(CondPoints[1][1][6], 9);
    EXPECT_EQ(PointsCondNames[6].str(), QStringLiteral("sex"));
    ClearAllPointsConditions();
    EXPECT_EQ(CondPoints[1][1][6], 0);
    EXPECT_TRUE(PointsCondNames[6].str().isEmpty());
    EXPECT_EQ(CondProdMaxMantissa[5], 3);
}

TEST_F(PointsEdit, PasteCopiesAllButTheProductBounds)
{
    EXPECT_FALSE(PastePointsCondition(7));  // nothing copied yet
    CondPoints[3][2][3] = 44;
    CondSumMin[3] = 12;
    CondSumMax[3] = 400;
    CondProdActive[3] = 1;
    CondSumMode[3] = 0;
    PointsCondNames[3] = QStringLiteral("tre");
    CondProdMaxMantissa[3] = 9;
    CopyPointsCondition(3);
    ASSERT_TRUE(PastePointsCondition(7));
    EXPECT_EQ(CondPoints[3][2][7], 44);
    EXPECT_EQ(CondSumMin[7], 12);
    EXPECT_EQ(CondSumMax[7], 400);
    EXPECT_EQ(CondProdActive[7], 1);
    EXPECT_EQ(CondSumMode[7], 0);
    EXPECT_EQ(PointsCondNames[7].str(), QStringLiteral("tre"));
    EXPECT_EQ(CondProdMaxMantissa[7], 100);
    EXPECT_EQ(ActivePointsCondCount, 2);  // 3 and 7
}

TEST_F(PointsEdit, RescaleTo100RaceByRace)
{
    struct Case {
        std::vector<int> points;
        std::vector<int> expected;
    };
    const std::vector<int> fifteenHundreds(15, 100);
    std::vector<int> oneSmall(15, 100);
    oneSmall[0] = 1;
    std::vector<int> oneSmallExpected(15, 7);
    oneSmallExpected[0] = 1;
    const Case cases[] = {
        {{1, 1, 1}, {33, 33, 33}},    {std::vector<int>(8, 1), std::vector<int>(8, 12)},
        {{1, 100}, {1, 99}},          {fifteenHundreds, std::vector<int>(15, 7)},
        {oneSmall, oneSmallExpected}, {{}, {}},
    };
    for (const Case& c : cases) {
        SetRace(2, 1, c.points);
        const PointsValues v = RescaledTo100(1);
        for (int h = 1; h <= StartNumbers; ++h) {
            const int want = h <= static_cast<int>(c.expected.size()) ? c.expected[h - 1] : 0;
            EXPECT_EQ(v[HorseIndex(2, h)], want) << "start number " << h;
        }
    }
}

TEST_F(PointsEdit, UndoGoesBackToBeforeTheLastRescale)
{
    SetRace(1, 4, {1, 1, 1});
    PointsCondNames[4] = QStringLiteral("egen");
    RescalePointsTo100(4);
    EXPECT_EQ(CondPoints[1][1][4], 33);
    EXPECT_EQ(PointsCondNames[4].str(), SumHundredCondName);
    RescalePointsTo100(4);  // 33, 33, 33 -> 33, 33, 33 again, named as the first "100" left it
    UndoPointsRescale(4);
    EXPECT_EQ(CondPoints[1][1][4], 33);
    EXPECT_EQ(PointsCondNames[4].str(), SumHundredCondName);

    SetRace(1, 4, {2, 2});
    PointsCondNames[4] = QStringLiteral("två");
    RescalePointsTo100(4);
    ApplyPointsTransfer(4, StartNumberPoints(), StartNumberCondName);  // other fills keep the store
    UndoPointsRescale(4);
    EXPECT_EQ(CondPoints[1][1][4], 2);
    EXPECT_EQ(CondPoints[1][3][4], 0);
    EXPECT_EQ(PointsCondNames[4].str(), QStringLiteral("två"));
}

TEST_F(PointsEdit, FillsFromRaceData)
{
    HorsePresent[HorseIndex(1, 1)] = HorsePresent[HorseIndex(1, 2)] = 1;
    DisplayedSlot[HorseIndex(1, 1)] = 2;
    DisplayedSlot[HorseIndex(1, 2)] = 1;
    DisplayedSlot[HorseIndex(1, 3)] = 3;  // not in the start list
    const PointsValues rank = RankPoints();
    EXPECT_EQ(rank[HorseIndex(1, 1)], 2);
    EXPECT_EQ(rank[HorseIndex(1, 2)], 1);
    EXPECT_EQ(rank[HorseIndex(1, 3)], 0);

    ApplyPointsTransfer(8, StartNumberPoints(), StartNumberCondName);
    for (int r = 1; r <= RaceSlots; ++r)
        EXPECT_EQ(PointsRaceSum(r, 8), 120);
    EXPECT_EQ(PointsCondNames[8].str(), QStringLiteral("Startnummer"));
}

}  // namespace
