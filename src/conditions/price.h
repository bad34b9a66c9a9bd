#pragma once
// The price of a coupon system: 1 kr a row plus a fee per coupon that grows with the
// coupon's rows. Both construction modes and the kept-coupon totals price through here.

#include <QString>

#include "model/domain.h"

// The fee in kronor of one coupon with the given number of rows.
int CouponFeeForRows(int32 rows);

// Which coupons pay a fee: every coupon right after a construction, only the kept ones
// when the keep flags have been changed.
enum class PricedCoupons { All, Kept };

// What the main window's price block shows. When painted, the captions `Pris1`, `Pris3`
// and `Pris4` and the value labels are made visible.
struct PriceTexts {
    QString rows;   // `Prisrader`: the rows paid for, 1 kr each
    QString fees;   // `Prisavg`: the coupon fees
    QString total;  // `Pristot`: rows plus fees
};

// Prices coupons 1..CouponCount (All) or the coupons listed in KeptCoupons (Kept):
// CouponFee := the fee of each coupon in turn (the last one stays), CouponFeeTotal := the
// sum of the fees, TotalPrice := paidRows + CouponFeeTotal. Returns the three texts.
PriceTexts PriceCouponSystem(int32 paidRows, PricedCoupons which);

// Shows the price of single rows in the main window's price block (ResultLabels): 1 kr a
// row, no coupon fees and no total.
void ShowSingleRowPrice(int32 rows);

// A price in kronor as the price labels show it: a whole number.
QString WholeKronorText(double kronor);
