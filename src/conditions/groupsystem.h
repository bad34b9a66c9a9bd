#pragma once
// The group-system builder: with no row condition switched on, the system is every row
// of the allowed ABCD patterns, merged into group coupons. A coupon gives per race slot a
// set of groups (TGroupSetCode) and covers every row whose horses lie in those groups.

#include <QString>
#include <array>
#include <functional>

#include "conditions/keptcoupons.h"
#include "conditions/price.h"
#include "model/domain.h"

// The TGroupSetCode (1 A, 2 B, 3 C, 4 D, 5 AB, 6 AC, 7 AD, 8 BC, 9 BD, 10 CD, 11 ABC,
// 12 ABD, 13 ACD, 14 BCD, 15 ABCD) of the union of two disjoint group sets; 0 when the
// sets share a group or a code lies outside 1..15.
int UnionGroupSetCode(int first, int second);

// The builder's race order, position 1..7 -> race slot: ascending by the number of
// non-empty groups of each slot (nonEmptyGroups[1..7]), the lower slot first on a tie.
std::array<int, RaceSlots + 1> GroupSystemRaceOrder(const std::array<int, RaceSlots + 1>& nonEmptyGroups);

// What a group-system build shows.
struct GroupSystemResult {
    int32 couponCount = 0;  // `LabelKup`
    // True when coupons were built: then `LabelRadantal` and `LRaderoreduc` show rows, the
    // buttons `Button2`, `Button3`, `Button4`, `Button5`, `LATGfil` and `KnReducera` are
    // enabled, and the captions `Pris1`, `Pris3`, `Pris4` and `Prisrader` are shown.
    bool couponsExist = false;
    QString rows;
    // `Prisavg` and `Pristot` are shown after every build; `Prisrader` only with coupons.
    PriceTexts price;
    CouponReductionTexts reductionWindow;
    // Shown in an error box when not empty (an internal inconsistency; the build went on).
    QString alarmMessage;
};

// Called with the current coupon count at the start of every merge pass, so that the
// window can repaint `LabelKup` at once.
using CouponCountProgress = std::function<void(int32 couponCount)>;

// Builds the group system from the allowed patterns (planes 9-12 of AbcdPatternPlanes):
// writes plane 0, CouponGroupCodes, CouponCount, CouponRowCounts, the keep tables,
// RowsKept, RowsConstructed, PriceRows, RowsPerHorseUnreduced, UnreducedPercent and the
// price. Every race slot must have a marked horse. The coupon numbering is deterministic,
// so keep flags saved by coupon number apply again after a reload.
GroupSystemResult SplitGroupSystemIntoCoupons(const CouponCountProgress& showCouponCount = {});
