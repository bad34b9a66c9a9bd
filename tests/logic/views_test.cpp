#include <gtest/gtest.h>

#include <vector>

#include "conditions/horsepercent.h"
#include "marks/groupmarks.h"
#include "model/notify.h"
#include "model/variabl.h"
#include "racedata/streck.h"
#include "views/olderstreck.h"
#include "views/percentages.h"

namespace {

class Views : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        ClearObservers();
    }
    void TearDown() override { ClearObservers(); }

    static void SetGroup(int race, int horse, int group)
    {
        HorseGroups[race][0][horse] = static_cast<byte>(group);
        HorseGroups[race][group][horse] = 1;
    }

    // Single rows whose race-r column holds startNrs[k - 1] for row k; every other race 1.
    static void StoreSingleRows(int race, const std::vector<int>& startNrs)
    {
        for (int k = 1; k <= static_cast<int>(startNrs.size()); ++k)
            for (int r = 1; r <= RaceSlots; ++r)
                RowStore[r][k] = r == race ? startNrs[k - 1] : 1;
        SingleRowCount = static_cast<int>(startNrs.size());
        SingleRowsBuilt = 1;
    }

    static void GiveEveryPoolRaceStreck()
    {
        for (int race = 1; race <= PoolRaces; ++race) {
            StreckValues[HorseIndex(race, 1)] = 60;
            StreckValues[HorseIndex(race, 2)] = 39;
            StreckTexts[race][1] = QStringLiteral("60");
            StreckTexts[race][2] = QStringLiteral("9");
        }
    }
};

TEST_F(Views, ShareTextsAreRightAlignedToFourOrThreeCharacters)
{
    const struct {
        int share;
        const char* text;
    } cases[] = {{0, "   0"}, {7, "   7"}, {42, " 42"}, {10, " 10"}, {100, "100"}};
    for (const auto& c : cases)
        EXPECT_EQ(ShareText(c.share), QString::fromLatin1(c.text)) << c.share;
}

TEST_F(Views, StreckCellsShowTheTextsOnlyWhileEveryPoolRaceHasStreck)
{
    GiveEveryPoolRaceStreck();
    EXPECT_TRUE(RecomputeStreckPresent());
    EXPECT_EQ(StreckCellText(3, 1), QStringLiteral("60"));
    EXPECT_EQ(StreckCellText(3, 2), QStringLiteral("  9"));
    EXPECT_EQ(StreckSumText(3), QStringLiteral("99"));

    for (int horse = 1; horse <= StartNumbers; ++horse)
        StreckValues[HorseIndex(4, horse)] = 0;
    EXPECT_FALSE(RecomputeStreckPresent());
    EXPECT_EQ(StreckPresent, 0);
    EXPECT_EQ(StreckCellText(3, 1), QStringLiteral("  0"));
    EXPECT_EQ(StreckSumText(1), QStringLiteral("  0"));
}

TEST_F(Views, StreckOfTheDummyRaceDoesNotCount)
{
    GiveEveryPoolRaceStreck();
    for (int horse = 1; horse <= StartNumbers; ++horse)
        StreckValues[HorseIndex(7, horse)] = 0;
    EXPECT_TRUE(RecomputeStreckPresent());
}

// A race without rows gives every horse a share of 0, not a division by zero.
TEST_F(Views, SharesOfARaceWithoutRowsAreZero)
{
    RowsPerHorseUnreduced[HorseIndex(1, 1)] = 1;
    RowsPerHorseUnreduced[HorseIndex(1, 2)] = 3;
    ComputeUnreducedPercent();
    EXPECT_EQ(SystemShareText(1, 1), QStringLiteral(" 25"));
    EXPECT_EQ(SystemShareText(1, 2), QStringLiteral(" 75"));
    for (int horse = 1; horse <= StartNumbers; ++horse)
        EXPECT_EQ(SystemShareText(2, horse), QStringLiteral("   0"));
}

TEST_F(Views, OlderCellColourFollowsMarkThenValueThenGroup)
{
    SetGroup(1, 1, GroupA);
    SetGroup(1, 2, GroupB);
    SetGroup(1, 3, GroupC);
    SetGroup(1, 4, GroupD);
    const struct {
        int horse, value;
        Rgb colour;
    } cases[] = {
        {5, 30, OlderWindowTeal}, {5, 0, OlderWindowTeal}, {1, 0, White},   {1, 12, Magenta},
        {2, 1, Yellow},           {3, 100, Aqua},          {4, 50, Silver},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OlderStreckCellColour(1, c.horse, c.value), c.colour) << c.horse << " " << c.value;
}

