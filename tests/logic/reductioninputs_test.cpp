#include <gtest/gtest.h>

#include <vector>

#include "model/variabl.h"
#include "platform/random.h"
#include "racedata/streck.h"
#include "reduction/payoutlimits.h"
#include "reduction/percentdisplays.h"
#include "reduction/pointsentry.h"
#include "reduction/randomcode.h"

namespace {

class ReductionInputsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
};

TEST_F(ReductionInputsTest, PointsEditStoresWholeNumbersUpTo100AndShowsThemPadded)
{
    struct Case {
        QString typed;
        int stored;
        QString shown;
    };
    const std::vector<Case> cases = {
        {"7", 7, "   7"},   {"42", 42, " 42"}, {"100", 100, "100"}, {"007", 7, "   7"},
        {"101", 25, " 25"}, {"-1", 25, " 25"}, {"abc", 25, " 25"},  {"", 25, " 25"},
    };
    for (const Case& c : cases) {
        ReductionPoints[HorseIndex(3, 12)] = 25;
        EXPECT_EQ(CommitReducePointEdit(312, c.typed), c.shown) << c.typed.toStdString();
        EXPECT_EQ(ReductionPoints[HorseIndex(3, 12)], c.stored) << c.typed.toStdString();
    }
    EXPECT_EQ(CommitReducePointEdit(816, "5"), "5");  // no such horse: nothing stored
}

TEST_F(ReductionInputsTest, TransfersFillThePointsFromTheirSource)
{
    StreckValues[HorseIndex(1, 2)] = 31;
    StreckValues[HorseIndex(6, 15)] = 140;
    ReductionPoints[HorseIndex(7, 1)] = 1;
    TransferStreckToPoints();
    EXPECT_EQ(ReductionPoints[HorseIndex(1, 2)], 31);
    EXPECT_EQ(ReductionPoints[HorseIndex(6, 15)], 100);
    EXPECT_EQ(ReductionPoints[HorseIndex(3, 1)], 0);
    EXPECT_EQ(ReductionPoints[HorseIndex(7, 1)], 1);

    CondPoints[7][1][5] = 9;
    CondPoints[2][4][5] = 60;
    TransferConditionToPoints(5);
    EXPECT_EQ(ReductionPoints[HorseIndex(7, 1)], 9);
    EXPECT_EQ(ReductionPoints[HorseIndex(2, 4)], 60);
    EXPECT_EQ(ReductionPoints[HorseIndex(1, 2)], 0);

    UnreducedPercent[HorseIndex(4, 4)] = 45;
    TransferUnreducedToPoints();
    EXPECT_EQ(ReductionPoints[HorseIndex(4, 4)], 45);
    EXPECT_EQ(ReductionPoints[HorseIndex(7, 1)], 0);

    PointsCondNames[100] = QStringLiteral("favoriter");
    EXPECT_EQ(PointsConditionComment(100), "favoriter");
    EXPECT_EQ(PointsConditionComment(101), "");
}

TEST_F(ReductionInputsTest, TargetEditKeepsANumberAndQuestionsOddTexts)
{
    struct Case {
        QString text;
        int32 target;
        bool replaced;
        bool questioned;
    };
    const std::vector<Case> cases = {
        {"450", 450, false, false}, {"", 300, false, true},   {"-20", 0, false, true},
        {"0042", 42, false, true},  {"4x", 300, true, false},
    };
    for (const Case& c : cases) {
        SingleRowTarget = 300;
        const std::optional<QString> replacement = ChangeSingleRowTarget(c.text);
        EXPECT_EQ(SingleRowTarget, c.target) << c.text.toStdString();
        EXPECT_EQ(replacement.has_value(), c.replaced) << c.text.toStdString();
        if (!replacement) {
            EXPECT_EQ(SingleRowTargetTextQuestionable(c.text), c.questioned) << c.text.toStdString();
        }
    }
    EXPECT_EQ(ChangeSingleRowTarget("4x"), QString("300"));
}

TEST_F(ReductionInputsTest, RandomCodeAndPayoutLimitsTakeOnlyIntegers)
{
    EXPECT_EQ(RandomCodeFromText("12a", 765), 765);
    EXPECT_EQ(RandomCodeFromText("", 765), 765);
    EXPECT_EQ(RandomCodeFromText("-", 765), 765);
    EXPECT_EQ(RandomCodeFromText("0042", 765), 42);
    SeedFromRandomCode(-7);
    EXPECT_EQ(RandSeed(), 4294967289u);

    EXPECT_EQ(ChangePayoutMax("150000000"), "100000000");
    EXPECT_EQ(PayoutMax, 100000000);
    EXPECT_EQ(ChangePayoutMin("-5"), "0");
    PayoutMin = 2000;
    CouponsBuilt = 1;
    SingleRowsBuilt = 1;
    EXPECT_EQ(ChangePayoutMin(""), "2000");
    EXPECT_EQ(CouponsBuilt, 0);
    EXPECT_EQ(SingleRowsBuilt, 1);
    EXPECT_EQ(ResultLabels.Radantal, "x");
}

TEST_F(ReductionInputsTest, StreckGridShowsRawStreckOnlyWhenEveryRaceHasIt)
{
    for (int r = 1; r <= 6; ++r) {
        StreckValues[HorseIndex(r, 1)] = 60;
        StreckValues[HorseIndex(r, 2)] = 41;
        StreckTexts[r][1] = "60";
        StreckTexts[r][2] = "7";
    }
    RecomputeStreckPresent();
    EXPECT_EQ(StreckCellText(1, 1), "60");
    EXPECT_EQ(StreckCellText(1, 2), "  7");
    EXPECT_EQ(StreckSumText(1), "101");

    StreckValues[HorseIndex(4, 1)] = 0;
    StreckValues[HorseIndex(4, 2)] = 0;
    RecomputeStreckPresent();
    EXPECT_EQ(StreckPresent, 0);
    EXPECT_EQ(StreckCellText(1, 1), "  0");
    EXPECT_EQ(StreckSumText(1), "  0");
}

}  // namespace
