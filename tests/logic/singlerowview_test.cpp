#include <gtest/gtest.h>

#include "model/variabl.h"
#include "output/reserves.h"
#include "views/singlerowview.h"

namespace {

TEST(SingleRowViewTest, PageStepsAndScrollRange)
{
    const int32 steps[][2] = {{30, 10},     {999, 10},    {1000, 50},    {4999, 50},
                              {5000, 100},  {9999, 100},  {10000, 200},  {19999, 200},
                              {20000, 400}, {49999, 400}, {50000, 1000}, {99999, 1000}};
    for (const auto& [rows, step] : steps)
        EXPECT_EQ(SingleRowPageStep(rows), std::optional<int32>(step)) << rows;
    for (int32 rows : {0, 11, 29})
        EXPECT_FALSE(SingleRowPageStep(rows).has_value()) << rows;
    const int32 maxima[][2] = {{0, 1}, {7, 1}, {10, 1}, {11, 2}, {20, 11}, {100, 91}};
    for (const auto& [rows, maximum] : maxima)
        EXPECT_EQ(SingleRowScrollMax(rows), maximum) << rows;
}

TEST(SingleRowViewTest, CellsPastTheLastRowShowZeroWithoutTouchingTheStore)
{
    ResetGlobals();
    SingleRowCount = 7;
    for (int row = 1; row <= 8; ++row)
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][row] = row;
    ReserveMode = ReserveModeChosenOrder;
    EXPECT_EQ(SingleRowStartText(7, 2), QStringLiteral("7"));
    EXPECT_EQ(SingleRowReserveText(1, 2), QStringLiteral("2,3"));
    EXPECT_EQ(SingleRowStartText(8, 2), QStringLiteral("0"));
    EXPECT_EQ(SingleRowReserveText(8, 2), QStringLiteral("0"));
    EXPECT_EQ(RowStore[2][8], 8);
}

TEST(SingleRowViewTest, ReserveTexts)
{
    ResetGlobals();
    SingleRowCount = 1;
    RowStore[1][1] = 15;
    struct Case {
        int mode, f1, f2;
        const char* text;
    };
    const Case cases[] = {
        {ReserveModeNone, 1, 2, "0"},          {ReserveModeFixed, 0, 7, "7"},
        {ReserveModeFixed, 3, 7, "3,7"},       {ReserveModeFixed, 3, 0, "3"},
        {ReserveModeFixed, 0, 0, "0"},         {ReserveModeNextLower, 0, 0, "14,15"},
        {ReserveModeChosenOrder, 0, 0, "1,2"},
    };
    for (const Case& c : cases) {
        ReserveMode = static_cast<byte>(c.mode);
        FixedReserves[1][1] = static_cast<byte>(c.f1);
        FixedReserves[1][2] = static_cast<byte>(c.f2);
        EXPECT_EQ(SingleRowReserveText(1, 1), QLatin1String(c.text)) << c.mode << " " << c.f1 << " " << c.f2;
    }
}

}  // namespace