TEST_F(Views, ReducedSharesRoundHalfToEven)
{
    StoreSingleRows(2, {1, 2, 2, 2, 3, 3, 3, 3});
    for (int k = 1; k <= 8; ++k)
        RowStore[5][k] = 9;
    const auto shares = ReducedShares();
    ASSERT_TRUE(shares);
    EXPECT_EQ((*shares)[HorseIndex(2, 1)], 12);  // 12.5
    EXPECT_EQ((*shares)[HorseIndex(2, 2)], 38);  // 37.5
    EXPECT_EQ((*shares)[HorseIndex(2, 3)], 50);
    EXPECT_EQ((*shares)[HorseIndex(5, 9)], 100);
    EXPECT_EQ((*shares)[HorseIndex(7, 1)], 100);
    EXPECT_EQ((*shares)[HorseIndex(2, 4)], 0);
}

// Coupons hold horse masks, not start numbers: they are no single rows to count.
TEST_F(Views, ReducedSharesNeedStoredSingleRows)
{
    EXPECT_FALSE(ReducedShares());
    StoreSingleRows(1, {1, 2});
    SingleRowsBuilt = 0;
    EXPECT_FALSE(ReducedShares());
    StoreSingleRows(1, {1, 0x7FFF});
    const auto shares = ReducedShares();
    ASSERT_TRUE(shares);
    EXPECT_EQ((*shares)[HorseIndex(1, 1)], 50);
}

TEST_F(Views, TransferWritesTheLowByteOfEveryUnreducedShare)
{
    UnreducedPercent[HorseIndex(1, 1)] = 42;
    UnreducedPercent[HorseIndex(6, 15)] = 0x100 + 7;
    ReductionPoints[HorseIndex(3, 3)] = 55;
    TransferUnreducedSharesToChances();
    EXPECT_EQ(ReductionPoints[HorseIndex(1, 1)], 42);
    EXPECT_EQ(ReductionPoints[HorseIndex(6, 15)], 7);
    EXPECT_EQ(ReductionPoints[HorseIndex(3, 3)], 0);
}

TEST_F(Views, ChanceFieldKeepsTheOldValueUnlessGivenZeroToHundred)
{
    const byte& chance = ReductionPoints[HorseIndex(2, 4)];
    const struct {
        const char* text;
        int stored;
        const char* restored;  // nullptr: the field keeps the text
    } cases[] = {{"40", 40, nullptr}, {"", 40, nullptr},     {"101", 40, nullptr}, {"-1", 40, nullptr},
                 {"0", 0, nullptr},   {"100", 100, nullptr}, {"1a", 100, "100"}};
    for (const auto& c : cases) {
        const auto restored = EnterOlderChance(2, 4, QString::fromLatin1(c.text));
        EXPECT_EQ(chance, c.stored) << c.text;
        EXPECT_EQ(restored.has_value(), c.restored != nullptr) << c.text;
        if (restored && c.restored) {
            EXPECT_EQ(*restored, QString::fromLatin1(c.restored));
        }
    }
    ReductionPoints[HorseIndex(2, 1)] = 60;
    EXPECT_EQ(ChanceSum(2), 160);
}

TEST_F(Views, GroupMarksRepaintPaintsOnlyFlagsOfExactlyOne)
{
    int replaced = 0;
    Events::GroupsReplaced.Subscribe(nullptr, [&replaced] { ++replaced; });
    HorseGroups[4][GroupB][7] = 1;
    HorseGroups[4][GroupD][7] = 1;
    HorseGroups[5][GroupA][2] = 2;
    PaintGroupMarksRaces1to3();
    EXPECT_EQ(replaced, 1);
    EXPECT_TRUE(IsPaintedInGroup(4, GroupB, 7));
    EXPECT_TRUE(IsPaintedInGroup(4, GroupD, 7));
    EXPECT_EQ(PaintedGroupOf(4, 7), GroupD);
    EXPECT_FALSE(IsPaintedInGroup(5, GroupA, 2));
    EXPECT_EQ(PaintedGroupOf(5, 2), 0);
    EXPECT_EQ(PaintedGroupOf(7, 1), GroupA);
}

}  // namespace
