// The start-number conditions as their window changes them: marks, counts that cannot occur,
// active flags, comments, copy, paste, delete, clear all, the groups and their limits, and
// what each change does to the shown results.

#include <gtest/gtest.h>

#include "conditions/construction.h"
#include "conditions/startnrconditions.h"
#include "core/clearing.h"
#include "marks/marking.h"
#include "model/notify.h"
#include "model/variabl.h"

namespace {

void MarkHorse(int race, int horse, int group)
{
    ClickedMarkCode = MarkCode(group, horse);
    ToggleGroupMark(race);
}

// Start numbers 1..horses of races 1-6 in group A.
void MarkHorses(int horses)
{
    for (int race = 1; race <= 6; ++race)
        for (int horse = 1; horse <= horses; ++horse)
            MarkHorse(race, horse, GroupA);
}

// Counts shown and a system built, as after "Flerkupong".
void ShowBuiltSystem()
{
    ResultLabels = {"12", "12", "3", "0 %", true};
    CouponsBuilt = SystemSaved = UnreducedPercentValid = 1;
    RowsKept = RowsConstructed = 12;
}

bool ResultsShowStale()
{
    return ResultLabels.Radantal == "x" && ResultLabels.Kup == "x" && !ResultLabels.PriceVisible &&
           CouponsBuilt == 0;
}

int32 CountRows()
{
    ConstructionSwitches switches;
    switches.startNumbers = true;
    BuildCouponsAfterRows = 0;
    return ConstructSystemRows(switches).rowsAccepted;
}

class StartNrConditions : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        ClearObservers();
    }
    void TearDown() override { ClearObservers(); }
};

TEST_F(StartNrConditions, PressOnAMarkedHorseInPanelTwo)
{
    MarkHorse(2, 4, GroupB);
    ShowBuiltSystem();
    SingleRowsBuilt = 1;
    int changes = 0;
    Events::StartNrConditionsChanged.Subscribe(nullptr, [&] { ++changes; });

    ASSERT_TRUE(PressStartNrMark(8, 2, 2, 4));  // pair 7/8 shown: panel 2 is condition 8
    EXPECT_EQ(ClickedStartNrCode, 2204);
    EXPECT_EQ(StartNrCondActive[8], 1);
    EXPECT_EQ(StartNrCondActiveCount, 1);
    EXPECT_EQ(StartNrCondMarks[2][4][8], 1);
    EXPECT_EQ(StartNrMarkGroup(8, 2, 4), GroupB);
    EXPECT_EQ(StartNrCondUsedCount, 1);
    EXPECT_EQ(StartNrUsedHeading(), "Villkor på startnr, 1 st");
    EXPECT_EQ(StartNrActiveCaption(), "aktiva: 1 st");
    EXPECT_TRUE(ResultsShowStale());
    EXPECT_EQ(SingleRowsBuilt, 1) << "this window's reset keeps the single rows";
    EXPECT_EQ(RowsKept, 0);
    EXPECT_EQ(changes, 1);

    ASSERT_TRUE(PressStartNrMark(8, 2, 2, 4));
    EXPECT_EQ(StartNrCondMarks[2][4][8], 0);
    EXPECT_EQ(StartNrCondActive[8], 1) << "removing marks never makes a condition inactive";
    EXPECT_EQ(StartNrCondUsedCount, 0);
}

TEST_F(StartNrConditions, PressOnAHorseInNoGroupOnlyStoresTheCode)
{
    EXPECT_FALSE(PressStartNrMark(3, 1, 5, 9));
    EXPECT_EQ(ClickedStartNrCode, 1509);
    EXPECT_EQ(StartNrCondMarks[5][9][3], 0);
    EXPECT_EQ(StartNrCondActive[3], 0);
    EXPECT_EQ(ResultLabels.Raderoreduc, "0") << "no reset";
}

