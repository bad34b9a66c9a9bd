#include <gtest/gtest.h>

#include <vector>

#include "conditions/abcdlist.h"
#include "conditions/groupconditions.h"
#include "conditions/stale.h"
#include "conditions/winnercounts.h"
#include "core/clearing.h"
#include "marks/marking.h"
#include "marks/recount.h"
#include "model/notify.h"
#include "model/patterns.h"
#include "model/variabl.h"

namespace {

struct Cell {
    int race, group;
};

class GroupConditions : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { ClearObservers(); }

    static void Reset()
    {
        ResetGlobals();
        ClearObservers();
        InitAbcdList();
    }
    static void Click(int race, int group, int horse)
    {
        ClickedMarkCode = MarkCode(group, horse);
        ToggleGroupMark(race);
    }
    // Horse 1 in A and horse 2 in B in each of the six races: 64 rows.
    static void AAndBEverywhere()
    {
        for (int r = 1; r <= 6; ++r) {
            Click(r, GroupA, 1);
            Click(r, GroupB, 2);
        }
    }
    static bool ToggleCell(int condition, Cell cell)
    {
        ClickedGroupCondCode = cell.group * 10 + cell.race;
        return ToggleAbcdConditionCell(condition);
    }
    static bool ToggleHits(int condition, int hits)
    {
        ClickedGroupCondCode = hits;
        return ToggleAbcdConditionHitCount(condition);
    }
    static int Reachable(int condition)
    {
        int highest = -1;
        for (int k = 0; k <= 7; ++k)
            if (GroupCondHitLook(condition, k) != CountLook::Impossible)
                highest = k;
        return highest;
    }
    static bool AllPlane12()
    {
        for (int p = 1; p <= PatternCount; ++p)
            if (AbcdPatternPlanes[PlaneGroupConditions][p] != 1)
                return false;
        return true;
    }
};

