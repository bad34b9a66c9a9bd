#pragma once
// The totals of the kept coupons: the kept list, the kept rows, the reduction percentage
// and the price, recounted whenever the keep flags change; and the keep state that every
// construction leaves.

#include <QString>

#include "conditions/price.h"
#include "model/domain.h"

// The count labels of the manual coupon-reduction window.
struct CouponReductionTexts {
    QString rowsBefore;     // `LRaderforereduc`
    QString rowsAfter;      // `LRaderefterreduc`
    QString couponsBefore;  // `LKupongerforereduc`
    QString couponsAfter;   // `LKupongerefterreduc`
    QString percent;        // `LReducprocent`
};

// What a recount of the kept coupons shows.
struct KeptCouponTotals {
    // Main window.
    QString rows;       // `LabelRadantal`: RowsKept
    QString coupons;    // `LabelKup`: KeptCouponCount
    QString reduction;  // `LReducgrad`, and `LReducprocent` of the reduction window
    PriceTexts price;   // `Prisrader`, `Prisavg`, `Pristot`, with their captions shown
    // Manual coupon-reduction window.
    QString rowsAfter;     // `LRaderefterreduc`
    QString couponsAfter;  // `LKupongerefterreduc`
    int32 keptPositions;   // `SValjbortfrom`, `SValjborttom`: range 1..this, value this
    int32 maxRows;         // `SMaxrader`: upper bound (its value stays)
};

// Rebuilds KeptCoupons and KeptCouponCount from the keep flags of coupons 1..CouponCount,
// recounts RowsKept and PriceRows, sets ReductionPercent and CouponsReduced, and prices
// the kept coupons. Returns what the main window and the reduction window show.
KeptCouponTotals RecomputeCouponSelection();

// Writes the main window's row and coupon counts, reduction grade and shown price
// (ResultLabels) from a recount of the kept coupons.
void PublishKeptCouponTotals(const KeptCouponTotals& totals);

// The keep state right after a construction of couponCount coupons: every coupon kept, so
// nothing reduced (CouponsReduced and ReductionPercent 0), unless KeepLoadedCouponSelection
// asks to keep the flags read from a system file (the flag is cleared here; the recount
// follows); no flag above couponCount, and the kept list 1..couponCount.
void KeepAllCouponsAfterBuild(int32 couponCount);

// The reduction window's counts right after a construction: before and after from
// RowsConstructed, RowsKept, CouponCount and KeptCouponCount, and "0 %".
CouponReductionTexts CouponReductionTextsAfterBuild();
