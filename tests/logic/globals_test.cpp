#include <gtest/gtest.h>

#include "model/patterns.h"
#include "model/variabl.h"

TEST(Globals, DummyRaceIsTheOnlyMark)
{
    ResetGlobals();
    int nonZero = 0;
    for (auto& race : HorseGroups)
        for (auto& row : race)
            for (byte b : row)
                nonZero += b != 0;
    EXPECT_EQ(nonZero, 3);
    EXPECT_EQ(HorseGroups[7][0][1], 1);
    EXPECT_EQ(HorseGroups[7][1][0], 1);
    EXPECT_EQ(HorseGroups[7][1][1], 1);
    EXPECT_EQ(UnreducedRowCount, 0);
    for (int i = 1; i <= HorseCount; ++i)
        EXPECT_EQ(ReductionPoints[i], i == 91 ? 1 : 0);
}

TEST(Globals, ConditionDefaults)
{
    ResetGlobals();
    for (int k = 0; k <= 7; ++k) {
        for (int g = 1; g <= 4; ++g) {
            EXPECT_EQ(WinnerCountAllowed[k][g], 1);
            EXPECT_EQ(WinnerCountLocked[k][g], 1);
        }
        for (int c = 1; c <= ConditionCount; ++c) {
            EXPECT_EQ(GroupCondUnreachableHits[k][c], 1);
            EXPECT_EQ(StartNrCondUnreachableCounts[k][c], 1);
        }
    }
    for (int c = 1; c <= ConditionCount; ++c) {
        EXPECT_EQ(CondSumMin[c], 0);
        EXPECT_EQ(CondSumMax[c], 700);
        EXPECT_EQ(CondProdMinMantissa[c], 1);
        EXPECT_EQ(CondProdMaxMantissa[c], 100);
        EXPECT_EQ(CondProdMinExp[c], 0);
        EXPECT_EQ(CondProdMaxExp[c], 12);
        EXPECT_EQ(CondProdMinReal[c], 0.0);
        EXPECT_EQ(CondProdMaxReal[c], 1.0e14);
        EXPECT_EQ(CondSumMode[c], 1);
        EXPECT_EQ(CondProdMode[c], 1);
    }
    for (int c = 1; c <= 20; ++c) {
        EXPECT_EQ(NrSetCondLow[c], 0);
        EXPECT_EQ(NrSetCondHigh[c], 6);
    }
    const byte limits[] = {0, 100, 0, 100, 0, 100};
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(ConditionGroupLimits[i], limits[i - 1]);
    EXPECT_EQ(PayoutMin, 0);
    EXPECT_EQ(PayoutMax, 100000000);
}

TEST(Globals, OtherDefaults)
{
    ResetGlobals();
    EXPECT_EQ(GameType.str(), "v64");
    EXPECT_EQ(RandomCode, 765);
    EXPECT_EQ(OwnOrderMode, 1);
    EXPECT_EQ(GroupSystemBuilt, 1);
    EXPECT_EQ(VersionText, "version 18.2");
    for (int r = 1; r <= 7; ++r) {
        EXPECT_EQ(FixedReserves[r][1], 1);
        EXPECT_EQ(FixedReserves[r][2], 2);
        EXPECT_EQ(StartersPerRace[r], 15);
        EXPECT_EQ(ReserveOrderReset[r], 1);
        for (int h = 1; h <= 15; ++h) {
            EXPECT_EQ(ReserveOrder[r][h], h);
            EXPECT_EQ(OfficialOrder[r][h], h);
            EXPECT_EQ(StreckTexts[r][h], "  0");
            EXPECT_EQ(RowVisible[HorseIndex(r, h)], 1);
        }
    }
}

TEST(Globals, ShortTextsAreCut)
{
    ResetGlobals();
    SystemName = QString(60, QChar('x'));
    EXPECT_EQ(SystemName.str().size(), 50);
}

TEST(Patterns, Numbering)
{
    ResetGlobals();
    struct Case {
        int pattern;
        int groups[8];
        int composition;
    };
    const Case cases[] = {
        {1, {0, 1, 1, 1, 1, 1, 1, 1}, 1},       {2, {0, 1, 1, 1, 1, 1, 1, 2}, 2},
        {4, {0, 1, 1, 1, 1, 1, 1, 4}, 4},       {5, {0, 1, 1, 1, 1, 1, 2, 1}, 2},
        {4097, {0, 2, 1, 1, 1, 1, 1, 1}, 2},    {16381, {0, 4, 4, 4, 4, 4, 4, 1}, 84},
        {16384, {0, 4, 4, 4, 4, 4, 4, 4}, 120},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PatternNumber(c.groups), c.pattern);
        for (int r = 1; r <= 7; ++r)
            EXPECT_EQ(AbcdPatternPlanes[r][c.pattern], c.groups[r]) << c.pattern;
        EXPECT_EQ(AbcdPatternPlanes[PlaneComposition][c.pattern], c.composition) << c.pattern;
    }
}

TEST(Patterns, CompositionOrderAndCounts)
{
    ResetGlobals();
    struct Case {
        int index, a, b, c;
    };
    const Case order[] = {{1, 7, 0, 0},  {2, 6, 1, 0},  {3, 6, 0, 1},  {4, 6, 0, 0},  {5, 5, 2, 0},
                          {6, 5, 1, 1},  {7, 5, 1, 0},  {8, 5, 0, 2},  {9, 5, 0, 1},  {10, 5, 0, 0},
                          {11, 4, 3, 0}, {12, 4, 2, 1}, {84, 1, 0, 0}, {85, 0, 7, 0}, {120, 0, 0, 0}};
    for (const Case& c : order)
        EXPECT_EQ(CompositionIndex(c.a, c.b, c.c), c.index);

    int perComposition[CompositionCount + 1] = {};
    for (int p = 1; p <= PatternCount; ++p)
        ++perComposition[AbcdPatternPlanes[PlaneComposition][p]];
    EXPECT_EQ(perComposition[1], 1);
    EXPECT_EQ(perComposition[2], 7);
    EXPECT_EQ(perComposition[CompositionIndex(1, 2, 2)], 630);
    int total = 0;
    for (int k = 1; k <= CompositionCount; ++k)
        total += perComposition[k];
    EXPECT_EQ(total, PatternCount);
}

TEST(Patterns, FlagPlanesAtStart)
{
    ResetGlobals();
    for (int p = 1; p <= PatternCount; ++p) {
        ASSERT_EQ(AbcdPatternPlanes[PlaneTakesPart][p], 0);
        ASSERT_EQ(AbcdPatternPlanes[PlaneHasRows][p], 0);
        ASSERT_EQ(AbcdPatternPlanes[PlaneWinnerCounts][p], 1);
        ASSERT_EQ(AbcdPatternPlanes[PlaneCompositionList][p], 1);
        ASSERT_EQ(AbcdPatternPlanes[PlaneGroupConditions][p], 1);
    }
}

TEST(Patterns, CompositionTexts)
{
    const std::pair<int, const char*> cases[] = {
        {1, " 6  0  0  0"},  {2, " 5  1  0  0"},  {4, " 5  0  0  1"},  {84, " 0  0  0  6"},
        {85, " 0  7  0  0"}, {86, " 0  6  1  0"}, {120, " 0  0  0  7"}};
    for (auto [k, text] : cases)
        EXPECT_EQ(CompositionText(k), QString::fromUtf8(text)) << k;
}