TEST_F(StartNrConditions, CountsAboveTheMarkedSlotsCannotOccur)
{
    struct Case {
        const char* name;
        std::initializer_list<std::pair<int, int>> marks;  // (slot, start number)
        int slots;
    } cases[] = {
        {"no mark", {}, 0},
        {"one race", {{1, 1}}, 1},
        {"several marks in one race count once", {{1, 1}, {1, 2}, {1, 3}}, 1},
        {"three races", {{1, 1}, {3, 2}, {6, 3}}, 3},
        {"the dummy slot counts", {{2, 1}, {7, 1}}, 2},
    };
    for (const Case& c : cases) {
        ResetGlobals();
        for (auto [r, n] : c.marks)
            StartNrCondMarks[r][n][5] = 1;
        UpdateStartNrConditionUsage(5);
        EXPECT_EQ(StartNrCondMarkedSlots(5), c.slots) << c.name;
        EXPECT_EQ(StartNrCondUsed[5], c.slots > 0 ? 1 : 0) << c.name;
        for (int k = 0; k <= 7; ++k) {
            const bool reachable = c.slots > 0 && k <= c.slots;
            EXPECT_EQ(StartNrCondUnreachableCounts[k][5], reachable ? 0 : 1) << c.name << ", count " << k;
            EXPECT_EQ(StartNrCountLook(5, k) == CountLook::Impossible, !reachable)
                << c.name << ", count " << k;
        }
    }
}

TEST_F(StartNrConditions, OnlyReachableCountsToggleAndForbiddenFlagsOutliveTheirReach)
{
    MarkHorses(2);
    PressStartNrMark(1, 1, 1, 1);
    EXPECT_FALSE(ToggleStartNrForbiddenCount(1, 2)) << "one marked race: count 2 cannot occur";
    ASSERT_TRUE(ToggleStartNrForbiddenCount(1, 1));
    EXPECT_EQ(StartNrCountLook(1, 1), CountLook::Forbidden);
    PressStartNrMark(1, 1, 1, 1);  // its only mark removed: count 1 unreachable, still forbidden
    EXPECT_EQ(StartNrCountLook(1, 1), CountLook::Impossible);
    EXPECT_EQ(StartNrCondForbiddenCounts[1][1], 1);
    PressStartNrMark(1, 1, 2, 2);
    EXPECT_EQ(StartNrCountLook(1, 1), CountLook::Forbidden);
    ASSERT_TRUE(ToggleStartNrForbiddenCount(1, 1));
    EXPECT_EQ(StartNrCountLook(1, 1), CountLook::Allowed);
}

TEST_F(StartNrConditions, ActiveFlagChangesAloneResetTheResults)
{
    ShowBuiltSystem();
    EXPECT_FALSE(SetStartNrConditionActive(4, false)) << "already inactive";
    EXPECT_EQ(CouponsBuilt, 1);
    EXPECT_TRUE(SetStartNrConditionActive(4, true));
    EXPECT_EQ(StartNrCondActiveCount, 1);
    EXPECT_TRUE(ResultsShowStale());
    ShowBuiltSystem();
    EXPECT_FALSE(SetStartNrConditionActive(4, true)) << "showing the flag again is no change";
    EXPECT_EQ(CouponsBuilt, 1);
}

TEST_F(StartNrConditions, ActivationDropsMarksOfHorsesInNoGroup)
{
    MarkHorses(3);
    PressStartNrMark(6, 1, 4, 3);
    PressStartNrMark(7, 2, 4, 3);
    PressStartNrMark(7, 2, 1, 1);
    CopyStartNrCondition(7, QStringLiteral("kopia"));
    MarkHorse(4, 3, GroupA);  // unmarked in the main grid

    RefreshStartNrConditionsOnActivation();
    EXPECT_EQ(StartNrCondMarks[4][3][6], 0);
    EXPECT_EQ(StartNrCondMarks[4][3][7], 0);
    EXPECT_EQ(StartNrCondMarks[1][1][7], 1);
    EXPECT_EQ(StartNrCondUsed[6], 0);
    EXPECT_EQ(StartNrCondUsedCount, 1);
    EXPECT_EQ(StartNrCondUnreachableCounts[0][6], 1);
    EXPECT_EQ(StartNrCondActive[6], 1);
    EXPECT_FALSE(PasteStartNrCondition(9)) << "activation empties the copy buffer";
    EXPECT_EQ(StartNrCondUsed[9], 0);
}

