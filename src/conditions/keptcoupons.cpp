#include "conditions/keptcoupons.h"

#include <algorithm>
#include <cstdint>

#include "model/variabl.h"
#include "platform/numbers.h"

namespace {

QString PercentText(int32 percent)
{
    return QString::number(percent) + QStringLiteral(" %");
}

int32 CouponsInTable()
{
    return std::clamp(CouponCount, 0, MaxCoupons);
}

void RebuildKeptList()
{
    const int32 count = CouponsInTable();
    int32 kept = 0;
    RowsKept = 0;
    for (int32 k = 1; k <= count; ++k) {
        if (CouponKept[k] != 1)
            continue;
        KeptCoupons[++kept] = k;
        RowsKept += CouponRowCounts[k];
    }
    KeptCouponCount = kept;
    std::fill(KeptCoupons + kept + 1, KeptCoupons + count + 1, 0);
}

}  // namespace

KeptCouponTotals RecomputeCouponSelection()
{
    RebuildKeptList();
    // Cleared again when every row is kept, so that a print-out after "Ta bort all
    // reducering" no longer reports a reduction.
    CouponsReduced = RowsKept < RowsConstructed ? 1 : 0;
    ReductionPercent =
        static_cast<int32>(PercentHalfEven(std::int64_t{RowsConstructed} - RowsKept, RowsConstructed));
    PriceRows = RowsKept;

    KeptCouponTotals totals;
    totals.rows = QString::number(RowsKept);
    totals.coupons = QString::number(KeptCouponCount);
    totals.reduction = PercentText(ReductionPercent);
    totals.price = PriceCouponSystem(PriceRows, PricedCoupons::Kept);
    totals.rowsAfter = totals.rows;
    totals.couponsAfter = totals.coupons;
    totals.keptPositions = KeptCouponCount;
    totals.maxRows = RowsKept;
    return totals;
}

void KeepAllCouponsAfterBuild(int32 couponCount)
{
    const int32 count = std::clamp(couponCount, 0, MaxCoupons);
    if (KeepLoadedCouponSelection != 1) {
        std::fill(CouponKept + 1, CouponKept + count + 1, flag{1});
        CouponsReduced = 0;
        ReductionPercent = 0;
    }
    KeepLoadedCouponSelection = 0;
    std::fill(CouponKept + count + 1, CouponKept + MaxCoupons + 1, flag{0});
    KeptCouponCount = count;
    for (int32 i = 1; i <= MaxCoupons; ++i)
        KeptCoupons[i] = i <= count ? i : 0;
}

CouponReductionTexts CouponReductionTextsAfterBuild()
{
    return {QString::number(RowsConstructed), QString::number(RowsKept), QString::number(CouponCount),
            QString::number(KeptCouponCount), PercentText(0)};
}

void PublishKeptCouponTotals(const KeptCouponTotals& totals)
{
    ResultLabels.Radantal = totals.rows;
    ResultLabels.Kup = totals.coupons;
    ResultLabels.Reducgrad = totals.reduction;
    ResultLabels.Prisrader = totals.price.rows;
    ResultLabels.Prisavg = totals.price.fees;
    ResultLabels.Pristot = totals.price.total;
    ResultLabels.PriceVisible = true;
}
