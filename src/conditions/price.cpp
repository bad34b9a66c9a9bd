#include "conditions/price.h"
#include "model/variabl.h"

#include <algorithm>
#include <cmath>

namespace {

struct FeeStep {
    int32 maxRows;
    int fee;
};

// Coupons up to maxRows rows cost fee kronor; above the last step the fee is 25 kr.
constexpr FeeStep FeeSteps[] = {
    {50, 2},   {100, 4},  {150, 5},  {200, 7},  {250, 8},  {300, 10}, {350, 11}, {400, 13},
    {450, 14}, {500, 16}, {550, 17}, {600, 19}, {650, 20}, {700, 22}, {750, 23},
};
constexpr int FeeAboveLastStep = 25;

double AddFee(int32 coupon)
{
    CouponFee = CouponFeeForRows(CouponRowCounts[coupon]);
    return CouponFee;
}

}  // namespace

int CouponFeeForRows(int32 rows)
{
    for (const FeeStep& step : FeeSteps)
        if (rows <= step.maxRows)
            return step.fee;
    return FeeAboveLastStep;
}

PriceTexts PriceCouponSystem(int32 paidRows, PricedCoupons which)
{
    double fees = 0.0;
    if (which == PricedCoupons::All) {
        const int32 count = std::clamp(CouponCount, 0, MaxCoupons);
        for (int32 k = 1; k <= count; ++k)
            fees += AddFee(k);
    } else {
        const int32 count = std::clamp(KeptCouponCount, 0, MaxCoupons);
        for (int32 i = 1; i <= count; ++i)
            if (KeptCoupons[i] >= 1 && KeptCoupons[i] <= MaxCoupons)
                fees += AddFee(KeptCoupons[i]);
    }
    CouponFeeTotal = fees;
    TotalPrice = paidRows + CouponFeeTotal;
    return {QString::number(paidRows), WholeKronorText(CouponFeeTotal), WholeKronorText(TotalPrice)};
}

QString WholeKronorText(double kronor)
{
    return QString::number(static_cast<qint64>(std::llrint(kronor)));
}

void ShowSingleRowPrice(int32 rows)
{
    ResultLabels.Prisrader = QString::number(rows);
    ResultLabels.Prisavg = QString();
    ResultLabels.Pristot = QString();
    ResultLabels.PriceVisible = true;
}
