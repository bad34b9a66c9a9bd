#include <gtest/gtest.h>

#include "core/construct.h"
#include "core/mainactions.h"
#include "model/variabl.h"
#include "racedata/streck.h"

namespace {

class MainActionLogic : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
};

TEST_F(MainActionLogic, UnsavedSystemMeansCouponsOrSingleRowsNotSaved)
{
    struct Case {
        flag coupons, singleRows, saved;
        bool unsavedSystem, unsavedCoupons;
    };
    const Case cases[] = {
        {0, 0, 0, false, false}, {1, 0, 0, true, true},   {0, 1, 0, true, false},
        {1, 1, 1, false, false}, {1, 0, 1, false, false}, {0, 1, 1, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.coupons) << int(c.singleRows) << int(c.saved));
        CouponsBuilt = c.coupons;
        SingleRowsBuilt = c.singleRows;
        SystemSaved = c.saved;
        EXPECT_EQ(UnsavedSystemExists(), c.unsavedSystem);
        EXPECT_EQ(UnsavedCouponsExist(), c.unsavedCoupons);
        Graded = 1;
        EXPECT_EQ(BeginGrading(), c.coupons == 1 || c.singleRows == 1);
        EXPECT_EQ(Graded, 0);
    }
}

TEST_F(MainActionLogic, VaryingReductionGivesUpTheCouponsAndHidesTheGrade)
{
    CouponsBuilt = 1;
    BeginVaryingReduction();
    EXPECT_EQ(CouponsBuilt, 0);
    EXPECT_FALSE(ResultLabels.ReducgradVisible);
    BeginCouponConstruction();
    EXPECT_TRUE(ResultLabels.ReducgradVisible);
}

TEST_F(MainActionLogic, CouponViewerStartsAtTheFirstKeptCouponOrAtNone)
{
    KeptCouponCount = 2;
    KeptCoupons[1] = 7;
    CurrentCouponPos = 5;
    SelectFirstKeptCoupon();
    EXPECT_EQ(CurrentCoupon, 0);  // no coupons built
    EXPECT_EQ(CurrentCouponPos, 1);
    CouponsBuilt = 1;
    SelectFirstKeptCoupon();
    EXPECT_EQ(CurrentCoupon, 7);
    KeptCouponCount = 0;
    SelectFirstKeptCoupon();
    EXPECT_EQ(CurrentCoupon, 0);
}

TEST_F(MainActionLogic, StreckPresentFollowsEveryRaceHavingStreck)
{
    EXPECT_FALSE(RecomputeStreckPresent());
    EXPECT_EQ(StreckPresent, 0);
    for (int race = 1; race <= PoolRaces; ++race)
        StreckValues[HorseIndex(race, 1)] = 100;
    EXPECT_TRUE(RecomputeStreckPresent());
    EXPECT_EQ(StreckPresent, 1);
}

TEST_F(MainActionLogic, SavingAndConstructingDetachTheGradedRound)
{
    SaveRoundInFile = RoundDataInFile = 1;
    DetachGradedRound();
    EXPECT_EQ(SaveRoundInFile, 0);
    EXPECT_EQ(RoundDataInFile, 1);
    SaveRoundInFile = 1;
    PrepareSystemSave();
    EXPECT_EQ(SaveRoundInFile, 0);
    EXPECT_EQ(RoundDataInFile, 0);
}

TEST_F(MainActionLogic, ABeginningConstructionShowsNoSystemAndMergesCoupons)
{
    SingleRowsBuilt = 1;
    SingleRowsSaved = 0;
    EXPECT_TRUE(UnsavedSingleRowsExist());
    ResultLabels = {"12", "12", "3", "25 %", true};
    BeginCouponConstruction();
    EXPECT_EQ(SingleRowsBuilt, 0);
    EXPECT_EQ(BuildCouponsAfterRows, 1);
    EXPECT_EQ(ResultLabels.Radantal, "x");
    EXPECT_EQ(ResultLabels.Raderoreduc, "x");
    EXPECT_EQ(ResultLabels.Kup, "x");
    EXPECT_FALSE(ResultLabels.PriceVisible);
}

TEST_F(MainActionLogic, AnySwitchChoosesTheRowEngine)
{
    EXPECT_EQ(ChooseBuilder(), Builder::GroupSystem);
    EXPECT_EQ(GroupSystemBuilt, 1);
    for (bool TConditionSwitches::*entry : {&TConditionSwitches::startNumbers, &TConditionSwitches::points,
                                            &TConditionSwitches::otherNumbers, &TConditionSwitches::payout}) {
        ConditionSwitches = {};
        ConditionSwitches.*entry = true;
        EXPECT_EQ(ChooseBuilder(), Builder::RowEngine);
        EXPECT_EQ(GroupSystemBuilt, 0);
    }
}

