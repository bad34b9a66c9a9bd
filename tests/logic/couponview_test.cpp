#include <gtest/gtest.h>

#include <array>
#include <string>

#include "model/variabl.h"
#include "output/couponview.h"
#include "output/reserves.h"
#include "support/coupons.h"
#include "support/marks.h"

namespace {

class CouponViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        ReserveMode = ReserveModeChosenOrder;
    }

    static void Show(int coupon)
    {
        CurrentCouponPos = coupon;
        CurrentCoupon = KeptCoupons[coupon];
    }

    // The marks start from the tables' defaults, the reserves stay in chosen order.
    static void Mark(const std::array<std::string, 6>& races)
    {
        MarkRaces(races);
        ReserveMode = ReserveModeChosenOrder;
    }

    // A group system of two coupons: coupon 1 plays AC, AB, A, B, A, A; coupon 2 only A.
    static void SmallGroupSystem()
    {
        Mark({".A..C.A", "A.BB", "A.BB", "A.BB", "A.BB", "A.BB"});
        StoreSmallGroupCoupons();
    }

    // A row-tested system of one coupon: {2, 5, 7}, {1, 4, 11}, {3}, {1, 2}, {9}, {15}.
    static void SmallRowSystem()
    {
        const int masks[] = {0, 0b1010010, 0b10000001001, 0b100, 0b11, 1 << 8, 1 << 14, 1};
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][1] = masks[race];
        CouponRowCounts[1] = 18;
        GroupSystemBuilt = 0;
        KeepCoupons(1);
    }
};

TEST_F(CouponViewTest, GroupViewerTexts)
{
    SmallGroupSystem();
    Show(1);
    CouponViewTexts texts = GroupCouponTexts();
    EXPECT_EQ(*texts.kupongnummer, QStringLiteral("Kupong 1 av 2"));
    EXPECT_EQ(*texts.startnr[1], QStringLiteral(" 2 5 7"));
    EXPECT_EQ(*texts.abc[1], QStringLiteral("A C"));
    EXPECT_EQ(*texts.startnr[2], QStringLiteral(" 1 3 4"));
    EXPECT_EQ(*texts.abc[2], QStringLiteral("AB"));
    EXPECT_EQ(*texts.abc[4], QStringLiteral(" B"));
    EXPECT_EQ(*texts.reservnr[1], QStringLiteral("1,  3"));
    EXPECT_EQ(*texts.reservnr[4], QStringLiteral("1,  2"));
    EXPECT_EQ(*texts.rowLine, QStringLiteral(" 3 x 3 x 1 x 2 x 1 x 1 x 1 = 18 rader"));
    EXPECT_FALSE(texts.mismatch);

    ReserveMode = ReserveModeFixed;
    FixedReserves[1][1] = 0;
    FixedReserves[1][2] = 7;
    Show(2);
    CouponRowCounts[2] = 3;
    texts = GroupCouponTexts();
    EXPECT_EQ(*texts.rowLine, QStringLiteral(" 2 x 1 x 1 x 1 x 1 x 1 x 1 = 2 rader"));
    EXPECT_EQ(*texts.reservnr[1], QStringLiteral("0, 7"));
    EXPECT_TRUE(texts.mismatch);
}

TEST_F(CouponViewTest, GroupViewerShowsOnlyTheFreeNumbersInChosenOrder)
{
    Mark({"AAAAAAAAAAAAAA.", "AAAAAAAAAAAAAAA", "A", "A", "A", "A"});
    for (int race = 1; race <= RaceSlots; ++race)
        CouponGroupCodes[race][1] = 1;
    CouponRowCounts[1] = 14 * 15;
    GroupSystemBuilt = 1;
    KeepCoupons(1);
    Show(1);
    const CouponViewTexts texts = GroupCouponTexts();
    EXPECT_EQ(*texts.reservnr[1], QStringLiteral("15"));
    EXPECT_EQ(*texts.reservnr[2], QString());
    EXPECT_EQ(*texts.rowLine, QStringLiteral(" 14 x 15 x 1 x 1 x 1 x 1 x 1 = 210 rader"));
}