TEST_F(StartNrConditions, CopyAndPasteCarryMarksCountsAndTheCutComment)
{
    MarkHorses(3);
    PressStartNrMark(2, 1, 1, 2);
    PressStartNrMark(2, 1, 5, 3);
    ToggleStartNrForbiddenCount(2, 0);
    const QString longComment = QStringLiteral("Ett villkor med en kommentar som är längre än fyrtio tecken");
    SetStartNrConditionComment(2, longComment);
    EXPECT_EQ(StartNrCondComments[2].str(), longComment.left(40));
    CopyStartNrCondition(2, longComment);
    EXPECT_EQ(StartNrCondActive[2], 1);
    ShowBuiltSystem();

    ASSERT_TRUE(PasteStartNrCondition(3));
    EXPECT_EQ(StartNrCondMarks[1][2][3], 1);
    EXPECT_EQ(StartNrCondMarks[5][3][3], 1);
    EXPECT_EQ(StartNrCondForbiddenCounts[0][3], 1);
    EXPECT_EQ(StartNrCondComments[3].str(), longComment.left(40));
    EXPECT_EQ(StartNrCondUsed[3], 1);
    EXPECT_EQ(StartNrCondUnreachableCounts[2][3], 0);
    EXPECT_EQ(StartNrCondActive[3], 0) << "the active flag is not pasted";
    EXPECT_TRUE(ResultsShowStale()) << "a paste changes rows like any other edit";
}

TEST_F(StartNrConditions, CommentsAreKeptInWindows1252)
{
    SetStartNrConditionComment(1, QStringLiteral("Åby € ő"));
    EXPECT_EQ(StartNrCondComments[1].str(), QStringLiteral("Åby € ?"));
}

TEST_F(StartNrConditions, DeleteEmptiesTheConditionButKeepsItActive)
{
    MarkHorses(2);
    PressStartNrMark(4, 1, 3, 2);
    ToggleStartNrForbiddenCount(4, 1);
    SetStartNrConditionComment(4, QStringLiteral("bort"));
    ShowBuiltSystem();
    DeleteStartNrCondition(4);
    EXPECT_EQ(StartNrCondMarks[3][2][4], 0);
    EXPECT_EQ(StartNrCondForbiddenCounts[1][4], 0);
    EXPECT_TRUE(StartNrCondComments[4].str().isEmpty());
    EXPECT_EQ(StartNrCondUsed[4], 0);
    EXPECT_EQ(StartNrCondUnreachableCounts[0][4], 1);
    EXPECT_EQ(StartNrCondActive[4], 1);
    EXPECT_TRUE(ResultsShowStale());
}

TEST_F(StartNrConditions, ClearAllLeavesEveryConditionAsAtStartButTheActiveFlags)
{
    MarkHorses(3);
    for (int c : {1, 50, 100}) {
        PressStartNrMark(c, 1, c % 6 + 1, 2);
        ToggleStartNrForbiddenCount(c, 1);
        SetStartNrConditionComment(c, QStringLiteral("c"));
    }
    StartNrCondForbiddenCounts[5][77] = 1;  // a forbidden count of a condition not shown
    ShowBuiltSystem();

    ClearAllStartNrConditions();
    EXPECT_TRUE(ResultsShowStale());
    EXPECT_EQ(StartNrCondUsedCount, 0);
    for (int c = 1; c <= ConditionCount; ++c) {
        EXPECT_EQ(StartNrCondUsed[c], 0);
        EXPECT_TRUE(StartNrCondComments[c].str().isEmpty());
        EXPECT_EQ(StartNrCondMarkedSlots(c), 0);
        for (int k = 0; k <= 7; ++k) {
            EXPECT_EQ(StartNrCondForbiddenCounts[k][c], 0);
            EXPECT_EQ(StartNrCondUnreachableCounts[k][c], 1) << "condition " << c << ", count " << k;
        }
    }
    EXPECT_EQ(StartNrCondActiveCount, 3);
    EXPECT_EQ(StartNrCondActive[50], 1);
}

