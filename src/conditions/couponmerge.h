#pragma once
// Coupon merging: the kept rows of a construction become coupons. Every row starts as a
// coupon of one row; coupons that differ in one column only are merged, one pass per
// column from the last to the first; the coupons then go back into race order, get their
// row counts and are ordered by size.

#include <array>
#include <cstdint>
#include <vector>

#include "model/domain.h"

// Position 1..7 -> race slot (index 0 unused).
using SlotOrder = std::array<int, RaceSlots + 1>;

// One horse mask per column 1..7 (bit h-1 = start number h); index 0 unused.
using CouponMasks = std::array<std::uint16_t, RaceSlots + 1>;

// Start number at position 1..7 of a packed row (position 1 in bits 24-27).
inline int PackedStartNumber(int32 packed, int position)
{
    return (packed >> (4 * (RaceSlots - position))) & 0xF;
}

// The coupons of count packed rows, which must be distinct and in ascending order. The
// columns are the positions of the packed rows. The coupons come in the order the merge
// passes for the columns 7, 6, ..., 1 leave them: each pass merges every coupon into the
// first earlier coupon that equals it in the six other columns.
std::vector<CouponMasks> MergeRowsIntoCoupons(const int32* rows, int32 count);

// Rows of a coupon: the product of its masks' sizes.
int32 CouponRows(const CouponMasks& coupon);

// Writes the coupons (at most MaxCoupons) as coupons 1..M of RowStore with column 0 = 1,
// moving the mask of position m to the column of race slot order[m], and their row counts
// into CouponRowCounts.
void StoreCouponsInRaceOrder(const std::vector<CouponMasks>& coupons, const SlotOrder& order);

// Orders coupons 1..count of RowStore and CouponRowCounts by rows, largest first, with the
// exchange sequence that fixes the order of coupons of equal size: for each position i,
// every later coupon with more rows than the one now at i changes places with it.
void OrderCouponsBySize(int32 count);
