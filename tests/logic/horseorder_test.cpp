#include <gtest/gtest.h>

#include <vector>

#include "conditions/horseorder.h"
#include "model/variabl.h"

namespace {

class HorseOrder : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }

    static void SetRace(int race, int c, const std::vector<int>& points)
    {
        for (int h = 1; h <= StartNumbers; ++h)
            CondPoints[race][h][c] = h <= static_cast<int>(points.size()) ? points[h - 1] : 0;
    }
};

TEST_F(HorseOrder, HighestFirstTiesByStartNumberWithShares)
{
    SetRace(3, 9, {40, 0, 40, 100});
    const HorseOrderListing l = ListHorsesByPoints(3, 9);
    const int order[] = {4, 1, 3, 2, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    for (int k = 0; k < StartNumbers; ++k)
        EXPECT_EQ(l.lines[k].startNr, order[k]) << k;
    EXPECT_EQ(l.total, 180);
    EXPECT_EQ(l.lines[0].percent, 56);
    EXPECT_EQ(l.lines[1].percent, 22);
    EXPECT_EQ(l.lines[2].percent, 22);
    EXPECT_FALSE(l.lines[3].percent.has_value());
}

TEST_F(HorseOrder, SharesRoundHalfToEven)
{
    // 1, 3, 5 and 191 of 200.
    SetRace(7, 1, {1, 3, 5, 100, 91});
    const HorseOrderListing l = ListHorsesByPoints(7, 1);
    EXPECT_EQ(l.total, 200);
    EXPECT_EQ(l.lines[4].startNr, 1);
    EXPECT_EQ(l.lines[4].percent, 0);
    EXPECT_EQ(l.lines[3].percent, 2);  // 3 of 200
    EXPECT_EQ(l.lines[2].percent, 2);  // 5 of 200
}

TEST_F(HorseOrder, EqualOrNoPoints)
{
    SetRace(1, 1, std::vector<int>(15, 6));
    const HorseOrderListing equal = ListHorsesByPoints(1, 1);
    for (int k = 0; k < StartNumbers; ++k) {
        EXPECT_EQ(equal.lines[k].startNr, k + 1);
        EXPECT_EQ(equal.lines[k].percent, 7);
    }
    const HorseOrderListing none = ListHorsesByPoints(2, 1);
    EXPECT_EQ(none.total, 0);
    EXPECT_FALSE(none.lines[0].percent.has_value());
}

}  // namespace
