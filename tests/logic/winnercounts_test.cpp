#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conditions/abcdlist.h"
#include "conditions/stale.h"
#include "conditions/winnercounts.h"
#include "marks/marking.h"
#include "marks/recount.h"
#include "model/notify.h"
#include "model/patterns.h"
#include "model/variabl.h"
#include "support/marks.h"

namespace {

struct Mark {
    int race, group, horse;
};

class WinnerCounts : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { ClearObservers(); }

    void Reset()
    {
        evaluations = 0;
        ResetGlobals();
        ClearObservers();
        InitAbcdList();
        Events::ConditionsChanged.Subscribe(nullptr, [this] { ++evaluations; });
    }
    static void Click(int race, int group, int horse) { MarkHorse(race, group, horse); }
    static void MarkAll(const std::vector<Mark>& marks)
    {
        for (const Mark& m : marks)
            Click(m.race, m.group, m.horse);
    }
    // The captions of the visible labels of a group that are not locked, count 0 upward.
    static std::string FreeCaptions(int group)
    {
        std::string free;
        for (int k = 0; k <= 7; ++k) {
            const WinnerCountLabelState label = WinnerCountLabel(k, group);
            if (label.visible && label.look != CountLook::Impossible)
                free += label.caption.toStdString();
        }
        return free;
    }
    static std::vector<QString> ListColumn(int col)
    {
        std::vector<QString> cells;
        for (int row = 1; row <= CompositionCount; ++row)
            cells.push_back(AbcdListCells[row][col]);
        return cells;
    }
    static std::vector<byte> Plane(int plane)
    {
        return {AbcdPatternPlanes[plane] + 1, AbcdPatternPlanes[plane] + PatternCount + 1};
    }

    int evaluations = 0;
};

const std::vector<Mark> OneAPerRace = {{1, 1, 1}, {2, 1, 1}, {3, 1, 1}, {4, 1, 1}, {5, 1, 1}, {6, 1, 1}};
const std::vector<Mark> OneBPerRace = {{1, 2, 1}, {2, 2, 1}, {3, 2, 1}, {4, 2, 1}, {5, 2, 1}, {6, 2, 1}};

TEST_F(WinnerCounts, LabelCaptionsAndHiddenLabels)
{
    EXPECT_EQ(WinnerCountLabel(0, GroupA).visible, false);
    EXPECT_EQ(WinnerCountLabel(0, GroupA).caption, "0");
    EXPECT_EQ(WinnerCountLabel(1, GroupA).caption, "0");
    EXPECT_EQ(WinnerCountLabel(7, GroupA).caption, "6");
    EXPECT_EQ(WinnerCountLabel(7, GroupA).visible, true);
    for (int g : {GroupB, GroupC, GroupD}) {
        EXPECT_EQ(WinnerCountLabel(0, g).caption, "0");
        EXPECT_EQ(WinnerCountLabel(6, g).caption, "6");
        EXPECT_EQ(WinnerCountLabel(7, g).visible, false);
    }
    for (int g = GroupA; g <= GroupD; ++g)
        EXPECT_EQ(FreeCaptions(g), "") << "every label starts locked";
}

