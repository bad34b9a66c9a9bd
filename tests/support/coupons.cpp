#include "support/coupons.h"

#include <vector>

#include "model/variabl.h"

void KeepCoupons(int count)
{
    CouponCount = KeptCouponCount = count;
    for (int k = 1; k <= count; ++k) {
        KeptCoupons[k] = k;
        CouponKept[k] = 1;
    }
    CouponsBuilt = 1;
}

void StoreSmallGroupCoupons()
{
    const int codes[][RaceSlots] = {{6, 5, 1, 2, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}};
    for (int k = 1; k <= 2; ++k)
        for (int race = 1; race <= RaceSlots; ++race)
            CouponGroupCodes[race][k] = static_cast<byte>(codes[k - 1][race - 1]);
    CouponRowCounts[1] = 18;
    CouponRowCounts[2] = 2;
    GroupSystemBuilt = 1;
    KeepCoupons(2);
}

namespace {

std::vector<int> MarkedStartNumbers(int race)
{
    std::vector<int> horses;
    for (int horse = 1; horse <= StartNumbers; ++horse)
        if (HorseGroups[race][0][horse] != 0)
            horses.push_back(horse);
    return horses;
}

}  // namespace

void StoreSingleRows(int count)
{
    std::vector<int> horses[PoolRaces + 1];
    for (int race = 1; race <= PoolRaces; ++race)
        horses[race] = MarkedStartNumbers(race);
    std::size_t at[PoolRaces + 1] = {};  // the row's place among each race's marked horses
    for (int k = 1; k <= count; ++k) {
        for (int race = 1; race <= PoolRaces; ++race)
            RowStore[race][k] = horses[race][at[race]];
        RowStore[RaceSlots][k] = 1;
        for (int race = PoolRaces; race >= 1 && ++at[race] == horses[race].size(); --race)
            at[race] = 0;
    }
    SingleRowCount = count;
    SingleRowsBuilt = 1;
}