TEST_F(MainActionLogic, OutcomesOfTheEngineInTheResultLabels)
{
    RowsKept = 40;
    ConstructionResult built;
    built.outcome = ConstructionOutcome::SystemBuilt;
    built.couponCount = 3;
    built.price = {QStringLiteral("40"), QStringLiteral("6"), QStringLiteral("46")};
    EXPECT_TRUE(PublishConstructionOutcome(built, ResultLabels));
    EXPECT_EQ(ResultLabels.Radantal, "40");
    EXPECT_EQ(ResultLabels.Kup, "3");
    EXPECT_EQ(ResultLabels.Pristot, "46");
    EXPECT_TRUE(ResultLabels.PriceVisible);
    EXPECT_TRUE(ResultLabels.SystemButtonsEnabled);

    ConstructionResult counted;
    counted.rowsAccepted = 17;
    EXPECT_TRUE(PublishConstructionOutcome(counted, ResultLabels));
    EXPECT_EQ(ResultLabels.Radantal, "17");
    EXPECT_EQ(ResultLabels.Raderoreduc, "17");
    EXPECT_EQ(ResultLabels.Kup, "3");

    ConstructionResult refused;
    refused.outcome = ConstructionOutcome::AlreadyRunning;
    EXPECT_FALSE(PublishConstructionOutcome(refused, ResultLabels));
    EXPECT_EQ(ResultLabels.Radantal, "17");

    for (ConstructionOutcome none : {ConstructionOutcome::TooManyCoupons, ConstructionOutcome::Cancelled}) {
        ConstructionResult result;
        result.outcome = none;
        EXPECT_TRUE(PublishConstructionOutcome(result, ResultLabels));
        EXPECT_EQ(ResultLabels.Radantal, "x");
        EXPECT_EQ(ResultLabels.Kup, "x");
        EXPECT_FALSE(ResultLabels.PriceVisible);
    }
}

// A row count stopped by "Avbryt" leaves a built system (coupons or single rows) as it was: the
// labels show its counts again. A stopped construction, or a count without a system, shows "x".
TEST_F(MainActionLogic, StoppedRowCountShowsTheSystemThatRemains)
{
    TResultLabels system;
    system.Radantal = system.Raderoreduc = QStringLiteral("64");
    system.Kup = QStringLiteral("2");
    system.PriceVisible = true;
    system.Pristot = QStringLiteral("70");
    ConstructionResult stopped;
    stopped.outcome = ConstructionOutcome::Cancelled;
    stopped.rowsAccepted = 12;
    struct Case {
        const char* name;
        flag buildCoupons, couponsBuilt, singleRowsBuilt;
        bool systemShown;
    };
    const Case cases[] = {
        {"count, coupons built", 0, 1, 0, true},
        {"count, single rows built", 0, 0, 1, true},
        {"count, no system", 0, 0, 0, false},
        {"construction", 1, 1, 0, false},
    };
    for (const Case& c : cases) {
        ResultLabels = {};
        BuildCouponsAfterRows = c.buildCoupons;
        CouponsBuilt = c.couponsBuilt;
        SingleRowsBuilt = c.singleRowsBuilt;
        PublishRunningRowCount(12);
        EXPECT_TRUE(PublishConstructionOutcome(stopped, system)) << c.name;
        EXPECT_EQ(ResultLabels.Radantal, c.systemShown ? "64" : "x") << c.name;
        EXPECT_EQ(ResultLabels.Raderoreduc, c.systemShown ? "64" : "x") << c.name;
        EXPECT_EQ(ResultLabels.Kup, c.systemShown ? "2" : "x") << c.name;
        EXPECT_EQ(ResultLabels.PriceVisible, c.systemShown) << c.name;
    }
}

TEST_F(MainActionLogic, GroupSystemWithoutCouponsShowsNoRowsAndNoPrice)
{
    GroupSystemResult result;
    result.couponCount = 0;
    result.couponsExist = false;
    ResultLabels.PriceVisible = true;
    PublishGroupSystemOutcome(result);
    EXPECT_EQ(ResultLabels.Radantal, "0");
    EXPECT_EQ(ResultLabels.Kup, "0");
    EXPECT_FALSE(ResultLabels.PriceVisible);
}

}  // namespace
