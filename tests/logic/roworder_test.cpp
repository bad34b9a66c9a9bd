// The row orders of the race-data window: the sorts, the hand-over of the streck order to the
// own order, and moving a row of the own order by a drop.

#include <gtest/gtest.h>

#include "model/variabl.h"
#include "racedata/roworder.h"

namespace {

using Keys = std::array<int32, StartNumbers + 1>;

HorseOrder Order(std::initializer_list<int32> numbers)
{
    HorseOrder order{};
    int s = 0;
    for (int32 n : numbers)
        order[++s] = n;
    return order;
}

Keys KeysOf(std::initializer_list<int32> values)
{
    Keys keys{};
    int h = 0;
    for (int32 v : values)
        keys[++h] = v;
    return keys;
}

int32 StandardTops[StartNumbers + 1];

class RowOrder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        for (int s = 1; s <= StartNumbers; ++s)
            StandardTops[s] = 29 * s;
    }
};

TEST_F(RowOrder, SortsKeepTheExchangeSortsOrderOfEqualKeys)
{
    struct Case {
        RowSortKey key;
        Keys keys;
        HorseOrder expected;
    };
    const Case cases[] = {
        {RowSortKey::Streck, KeysOf({20, 5, 5, 10, 0, 3, 3, 8, 12, 4, 20, 10, 0, 0, 0}),
         Order({1, 11, 9, 4, 12, 8, 3, 2, 10, 7, 6, 5, 13, 14, 15})},
        {RowSortKey::Streck, KeysOf({0, 0, 5}), Order({3, 2, 1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15})},
        {RowSortKey::Points, Keys{}, StartNumberOrder()},
        {RowSortKey::Odds, Keys{}, Order({15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1})},
        {RowSortKey::Odds, KeysOf({5, 0, 3, 12, 3, 0, 7}),
         Order({3, 5, 1, 7, 4, 15, 14, 13, 12, 11, 10, 9, 8, 6, 2})},
        {RowSortKey::Odds, KeysOf({4, 4, 2}), Order({3, 2, 1, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SortedByKeys(c.key, c.keys), c.expected);
}

TEST_F(RowOrder, SortedRaceReadsItsKeyTable)
{
    HorsePoints[HorseIndex(7, 9)] = 3;
    OddsValues[HorseIndex(2, 4)] = 2;
    EXPECT_EQ(SortedRace(RowSortKey::Points, 7)[1], 9);
    EXPECT_EQ(SortedRace(RowSortKey::Odds, 2)[1], 4);
}

// The odds order of a race reads the odds as the page gave them (OddsTexts), finer than the
// whole odds; where a text holds no number (a file with whole odds only, a scratched horse)
// the whole odds count, and equal ones stay in the exchange sort's order.
TEST_F(RowOrder, TheOddsOrderReadsTheOddsAsThePageGaveThem)
{
    struct Case {
        std::array<const char*, 4> texts;  // start numbers 1-4
        std::array<int32, 4> whole;
        std::array<int32, 4> firstSlots;
    };
    const Case cases[] = {
        {{"5,30", "4,70", "5,10", ""}, {5, 5, 5, 0}, {2, 3, 1, 15}},
        {{"4,71", "4,7", "4,695", ""}, {5, 5, 5, 0}, {2, 3, 1, 15}},  // 4,695 rounds to 4,70
        {{"", "", "", ""}, {5, 5, 4, 0}, {3, 2, 1, 15}},              // whole odds only: as before
        {{"12,5", "", "EJ", "2,05"}, {0, 9, 0, 0}, {4, 2, 1, 15}},    // mixed: 2,05 < 9 < 12,5
        {{"999999999,99", "1", "", ""}, {0, 0, 0, 0}, {2, 1, 15, 14}},
    };
    for (const Case& c : cases) {
        ResetGlobals();
        for (int h = 1; h <= 4; ++h) {
            OddsTexts[2][h] = QString::fromUtf8(c.texts[h - 1]);
            OddsValues[HorseIndex(2, h)] = c.whole[h - 1];
        }
        const HorseOrder order = SortedRace(RowSortKey::Odds, 2);
        EXPECT_EQ((std::array<int32, 4>{order[1], order[2], order[3], order[4]}), c.firstSlots) << c.texts[0];
    }
}

TEST_F(RowOrder, OnlyTheFirstStreckOrderBecomesTheOwnOrder)
{
    const HorseOrder first = Order({2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    for (int r = 1; r <= RaceSlots; ++r)
        HandStreckOrderToOwnOrder(r, first);
    EXPECT_EQ(KeepOwnOrder, 1);
    for (int r = 1; r <= RaceSlots; ++r)
        HandStreckOrderToOwnOrder(r, StartNumberOrder());
    for (int r = 1; r <= RaceSlots; ++r)
        EXPECT_EQ(OwnOrder[r][1], 2) << r;
}

TEST_F(RowOrder, DropsGiveTheDocumentedTargets)
{
    // Drags from the row at slot 8 (top 232) and at slot 3 (top 87), height 28, gap 1.
    struct Case {
        int dragTop;
        int dropY;
        OwnOrderMove expected;
    };
    const Case cases[] = {
        {232, 87, {RowMove::Up, 3}},          // name label of slot 3
        {232, 87 + 28, {RowMove::Up, 4}},     // odds label of slot 3
        {87, 232, {RowMove::Down, 7}},        // name label of slot 8
        {87, 232 + 28, {RowMove::Down, 8}},   // odds label of slot 8
        {232, 5, {RowMove::Up, 1}},           // above slot 1
        {87, 600, {RowMove::Down, 15}},       // below slot 15
        {232, 232 + 10, {RowMove::None, 1}},  // the upper half of the row itself
        {232, 232 + 20, {RowMove::Down, 8}},  // its lower half: down to its own slot
        {232, 203 + 14, {RowMove::None, 1}},  // slot 7's panel, 14 pixels down
        {232, 203 + 13, {RowMove::Up, 7}},    // slot 7's panel, 13 pixels down
    };
    for (const Case& c : cases)
        EXPECT_EQ(DropMoveAt(c.dropY, c.dragTop, 28, 1, StandardTops), c.expected)
            << c.dragTop << " " << c.dropY;
}

TEST_F(RowOrder, SourceSlotFollowsTheRowTop)
{
    EXPECT_EQ(DragSourceSlotOf(29 * 8, 0, StandardTops), 8);
    EXPECT_EQ(DragSourceSlotOf(29 * 15, 0, StandardTops), 15);
    EXPECT_EQ(DragSourceSlotOf(0, 4, StandardTops), 4);
}

TEST_F(RowOrder, MovesShiftTheRowsBetween)
{
    struct Case {
        RowMove direction;
        int source;
        int target;
        HorseOrder expected;
    };
    const Case cases[] = {
        {RowMove::Up, 8, 3, Order({1, 2, 8, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15})},
        {RowMove::Up, 8, 4, Order({1, 2, 3, 8, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15})},
        {RowMove::Down, 3, 7, Order({1, 2, 4, 5, 6, 7, 3, 8, 9, 10, 11, 12, 13, 14, 15})},
        {RowMove::Down, 5, 5, StartNumberOrder()},
        {RowMove::Up, 0, 1, StartNumberOrder()},  // no press yet
        {RowMove::Up, 3, 9, StartNumberOrder()},  // target on the wrong side
        {RowMove::None, 8, 3, StartNumberOrder()},
    };
    for (const Case& c : cases) {
        int32 order[StartNumbers + 1];
        for (int s = 0; s <= StartNumbers; ++s)
            order[s] = s;
        MoveInOwnOrder(order, c.direction, c.source, c.target);
        for (int s = 1; s <= StartNumbers; ++s)
            EXPECT_EQ(order[s], c.expected[s]) << c.source << " -> " << c.target << " slot " << s;
    }
    int32 order[StartNumbers + 1] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    MoveInOwnOrder(order, RowMove::Up, 8, 3);
    EXPECT_EQ(order[0], 8);
}

TEST_F(RowOrder, BrokenOrdersBecomePermutations)
{
    const int32 broken[StartNumbers + 1] = {0, 3, 3, 0, 99, -1, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    EXPECT_EQ(AsPermutation(broken), Order({3, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    int32 zero[StartNumbers + 1] = {};
    EXPECT_EQ(AsPermutation(zero), StartNumberOrder());
    MoveInOwnOrder(zero, RowMove::Down, 1, 15);
    HorseOrder moved{};
    for (int s = 1; s <= StartNumbers; ++s)
        moved[s] = zero[s];
    EXPECT_EQ(moved, Order({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 1}));
}

}  // namespace