TEST_F(GroupConditions, ReachableHitCountsFollowTheRacesWithCells)
{
    struct Case {
        const char* what;
        std::vector<Cell> cells;
        int slots;
        int highestReachable;  // -1: none
    };
    const Case cases[] = {
        {"A in races 1-3", {{1, 1}, {2, 1}, {3, 1}}, 3, 3},
        {"A and B of one race hit at most once", {{1, 1}, {1, 2}}, 1, 1},
        {"the dummy race counts like the others", {{7, 1}}, 1, 1},
        {"a cell selected twice is not selected", {{4, 3}, {4, 3}}, 0, -1},
        {"every group of every race", {{1, 4}, {2, 3}, {3, 2}, {4, 1}, {5, 4}, {6, 3}, {7, 2}}, 7, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reset();
        for (const Cell& cell : c.cells)
            EXPECT_TRUE(ToggleCell(12, cell));
        EXPECT_EQ(GroupCondCells[0][0][12], c.slots);
        EXPECT_EQ(Reachable(12), c.highestReachable);
        for (int k = 0; k <= c.highestReachable; ++k)
            EXPECT_EQ(GroupCondHitLook(12, k), CountLook::Allowed);
        EXPECT_EQ(GroupCondCount, c.slots > 0 ? 1 : 0);
        EXPECT_EQ(GroupConditionCountText(), c.slots > 0 ? "Villkor, 1 st" : "Villkor, 0 st");
    }
}

TEST_F(GroupConditions, ForbiddingZeroHitsOfThreeRaces)
{
    AAndBEverywhere();
    ASSERT_EQ(UnreducedRowCount, 64);
    for (int r = 1; r <= 3; ++r)
        ToggleCell(1, {r, GroupA});
    EXPECT_EQ(RowsAfterGroupConditions, 64) << "a condition that forbids nothing removes nothing";
    EXPECT_TRUE(AllPlane12());

    ResultLabels = {"64", "64", "1", "0 %", true};
    CouponsBuilt = SingleRowsBuilt = SystemSaved = 1;
    EXPECT_TRUE(ToggleHits(1, 0));
    EXPECT_EQ(GroupCondHitLook(1, 0), CountLook::Forbidden);
    EXPECT_EQ(RowsAfterGroupConditions, 56) << "the 8 rows without an A winner in races 1-3";
    EXPECT_EQ(RowsAfterConditionsText(), "56");
    EXPECT_EQ(ResultLabels.Radantal, "x");
    EXPECT_FALSE(ResultLabels.PriceVisible);
    EXPECT_EQ(CouponsBuilt + SingleRowsBuilt + SystemSaved, 0);
    EXPECT_EQ(GroupCondHitLook(1, 4), CountLook::Impossible);
}

TEST_F(GroupConditions, UnreachableHitClickIsIgnored)
{
    AAndBEverywhere();
    ToggleCell(1, {1, GroupA});
    ResultLabels = {"64", "64", "1", "0 %", true};
    EXPECT_FALSE(ToggleHits(1, 2));
    EXPECT_FALSE(ToggleHits(2, 0)) << "a condition without cells has no reachable count";
    EXPECT_EQ(GroupCondForbiddenHits[2][1], 0);
    EXPECT_EQ(ResultLabels.Radantal, "64");
}

TEST_F(GroupConditions, ForbiddenFlagSleepsWhileUnreachable)
{
    AAndBEverywhere();
    ToggleCell(1, {1, GroupA});
    ToggleHits(1, 1);
    EXPECT_EQ(RowsAfterGroupConditions, 32);

    ToggleCell(1, {1, GroupA});
    EXPECT_EQ(GroupCondForbiddenHits[1][1], 1) << "the flag stays";
    EXPECT_EQ(GroupCondHitLook(1, 1), CountLook::Impossible);
    EXPECT_EQ(GroupCondHitLook(1, 0), CountLook::Impossible);
    EXPECT_EQ(GroupCondCount, 0);
    EXPECT_EQ(GroupConditionCountText(), "Villkor, 0 st");
    EXPECT_TRUE(AllPlane12());
    EXPECT_EQ(RowsAfterGroupConditions, 64);

    ToggleCell(1, {2, GroupA});
    EXPECT_EQ(GroupCondHitLook(1, 1), CountLook::Forbidden) << "and applies again";
    EXPECT_EQ(RowsAfterGroupConditions, 32);
}

TEST_F(GroupConditions, CodesOutsideTheTablesChangeNothing)
{
    const int cellCodes[] = {5, 10, 18, 48, 51, 0, -11, 100};
    for (int code : cellCodes) {
        ClickedGroupCondCode = code;
        EXPECT_FALSE(ToggleAbcdConditionCell(1)) << code;
    }
    for (int condition : {0, 101, -1}) {
        EXPECT_FALSE(ToggleCell(condition, {1, GroupA}));
        ClickedGroupCondCode = 0;
        EXPECT_FALSE(ToggleAbcdConditionHitCount(condition));
    }
    ToggleCell(1, {1, GroupA});
    EXPECT_FALSE(ToggleHits(1, 8));
    EXPECT_FALSE(ToggleHits(1, -1));
    EXPECT_EQ(GroupCondCount, 1);
    EXPECT_EQ(GroupCondCells[0][0][1], 1);
}

TEST_F(GroupConditions, VisibleConditions)
{
    EXPECT_EQ(VisibleGroupCondition(1, 1), 1);
    EXPECT_EQ(VisibleGroupCondition(1, 4), 4);
    EXPECT_EQ(VisibleGroupCondition(97, 1), 97);
    EXPECT_EQ(VisibleGroupCondition(97, 4), 100);
    EXPECT_EQ(VisibleGroupCondition(98, 1), 0);
    EXPECT_EQ(VisibleGroupCondition(0, 1), 0);
    EXPECT_EQ(VisibleGroupCondition(40, 5), 0);
    EXPECT_TRUE(ToggleCell(VisibleGroupCondition(97, 4), {3, GroupD}));
    EXPECT_TRUE(GroupCondCellSelected(100, 3, GroupD));
}

TEST_F(GroupConditions, NejStaysThroughAnEvaluation)
{
    AAndBEverywhere();
    CompositionListCol = 0;
    CompositionListRow = 3;
    ToggleAbcdListEntry();
    ToggleCell(1, {1, GroupB});
    ToggleHits(1, 1);
    for (int row = 1; row <= 7; ++row)
        EXPECT_EQ(AbcdListCells[row][2] == "  Nej ", row == 3) << row;
    EXPECT_EQ(AbcdListCells[1][2], " 100 %") << "no B winner: untouched";
    EXPECT_EQ(AbcdListCells[2][2], "  83 %") << "one B winner: 5 of 6 rows left";
}

// The rows left after the pattern-level conditions, counted row by row from their
// definitions, agree with the pattern bookkeeping.
TEST_F(GroupConditions, RowsLeftMatchARowByRowCount)
{
    const int sizes[7][5] = {{},
                             {0, 2, 1, 0, 1},
                             {0, 1, 2, 1, 0},
                             {0, 0, 1, 2, 1},
                             {0, 1, 1, 1, 1},
                             {0, 3, 0, 0, 1},
                             {0, 1, 0, 2, 0}};
    for (int r = 1; r <= 6; ++r) {
        int horse = 1;
        for (int g = 1; g <= 4; ++g)
            for (int i = 0; i < sizes[r][g]; ++i)
                Click(r, g, horse++);
    }
    ToggleCell(3, {1, GroupA});
    ToggleCell(3, {2, GroupB});
    ToggleCell(3, {4, GroupD});
    ToggleCell(3, {4, GroupC});
    ToggleHits(3, 0);
    ToggleCell(7, {5, GroupA});
    ToggleCell(7, {6, GroupC});
    ToggleCell(7, {3, GroupC});
    ToggleCell(7, {7, GroupA});
    ToggleHits(7, 4);
    ToggleHits(7, 2);
    ClickWinnerCount(GroupD, 3);
    CompositionListCol = 0;
    CompositionListRow = 4;
    ToggleAbcdListEntry();

    long long unreduced = 0, left = 0;
    long long leftPerComposition[CompositionCount + 1] = {};
    int pick[8] = {0, 1, 1, 1, 1, 1, 1, 1};
    const int starters[7] = {0, 4, 4, 4, 4, 4, 3};
    for (;;) {
        int groups[8] = {0, 0, 0, 0, 0, 0, 0, GroupA};
        int n[5] = {0, 1, 0, 0, 0};
        for (int r = 1; r <= 6; ++r) {
            groups[r] = HorseGroups[r][0][pick[r]];
            ++n[groups[r]];
        }
        ++unreduced;
        const int composition = CompositionIndex(n[1], n[2], n[3]);
        bool allowed = WinnerCountsAllow(n[1], n[2], n[3], n[4]) && CompositionNej[composition] == 0;
        for (int c = 1; c <= ConditionCount && allowed; ++c) {
            if (GroupCondCells[0][0][c] == 0)
                continue;
            int hits = 0;
            for (int r = 1; r <= 7; ++r)
                hits += GroupCondCells[r][groups[r]][c];
            allowed = GroupCondForbiddenHits[hits][c] == 0;
        }
        if (allowed) {
            ++left;
            ++leftPerComposition[composition];
        }
        int r = 6;
        while (r >= 1 && ++pick[r] > starters[r])
            pick[r--] = 1;
        if (r == 0)
            break;
    }
    ASSERT_EQ(UnreducedRowCount, unreduced);
    ASSERT_GT(left, 0);
    ASSERT_LT(left, unreduced);
    EXPECT_EQ(RowsAfterGroupConditions, left);
    for (int c = 1; c <= CompositionCount; ++c)
        EXPECT_EQ(CompositionRowsKept[c], leftPerComposition[c]) << c;
}

TEST_F(GroupConditions, ClearAll)
{
    AAndBEverywhere();
    ToggleCell(40, {1, GroupA});
    ToggleHits(40, 1);
    ToggleCell(41, {2, GroupB});
    ASSERT_EQ(GroupCondCount, 2);
    ResultLabels = {"64", "64", "1", "0 %", true};
    int notified = 0;
    Events::ConditionsChanged.Subscribe(nullptr, [&] { ++notified; });

    ClearAllGroupConditions();
    EXPECT_EQ(GroupCondCount, 0);
    EXPECT_EQ(GroupConditionCountText(), "Villkor, 0 st");
    EXPECT_TRUE(AllPlane12());
    EXPECT_EQ(RowsAfterGroupConditions, 64);
    for (int c = 1; c <= ConditionCount; ++c)
        for (int k = 0; k <= 7; ++k) {
            EXPECT_EQ(GroupCondHitLook(c, k), CountLook::Impossible);
            EXPECT_EQ(GroupCondForbiddenHits[k][c], 0);
        }
    EXPECT_FALSE(GroupCondCellSelected(40, 1, GroupA));
    EXPECT_EQ(ResultLabels.Radantal, "x");
    EXPECT_EQ(notified, 1);
}

}  // namespace
