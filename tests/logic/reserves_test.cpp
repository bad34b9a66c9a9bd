#include <gtest/gtest.h>

#include <initializer_list>

#include "model/variabl.h"
#include "output/reserves.h"

namespace {

THorseMask Horses(std::initializer_list<int> startNumbers)
{
    THorseMask horses = 0;
    for (int h : startNumbers)
        horses |= HorseBit(h);
    return horses;
}

THorseMask AllBut(int missing)
{
    THorseMask horses = 0;
    for (int h = 1; h <= StartNumbers; ++h)
        if (h != missing)
            horses |= HorseBit(h);
    return horses;
}

void SetOrder(int race, std::initializer_list<int> firstPositions)
{
    int position = 1;
    for (int h : firstPositions)
        ReserveOrder[race][position++] = static_cast<byte>(h);
    for (int h = 1; h <= StartNumbers; ++h) {
        bool listed = false;
        for (int l : firstPositions)
            listed = listed || l == h;
        if (!listed)
            ReserveOrder[race][position++] = static_cast<byte>(h);
    }
}

class ReservesTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
};

TEST_F(ReservesTest, PairsOfEveryModeAndVariant)
{
    struct Case {
        const char* what;
        int mode;
        THorseMask horses;
        bool fallBack;
        bool compact;
        ReservePair expected;
    };
    const THorseMask all = Horses({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    const Case cases[] = {
        {"none", 1, Horses({1}), true, true, {0, 0, 0}},
        {"chosen, row 1", 2, Horses({1}), true, true, {2, 2, 3}},
        {"chosen, row 5", 2, Horses({5}), false, false, {2, 1, 2}},
        {"chosen, 14 horses, fall-back", 2, AllBut(15), true, false, {2, 15, 15}},
        {"chosen, 14 horses, no fall-back", 2, AllBut(15), false, false, {1, 15, 0}},
        {"chosen, 14 horses leaving 3, fall-back", 2, AllBut(3), true, false, {2, 3, 15}},
        {"chosen, all 15, fall-back", 2, all, true, false, {2, 14, 15}},
        {"chosen, all 15, no fall-back", 2, all, false, false, {0, 0, 0}},
        {"next lower, position 14", 4, Horses({14}), true, true, {2, 15, 14}},
        {"next lower, position 15", 4, Horses({15, 2}), false, false, {2, 14, 15}},
        {"next lower, position 1", 4, Horses({1}), false, false, {2, 2, 3}},
        {"next lower, no horse", 4, 0, false, false, {2, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReserveMode = static_cast<byte>(c.mode);
        EXPECT_EQ(PickReserves(1, c.horses, c.fallBack, c.compact), c.expected);
    }
}

TEST_F(ReservesTest, NextLowerFollowsTheChosenOrder)
{
    ReserveMode = ReserveModeNextLower;
    SetOrder(3, {3, 7, 1, 12, 5});
    EXPECT_EQ(PickReserves(3, Horses({7, 1}), true, true), (ReservePair{2, 12, 5}));
    EXPECT_EQ(PickReserves(1, Horses({7, 1}), true, true), (ReservePair{2, 8, 9}));
}

TEST_F(ReservesTest, FixedReservesCompactedOrAsSet)
{
    ReserveMode = ReserveModeFixed;
    struct Case {
        int f1, f2;
        ReservePair compacted, asSet;
    };
    const Case cases[] = {
        {0, 7, {1, 7, 0}, {2, 0, 7}},
        {4, 0, {1, 4, 0}, {2, 4, 0}},
        {0, 0, {0, 0, 0}, {2, 0, 0}},
        {3, 7, {2, 3, 7}, {2, 3, 7}},
    };
    for (const Case& c : cases) {
        FixedReserves[2][1] = static_cast<byte>(c.f1);
        FixedReserves[2][2] = static_cast<byte>(c.f2);
        EXPECT_EQ(PickReserves(2, Horses({3}), true, true), c.compacted) << c.f1 << "," << c.f2;
        EXPECT_EQ(PickReserves(2, Horses({3}), false, false), c.asSet) << c.f1 << "," << c.f2;
    }
    // A fixed reserve that is the row's own horse is used as it is.
    EXPECT_EQ(PickReserves(2, Horses({3, 7}), true, true), (ReservePair{2, 3, 7}));
}

TEST_F(ReservesTest, DefaultOrderPutsGroupsFirstAndResetsTheSlots)
{
    const int groups[][2] = {{3, 1}, {9, 1}, {1, 2}, {12, 4}};
    for (const auto& [h, g] : groups) {
        HorseGroups[1][0][h] = static_cast<byte>(g);
        HorseGroups[1][g][h] = 1;
    }
    ReserveLabelSlot[1][1] = 5;
    ReserveLabelSlot[1][5] = 1;
    BuildDefaultReserveOrder(1);
    const int expected[] = {3, 9, 1, 12, 2, 4, 5, 6, 7, 8, 10, 11, 13, 14, 15};
    for (int k = 1; k <= StartNumbers; ++k) {
        EXPECT_EQ(ReserveDefaultOrder[1][k], expected[k - 1]) << k;
        EXPECT_EQ(ReserveLabelSlot[1][k], k);
    }
    WriteReserveOrderFromStrips();
    for (int k = 1; k <= StartNumbers; ++k)
        EXPECT_EQ(ReserveOrder[1][k], expected[k - 1]);
}

TEST_F(ReservesTest, StripSlotsAndDropSlots)
{
    const ReserveStripGeometry geometry = StripGeometry(81, 340, 16);
    EXPECT_EQ(geometry.xBase, 73);
    for (int slot = 1; slot <= 16; ++slot)
        EXPECT_EQ(geometry.slotX[slot], 89 + 22 * (slot - 1)) << slot;

    struct Case {
        int fromSlot, dropLeft, expected;
    };
    const Case cases[] = {
        {10, 150, 4},  // moving left: the first slot at or right of the edge
        {2, 150, 3},   // moving right: one less
        {6, 200, 6},   // between its own slot and the next: back home
        {6, 60, 1},    // left of slot 1
        {1, 500, 15},  // right of slot 16
    };
    for (const Case& c : cases)
        EXPECT_EQ(DropSlot(geometry, c.dropLeft, c.fromSlot), c.expected) << c.fromSlot << " " << c.dropLeft;
}

TEST_F(ReservesTest, MovingALabelShiftsTheOthersAndKeepsAPermutation)
{
    MoveReserveLabel(2, 10, 4);
    const int leftward[] = {1, 2, 3, 5, 6, 7, 8, 9, 10, 4, 11, 12, 13, 14, 15};
    for (int k = 1; k <= StartNumbers; ++k)
        EXPECT_EQ(ReserveLabelSlot[2][k], leftward[k - 1]) << k;
    MoveReserveLabel(2, 4, 10);
    MoveReserveLabel(2, 2, 3);
    const int rightward[] = {1, 3, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    for (int k = 1; k <= StartNumbers; ++k)
        EXPECT_EQ(ReserveLabelSlot[2][k], rightward[k - 1]) << k;
    WriteReserveOrderFromStrips();
    EXPECT_EQ(ReserveOrder[2][2], 3);
    EXPECT_EQ(ReserveOrder[2][3], 2);
    EXPECT_EQ(ReserveOrder[1][2], 2);
}

}  // namespace
