// The other number conditions as their window changes them: the guarded reset, the "Krav" and
// "Ta bort" pairs of boxes, the limits and the text of the equal-number rule.

#include <gtest/gtest.h>

#include "conditions/numberconditions.h"
#include "conditions/rowcount.h"
#include "model/notify.h"
#include "model/variabl.h"

namespace {

void ShowBuiltSystem()
{
    ResultLabels = {"12", "12", "3", "0 %", true};
    CouponsBuilt = SingleRowsBuilt = SystemSaved = UnreducedPercentValid = 1;
    RowsKept = RowsConstructed = 12;
}

class NumberConditions : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        ClearObservers();
    }
    void TearDown() override { ClearObservers(); }
};

TEST_F(NumberConditions, EveryRowChangingControlRunsTheGuardedReset)
{
    struct Change {
        const char* name;
        void (*apply)();
    } changes[] = {
        {"count label", [] { ToggleNrCountForbidden(5, 0); }},
        {"set label", [] { ToggleNrSetMark(3, 7); }},
        {"Krav", [] { SetNrSetMode(2, true, true); }},
        {"Ta bort", [] { SetNrSetMode(2, false, true); }},
        {"Högst", [] { SetNrSetHigh(4, 3); }},
        {"Lägst", [] { SetNrSetLow(4, 2); }},
        {"equal numbers", [] { ToggleEqualNrRule(3); }},
        {"odd count", [] { ToggleOddCountForbidden(0); }},
        {"pair rule", [] { SetPairRule(2, true, true); }},
    };
    for (const Change& change : changes) {
        ShowBuiltSystem();
        ResultsStaleShown = 1;  // shown stale before, but counts were shown since
        change.apply();
        EXPECT_EQ(ResultLabels.Radantal, "x") << change.name;
        EXPECT_EQ(CouponsBuilt + SingleRowsBuilt + SystemSaved + RowsKept, 0) << change.name;
        EXPECT_EQ(ResultsStaleShown, 1) << change.name;
    }
}

TEST_F(NumberConditions, ASecondChangeDoesNotResetAgain)
{
    int resets = 0;
    Events::ResultsStale.Subscribe(nullptr, [&] { ++resets; });
    ShowBuiltSystem();
    ToggleNrCountForbidden(1, 2);
    ToggleNrCountForbidden(1, 3);
    EXPECT_EQ(resets, 1);
    SetNrSetHigh(1, 6);  // no change: nothing runs
    EXPECT_EQ(resets, 1);
}

TEST_F(NumberConditions, KravAndTaBortExcludeEachOther)
{
    SetNrSetMode(5, true, true);
    EXPECT_EQ(NrSetCondRequire[5], 1);
    EXPECT_EQ(NrSetCountCaption(), "Villkor på nr, 1 st");
    SetNrSetMode(5, false, true);
    EXPECT_EQ(NrSetCondRequire[5], 0);
    EXPECT_EQ(NrSetCondRemove[5], 1);
    EXPECT_EQ(NrSetCondCount, 1);
    SetNrSetMode(5, true, false);  // unticking the box that is not ticked changes nothing
    EXPECT_EQ(NrSetCondRemove[5], 1);
    SetNrSetMode(9, true, true);
    EXPECT_EQ(NrSetCountCaption(), "Villkor på nr, 2 st");
    SetNrSetMode(5, false, false);
    EXPECT_EQ(NrSetCondRemove[5], 0);
    EXPECT_EQ(NrSetCondCount, 1);

    SetPairRule(2, true, true);
    EXPECT_EQ(PairRules[2], 1);
    SetPairRule(2, false, true);
    EXPECT_EQ(PairRules[2], 2);
    SetPairRule(2, true, false);
    EXPECT_EQ(PairRules[2], 2);
    SetPairRule(2, false, false);
    EXPECT_EQ(PairRules[2], 0);
}

TEST_F(NumberConditions, LimitsAreClampedToTheirRanges)
{
    const struct {
        int typed, high, low;
    } cases[] = {{9, 7, 9}, {-1, 0, 0}, {20, 7, 15}, {3, 3, 3}};
    for (const auto& c : cases) {
        SetNrSetHigh(1, c.typed);
        SetNrSetLow(1, c.typed);
        EXPECT_EQ(NrSetCondHigh[1], c.high) << c.typed;
        EXPECT_EQ(NrSetCondLow[1], c.low) << c.typed;
    }
}

TEST_F(NumberConditions, EqualNumberRuleText)
{
    const struct {
        std::initializer_list<int> forbidden;
        const char* text;
    } cases[] = {
        {{1}, "Minst 2 lika nr"},
        {{1, 2}, "Minst 3 lika nr"},
        {{1, 2, 4}, "Minst 3 lika nr"},
        {{1, 3}, "Minst 2 lika nr"},
        {{1, 2, 3, 4, 5}, "Minst 6 lika nr"},
        {{1, 2, 3, 4, 5, 6}, "Alla nr lika"},
        {{1, 2, 3, 4, 5, 6, 7}, "Inga rader"},
    };
    for (const auto& c : cases) {
        ResetGlobals();
        for (int k : c.forbidden)
            ToggleEqualNrRule(k);
        EXPECT_EQ(EqualNrRuleText(), QString::fromUtf8(c.text));
    }
    ToggleEqualNrRule(7);
    EXPECT_EQ(EqualNrRule[7], 0) << "a second click allows again";
}

TEST_F(NumberConditions, RowCountWithoutARunCountsNothingButRearmsTheGuard)
{
    ResultsStaleShown = 1;
    EXPECT_EQ(CountSystemRowsAndRearmStaleGuard().outcome, ConstructionOutcome::AlreadyRunning);
    EXPECT_EQ(ResultsStaleShown, 0);
}

}  // namespace