TEST_F(CouponViewTest, RowViewerTextsKeepNumberAndReservesOnAMismatch)
{
    SmallRowSystem();
    Show(1);
    CouponViewTexts texts = RowCouponTexts();
    EXPECT_EQ(*texts.kupongnummer, QStringLiteral("Kupong 1 av 1"));
    EXPECT_EQ(*texts.startnr[1], QStringLiteral("2, 5, 7"));
    EXPECT_EQ(*texts.startnr[2], QStringLiteral("1, 4, 11"));
    EXPECT_EQ(*texts.reservnr[1], QStringLiteral("1, 3"));
    EXPECT_EQ(*texts.reservnr[6], QStringLiteral("1, 2"));
    EXPECT_EQ(*texts.rowLine, QStringLiteral("3 x 3 x 1 x 2 x 1 x 1 x 1 = 18 rader"));
    EXPECT_FALSE(texts.mismatch);

    CouponRowCounts[1] = 17;
    texts = RowCouponTexts();
    EXPECT_TRUE(texts.mismatch);
    EXPECT_EQ(*texts.kupongnummer, QStringLiteral("Kupong 1 av 1"));
    EXPECT_EQ(*texts.reservnr[1], QStringLiteral("1, 3"));

    for (int race = 1; race <= RaceSlots; ++race)
        RowStore[race][1] = 1;
    CouponRowCounts[1] = 1;
    ReserveMode = ReserveModeNone;
    texts = RowCouponTexts();
    EXPECT_EQ(*texts.rowLine, QStringLiteral("1 x 1 x 1 x 1 x 1 x 1 x 1 = 1 rad"));
    EXPECT_EQ(*texts.reservnr[1], QString());
}

TEST_F(CouponViewTest, NoCouponSaysSoAndKeepsTheReserveTexts)
{
    SmallRowSystem();
    CouponsBuilt = 0;
    Show(1);
    for (const CouponViewTexts& texts : {GroupCouponTexts(), RowCouponTexts()}) {
        EXPECT_EQ(*texts.kupongnummer, QString());
        EXPECT_EQ(*texts.startnr[1], QString());
        EXPECT_EQ(*texts.startnr[2], QStringLiteral("Det finns inga kuponger att visa."));
        EXPECT_EQ(*texts.startnr[3], QStringLiteral("Systemet är inte konstruerat."));
        EXPECT_EQ(*texts.startnr[7], QString());
        EXPECT_EQ(*texts.rowLine, QString());
        EXPECT_FALSE(texts.reservnr[1].has_value());
        EXPECT_FALSE(texts.mismatch);
    }
}

TEST_F(CouponViewTest, StepsStopAtTheEnds)
{
    struct Case {
        int position, step, count, expected;  // expected -1: nothing happens
    };
    const Case cases[] = {
        {1, -1, 1, -1},
        {1, 1, 1, -1},
        {1, 10, 1, 1},
        {1, -10, 1, 1},
        {5, 1, 9, 6},
        {5, -1, 9, 4},
        {5, 10, 30, 15},
        {21, 10, 30, 30},
        {20, 10, 30, 30},
        {10, -10, 30, 1},
        {11, -10, 30, 1},
        {12, -10, 30, 2},
        {1, 100, 5500, 101},
        {5450, 100, 5500, 5500},
        {2000, -1000, 5500, 1000},
        {999, -1000, 5500, 1},
        {1, 10, 0, 0},
        {0, -10, 0, 0},
        {1, 1, 0, -1},
    };
    for (const Case& c : cases) {
        const std::optional<int32> position = SteppedCouponPosition(c.position, c.step, c.count);
        EXPECT_EQ(position.value_or(-1), c.expected) << c.position << " " << c.step << " " << c.count;
    }
}

}  // namespace
