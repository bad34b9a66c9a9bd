#include "conditions/couponmerge.h"
#include "model/variabl.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace {

using MaskKey = std::array<std::uint64_t, 2>;

// The coupon's masks with column d left out, as the key that a merge pass compares.
MaskKey KeyWithout(CouponMasks coupon, int d)
{
    coupon[d] = 0;
    return std::bit_cast<MaskKey>(coupon);
}

std::size_t HashOf(const MaskKey& key)
{
    std::uint64_t h = key[0] * 0x9E3779B97F4A7C15ull ^ key[1] * 0xC2B2AE3D27D4EB4Full;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    return static_cast<std::size_t>(h ^ (h >> 32));
}

// The pass for the last column: sorted rows that agree in positions 1-6 stand next to each
// other, and each such run becomes one coupon.
std::vector<CouponMasks> CouponsOfNeighbourRows(const int32* rows, int32 count)
{
    std::vector<CouponMasks> coupons;
    for (int32 i = 1; i <= count; ++i) {
        const int32 row = rows[i];
        if (i == 1 || (rows[i - 1] >> 4) != (row >> 4)) {
            CouponMasks coupon{};
            for (int m = 1; m < RaceSlots; ++m)
                coupon[m] = static_cast<std::uint16_t>(1u << (PackedStartNumber(row, m) - 1));
            coupons.push_back(coupon);
        }
        coupons.back()[RaceSlots] |=
            static_cast<std::uint16_t>(1u << (PackedStartNumber(row, RaceSlots) - 1));
    }
    return coupons;
}

// One merge pass for column d: every coupon that equals an earlier one in the other six
// columns is merged into the first such coupon; the survivors keep their order.
void MergeColumn(std::vector<CouponMasks>& coupons, int d)
{
    const std::size_t count = coupons.size();
    if (count < 2)
        return;
    const std::size_t capacity = std::bit_ceil(2 * count);
    std::vector<std::int32_t> firstWithKey(capacity, -1);
    std::size_t survivors = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const CouponMasks coupon = coupons[i];
        const MaskKey key = KeyWithout(coupon, d);
        for (std::size_t slot = HashOf(key) & (capacity - 1);; slot = (slot + 1) & (capacity - 1)) {
            const std::int32_t first = firstWithKey[slot];
            if (first < 0) {
                firstWithKey[slot] = static_cast<std::int32_t>(survivors);
                coupons[survivors++] = coupon;
                break;
            }
            if (KeyWithout(coupons[first], d) == key) {
                coupons[first][d] |= coupon[d];
                break;
            }
        }
    }
    coupons.resize(survivors);
}

}  // namespace

std::vector<CouponMasks> MergeRowsIntoCoupons(const int32* rows, int32 count)
{
    std::vector<CouponMasks> coupons = CouponsOfNeighbourRows(rows, count);
    for (int d = RaceSlots - 1; d >= 1; --d)
        MergeColumn(coupons, d);
    return coupons;
}

int32 CouponRows(const CouponMasks& coupon)
{
    int32 rows = 1;
    for (int m = 1; m <= RaceSlots; ++m)
        rows *= std::popcount(coupon[m]);
    return rows;
}

void StoreCouponsInRaceOrder(const std::vector<CouponMasks>& coupons, const SlotOrder& order)
{
    const int32 count = static_cast<int32>(coupons.size());
    for (int32 k = 1; k <= count && k <= MaxCoupons; ++k) {
        const CouponMasks& coupon = coupons[k - 1];
        RowStore[0][k] = 1;
        for (int m = 1; m <= RaceSlots; ++m)
            RowStore[order[m]][k] = coupon[m];
        CouponRowCounts[k] = CouponRows(coupon);
    }
}

void OrderCouponsBySize(int32 count)
{
    count = std::clamp(count, 0, MaxCoupons);
    std::vector<int32> rows(CouponRowCounts + 1, CouponRowCounts + count + 1);
    std::vector<int32> source(count);
    for (int32 k = 0; k < count; ++k)
        source[k] = k + 1;
    for (int32 i = 0; i + 1 < count; ++i) {
        for (int32 j = i + 1; j < count; ++j) {
            if (rows[j] > rows[i]) {
                std::swap(rows[i], rows[j]);
                std::swap(source[i], source[j]);
            }
        }
    }
    std::array<std::vector<int32>, RaceSlots + 1> masks;
    for (int r = 1; r <= RaceSlots; ++r)
        masks[r].assign(RowStore[r] + 1, RowStore[r] + count + 1);
    for (int32 k = 1; k <= count; ++k) {
        CouponRowCounts[k] = rows[k - 1];
        for (int r = 1; r <= RaceSlots; ++r)
            RowStore[r][k] = masks[r][source[k - 1] - 1];
    }
}
