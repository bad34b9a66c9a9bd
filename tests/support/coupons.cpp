#include "support/coupons.h"

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
