#include "core/mainactions.h"

#include "model/variabl.h"

bool UnsavedSystemExists()
{
    return (CouponsBuilt == 1 || SingleRowsBuilt == 1) && SystemSaved == 0;
}

bool UnsavedCouponsExist()
{
    return CouponsBuilt == 1 && SystemSaved == 0;
}

void DetachGradedRound()
{
    SaveRoundInFile = 0;
}

void PrepareSystemSave()
{
    SaveRoundInFile = 0;
    RoundDataInFile = 0;
}

bool BeginGrading()
{
    Graded = 0;
    return CouponsBuilt == 1 || SingleRowsBuilt == 1;
}

void BeginVaryingReduction()
{
    CouponsBuilt = 0;
    ResultLabels.ReducgradVisible = false;
}

void SelectFirstKeptCoupon()
{
    CurrentCouponPos = 1;
    CurrentCoupon = KeptCouponCount == 0 || CouponsBuilt == 0 ? 0 : KeptCoupons[1];
}
