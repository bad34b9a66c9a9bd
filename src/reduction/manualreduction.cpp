#include "reduction/manualreduction.h"

#include <algorithm>

namespace {

int32 CouponsInTable()
{
    return std::clamp(CouponCount, 0, MaxCoupons);
}

bool IsCoupon(int32 coupon)
{
    return coupon >= 1 && coupon <= CouponsInTable();
}

bool IsKeptPosition(int32 position)
{
    return position >= 1 && position <= std::min(KeptCouponCount, MaxCoupons);
}

void Drop(int32 coupon)
{
    CouponKept[coupon] = 0;
    CouponUndo[coupon] = 1;
}

}  // namespace

bool DropCouponRange(int32 from, int32 to, RangeDropStep step)
{
    std::fill(CouponUndo, CouponUndo + MaxCoupons + 1, flag{0});
    if (!IsKeptPosition(from) || !IsKeptPosition(to))
        return false;
    const int32 first = KeptCoupons[from];
    const int32 last = KeptCoupons[to];
    if (first > last || !IsCoupon(first) || !IsCoupon(last))
        return false;
    Drop(first);
    int count = 0;
    for (int32 k = first + 1; k <= last; ++k) {
        if (CouponKept[k] != 1)
            continue;
        if (++count == static_cast<int>(step)) {
            Drop(k);
            count = 0;
        }
    }
    return true;
}

void UndoCouponRange()
{
    for (int32 k = 1; k <= CouponsInTable(); ++k)
        if (CouponUndo[k] == 1)
            CouponKept[k] = 1;
}

void DropCouponsAboveRows(int32 maxRows)
{
    std::int64_t total = 0;
    for (int32 k = 1; k <= CouponsInTable(); ++k) {
        if (CouponKept[k] != 1)
            continue;
        if (total + CouponRowCounts[k] > maxRows)
            CouponKept[k] = 0;
        else
            total += CouponRowCounts[k];
    }
}

bool ToggleCouponKept(int32 coupon)
{
    if (!IsCoupon(coupon))
        return false;
    CouponKept[coupon] = CouponKept[coupon] == 1 ? 0 : 1;
    return true;
}

void KeepEveryCoupon()
{
    std::fill(CouponKept + 1, CouponKept + CouponsInTable() + 1, flag{1});
}

int32 SteppedCoupon(int32 current, int32 step)
{
    const int32 count = CouponsInTable();
    if (step > 0)
        return current >= count ? current : std::min(current + step, count);
    return current <= 1 ? current : std::max(current + step, 1);
}

int32 ShownCouponInRange(int32 coupon)
{
    return std::clamp(coupon, 1, std::max(CouponsInTable(), 1));
}

int32 CouponRows(int32 coupon)
{
    return IsCoupon(coupon) ? CouponRowCounts[coupon] : 0;
}

QString CouponToggleCaption(int32 coupon)
{
    return IsCoupon(coupon) && CouponKept[coupon] == 1 ? QStringLiteral("Ta bort kupongen")
                                                       : QStringLiteral("Lägg till kupongen");
}