TEST_F(StartNrConditions, GroupLimitEdits)
{
    struct Case {
        const char* text;
        int stored;    // the limit stored after the change
        bool kept;     // the edit keeps the typed text
        bool differs;  // the exit check finds a text that is not the stored limit
    } cases[] = {
        {"150", 100, true, true}, {"07", 7, true, true}, {"7", 7, true, false}, {"", 42, true, true},
        {"a", 42, false, true},   {"-3", 0, true, true}, {"0", 0, true, false},
    };
    for (const Case& c : cases) {
        ConditionGroupLimits[3] = 42;
        EXPECT_EQ(TakeConditionGroupLimit(3, QString::fromUtf8(c.text)), c.kept) << c.text;
        EXPECT_EQ(ConditionGroupLimits[3], c.stored) << c.text;
        EXPECT_EQ(ConditionGroupLimitTextDiffers(3, QString::fromUtf8(c.text)), c.differs) << c.text;
    }
}

TEST_F(StartNrConditions, GroupChangesResetOnlyWhenTheyChangeSomething)
{
    ShowBuiltSystem();
    EXPECT_FALSE(SetConditionGroupActive(2, false));
    EXPECT_FALSE(TakeConditionGroupLimit(1, QStringLiteral("x")));
    EXPECT_TRUE(TakeConditionGroupLimit(2, QStringLiteral("100")));  // the stored value already
    EXPECT_EQ(CouponsBuilt, 1);
    struct Change {
        const char* name;
        bool (*apply)();
    } changes[] = {
        {"aktiv box", [] { return SetConditionGroupActive(2, true); }},
        {"member box", [] { return SetConditionGroupMember(3, 12, true); }},
        {"limit", [] { return TakeConditionGroupLimit(5, QStringLiteral("4")); }},
    };
    for (const Change& change : changes) {
        ShowBuiltSystem();
        EXPECT_TRUE(change.apply()) << change.name;
        EXPECT_TRUE(ResultsShowStale()) << change.name;
    }
    EXPECT_EQ(ConditionGroupLimits[5], 4);
}

TEST_F(StartNrConditions, MemberBoxesTakeClicksOnlyForActiveConditions)
{
    SetConditionGroupMember(1, 12, true);
    EXPECT_FALSE(ConditionGroupBoxEnabled(12));
    SetStartNrConditionActive(12, true);
    EXPECT_TRUE(ConditionGroupBoxEnabled(12));
    SetStartNrConditionActive(12, false);
    EXPECT_EQ(ConditionGroupMembers[1][12], 1) << "a disabled box keeps its tick";
}

TEST_F(StartNrConditions, TheConstructionReadsTheGroupTables)
{
    MarkHorses(2);  // 64 rows
    for (int race = 1; race <= 3; ++race) {
        const int c = race;
        PressStartNrMark(c, 1, race, 1);
        ToggleStartNrForbiddenCount(c, 0);  // met when the row picks 1 in its race
    }
    EXPECT_EQ(CountRows(), 8) << "all three required alone";

    SetConditionGroupActive(1, true);
    for (int c = 1; c <= 3; ++c)
        SetConditionGroupMember(1, c, true);
    TakeConditionGroupLimit(1, QStringLiteral("2"));
    TakeConditionGroupLimit(2, QStringLiteral("3"));
    EXPECT_EQ(CountRows(), 8 * (3 + 1)) << "two or three of them";

    TakeConditionGroupLimit(1, QStringLiteral("3"));
    TakeConditionGroupLimit(2, QStringLiteral("2"));
    EXPECT_EQ(CountRows(), 0) << "low above high removes every row";

    SetConditionGroupActive(1, false);
    EXPECT_EQ(CountRows(), 8) << "an inactive group's members are tested alone again";

    SetStartNrConditionActive(2, false);
    EXPECT_EQ(CountRows(), 16);
}

TEST_F(StartNrConditions, ClearingAllMarksSwitchesTheGroupsOff)
{
    MarkHorses(1);
    SetConditionGroupActive(3, true);
    int changes = 0;
    Events::StartNrConditionsChanged.Subscribe(nullptr, [&] { ++changes; });
    ClearAllMarks();
    EXPECT_EQ(ConditionGroupActive[3], 0);
    EXPECT_EQ(changes, 1);
}

}  // namespace