TEST_F(WinnerCounts, LocksFollowTheRacesThatHoldTheGroup)
{
    struct Case {
        const char* what;
        std::vector<Mark> marks;
        const char* freeA;
        const char* freeB;
        const char* freeC;
        const char* freeD;
    };
    const Case cases[] = {
        {"A in every race", OneAPerRace, "0123456", "", "", ""},
        {"A in two races, B in four, a C beside an A",
         {{1, 1, 1}, {2, 1, 1}, {3, 2, 1}, {4, 2, 1}, {5, 2, 1}, {6, 2, 1}, {1, 3, 2}},
         "012",
         "01234",
         "01",
         ""},
        {"no A in the six races: zero A winners is locked too", OneBPerRace, "", "0123456", "", ""},
        {"a D in one race only", {{3, 4, 5}}, "", "", "", "01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reset();
        MarkAll(c.marks);
        EXPECT_EQ(FreeCaptions(GroupA), c.freeA);
        EXPECT_EQ(FreeCaptions(GroupB), c.freeB);
        EXPECT_EQ(FreeCaptions(GroupC), c.freeC);
        EXPECT_EQ(FreeCaptions(GroupD), c.freeD);
    }
}

TEST_F(WinnerCounts, SecondHorseOfAGroupInTheSameRaceChangesNoLock)
{
    MarkAll(OneAPerRace);
    Click(2, GroupC, 4);
    flag before[8][5];
    std::memcpy(before, WinnerCountLocked, sizeof before);
    Click(2, GroupC, 5);
    EXPECT_EQ(std::memcmp(before, WinnerCountLocked, sizeof before), 0);
}

TEST_F(WinnerCounts, ToggleTwiceRestoresEverythingButTheResults)
{
    MarkAll(OneAPerRace);
    Click(1, GroupB, 2);
    Click(2, GroupB, 2);
    const auto plane10 = Plane(PlaneWinnerCounts);
    const auto percents = ListColumn(2);
    const int rowsAfter = RowsAfterGroupConditions;

    ResultLabels = {"4", "4", "1", "0 %", true};
    CouponsBuilt = 1;
    ClickWinnerCount(GroupB, 2);
    EXPECT_EQ(WinnerCountLabel(2, GroupB).look, CountLook::Forbidden);
    EXPECT_EQ(RowsAfterGroupConditions, rowsAfter - 1) << "the row with B winning both races";
    EXPECT_EQ(ResultLabels.Radantal, "x");
    EXPECT_EQ(CouponsBuilt, 0);

    ClickWinnerCount(GroupB, 2);
    EXPECT_EQ(WinnerCountLabel(2, GroupB).look, CountLook::Allowed);
    EXPECT_EQ(Plane(PlaneWinnerCounts), plane10);
    EXPECT_EQ(ListColumn(2), percents);
    EXPECT_EQ(RowsAfterGroupConditions, rowsAfter);
    EXPECT_EQ(ResultLabels.Radantal, "x");
    EXPECT_EQ(evaluations, 2);
}

TEST_F(WinnerCounts, LockedClickChangesNoCountButStillEvaluates)
{
    MarkAll(OneAPerRace);
    ResultLabels = {"1", "1", "1", "0 %", true};
    ClickWinnerCount(GroupD, 3);
    EXPECT_EQ(WinnerCountAllowed[3][GroupD], 1);
    EXPECT_EQ(WinnerCountLabel(3, GroupD).look, CountLook::Impossible);
    EXPECT_EQ(ResultLabels.Radantal, "x");
    EXPECT_EQ(evaluations, 1);
    ClickWinnerCount(GroupD, 9);
    ClickWinnerCount(GroupD, -1);
    EXPECT_EQ(evaluations, 3) << "a count outside 0-7 only evaluates";
}

TEST_F(WinnerCounts, ForbiddingEveryVisibleCountRemovesEveryRow)
{
    MarkAll(OneAPerRace);
    Click(3, GroupB, 2);
    Click(4, GroupB, 2);
    CompositionListCol = 0;
    CompositionListRow = 2;
    ToggleAbcdListEntry();
    for (int k = 0; k <= 6; ++k)
        ClickWinnerCount(GroupB, k);
    EXPECT_EQ(RowsAfterGroupConditions, 0);
    EXPECT_EQ(AbcdListCells[1][2], "   0 %");
    EXPECT_EQ(AbcdListCells[2][2], "  Nej ");
    EXPECT_EQ(AbcdListCells[3][2], "   0 %");
    EXPECT_EQ(CompositionPercentTexts[CompositionOfListRow[2]], "   0 %") << "updated behind the Nej";
    for (int c = 1; c <= CompositionCount; ++c)
        EXPECT_EQ(CompositionRowsKept[c], 0);
}

TEST_F(WinnerCounts, PlaneTenFollowsTheRule)
{
    WinnerCountAllowed[2][GroupC] = 0;
    WinnerCountAllowed[7][GroupA] = 0;
    RecomputeWinnerCountPlane();
    for (int p = 1; p <= PatternCount; ++p) {
        int n[5] = {};
        for (int r = 1; r <= 7; ++r)
            ++n[AbcdPatternPlanes[r][p]];
        ASSERT_EQ(AbcdPatternPlanes[PlaneWinnerCounts][p], (n[1] != 7 && n[3] != 2) ? 1 : 0) << p;
    }
}

// A group that loses its last horse while zero winners of it is forbidden gets zero winners
// allowed again, so that the system keeps its rows; A behaves like B, C and D.
TEST_F(WinnerCounts, EmptiedGroupGetsZeroWinnersBack)
{
    struct Case {
        const char* what;
        std::vector<Mark> base;
        Mark lastHorse;
        int zeroIndex;
    };
    const Case cases[] = {
        {"last B horse", OneAPerRace, {1, GroupB, 2}, 0},
        {"last A horse of the six races", OneBPerRace, {1, GroupA, 2}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reset();
        MarkAll(c.base);
        Click(c.lastHorse.race, c.lastHorse.group, c.lastHorse.horse);
        ClickWinnerCount(c.lastHorse.group, c.zeroIndex);
        ASSERT_EQ(WinnerCountAllowed[c.zeroIndex][c.lastHorse.group], 0);
        ASSERT_EQ(RowsAfterGroupConditions, 1);

        Click(c.lastHorse.race, c.lastHorse.group, c.lastHorse.horse);
        EXPECT_EQ(WinnerCountAllowed[c.zeroIndex][c.lastHorse.group], 1);
        EXPECT_EQ(WinnerCountLocked[c.zeroIndex][c.lastHorse.group], 1);
        EXPECT_EQ(WinnerCountLabel(c.zeroIndex, c.lastHorse.group).look, CountLook::Impossible);
        EXPECT_EQ(UnreducedRowCount, 1);
        EXPECT_EQ(RowsAfterGroupConditions, 1);
    }
}

}  // namespace
