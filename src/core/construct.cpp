#include "core/construct.h"

#include "model/variabl.h"

namespace {

const QString NoCount = QStringLiteral("x");

void ShowRowCount(const QString& rows)
{
    ResultLabels.Radantal = rows;
    ResultLabels.Raderoreduc = rows;
}

void ShowNoSystem()
{
    ShowRowCount(NoCount);
    ResultLabels.Kup = NoCount;
    ResultLabels.PriceVisible = false;
}

// A built system and its reduction grade as the reduction window shows it after a build ("0 %";
// a load that keeps its saved flags recounts the grade afterwards).
void ShowSystem(int32 rows, int32 coupons, const PriceTexts& price,
                const CouponReductionTexts& reductionWindow)
{
    ShowRowCount(QString::number(rows));
    ResultLabels.Kup = QString::number(coupons);
    ResultLabels.Reducgrad = reductionWindow.percent;
    ResultLabels.Prisrader = price.rows;
    ResultLabels.Prisavg = price.fees;
    ResultLabels.Pristot = price.total;
    ResultLabels.PriceVisible = true;
    ResultLabels.SystemButtonsEnabled = true;
}

bool AnySwitchOn(const TConditionSwitches& s)
{
    return s.startNumbers || s.points || s.otherNumbers || s.payout;
}

}  // namespace

bool UnsavedSingleRowsExist()
{
    return SingleRowsBuilt == 1 && SingleRowsSaved == 0;
}

void BeginCouponConstruction()
{
    SingleRowsBuilt = 0;
    ResultLabels.ReducgradVisible = true;
    BuildCouponsAfterRows = 1;
    ShowNoSystem();
}

Builder ChooseBuilder()
{
    const bool rows = AnySwitchOn(ConditionSwitches);
    GroupSystemBuilt = rows ? 0 : 1;
    return rows ? Builder::RowEngine : Builder::GroupSystem;
}

void PublishRunningRowCount(int32 rows)
{
    ShowRowCount(QString::number(rows));
}

void PublishRunningCouponCount(int32 coupons)
{
    ResultLabels.Kup = QString::number(coupons);
}

bool PublishConstructionOutcome(const ConstructionResult& result, const TResultLabels& shownBefore)
{
    const bool countStoppedWithSystemLeft = result.outcome == ConstructionOutcome::Cancelled &&
                                            BuildCouponsAfterRows == 0 &&
                                            (CouponsBuilt == 1 || SingleRowsBuilt == 1);
    if (countStoppedWithSystemLeft) {
        ResultLabels = shownBefore;
        return true;
    }
    switch (result.outcome) {
        case ConstructionOutcome::RowsCounted:
            ShowRowCount(QString::number(result.rowsAccepted));
            return true;
        case ConstructionOutcome::SystemBuilt:
            ShowSystem(RowsKept, result.couponCount, result.price, result.reductionWindow);
            return true;
        case ConstructionOutcome::TooManyCoupons:
        case ConstructionOutcome::Cancelled:
            ShowNoSystem();
            return true;
        case ConstructionOutcome::AlreadyRunning:
            return false;
    }
    return false;
}

void PublishGroupSystemOutcome(const GroupSystemResult& result)
{
    if (result.couponsExist) {
        ShowSystem(RowsKept, result.couponCount, result.price, result.reductionWindow);
        return;
    }
    ResultLabels.Radantal = QString::number(0);
    ResultLabels.Kup = QString::number(result.couponCount);
    ResultLabels.PriceVisible = false;
}
