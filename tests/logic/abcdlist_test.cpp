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
#include "platform/numbers.h"

namespace {

class AbcdList : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        ClearObservers();
        InitAbcdList();
    }
    void TearDown() override { ClearObservers(); }

    static void Click(int race, int group, int horse)
    {
        ClickedMarkCode = MarkCode(group, horse);
        ToggleGroupMark(race);
    }
    // A in every race; B in races 1 and 2 with 3 and 5 horses, so the composition with
    // one B winner has 3 + 5 = 8 rows.
    static void EightRowComposition()
    {
        for (int r = 1; r <= 6; ++r)
            Click(r, GroupA, 1);
        for (int h = 2; h <= 4; ++h)
            Click(1, GroupB, h);
        for (int h = 2; h <= 6; ++h)
            Click(2, GroupB, h);
    }
    static AbcdListClick ClickList(int col, int row)
    {
        CompositionListCol = col;
        CompositionListRow = row;
        return ToggleAbcdListEntry();
    }
    static std::vector<byte> Plane(int plane)
    {
        return {AbcdPatternPlanes[plane] + 1, AbcdPatternPlanes[plane] + PatternCount + 1};
    }
    static int ListedRows()
    {
        int rows = 0;
        while (rows < CompositionCount && !AbcdListCells[rows + 1][0].isEmpty())
            ++rows;
        return rows;
    }
    // Selects B of the given race in condition 1 and forbids one hit.
    static void RemoveBWinnersOfRace(int race)
    {
        ClickedGroupCondCode = GroupB * 10 + race;
        ToggleAbcdConditionCell(1);
        ClickedGroupCondCode = 1;
        ToggleAbcdConditionHitCount(1);
    }
};

TEST_F(AbcdList, InitialTexts)
{
    EXPECT_EQ(AbcdListCells[0][0], " A  B  C  D");
    EXPECT_EQ(AbcdListCells[0][1], "  Rader");
    EXPECT_EQ(AbcdListCells[0][2], " Kvar");
    const std::pair<int, const char*> texts[] = {
        {1, " 6  0  0  0"},  {2, " 5  1  0  0"},  {4, " 5  0  0  1"},
        {5, " 4  2  0  0"},  {57, " 0  6  0  0"}, {84, " 0  0  0  6"},
        {85, " 0  7  0  0"}, {86, " 0  6  1  0"}, {120, " 0  0  0  7"}};
    for (const auto& [c, text] : texts)
        EXPECT_EQ(CompositionTexts[c], text) << c;
    for (int c = 1; c <= CompositionCount; ++c)
        EXPECT_EQ(CompositionPercentTexts[c], " 100 %");
    EXPECT_EQ(NejPanelText(), "0 Nej");
}

TEST_F(AbcdList, PercentAndRowTexts)
{
    struct Case {
        long long kept, total;
        const char* text;
    };
    const Case cases[] = {
        {3, 8, "  38 %"},   {1, 8, "  12 %"},   {199, 200, " 100 %"},
        {1, 40, "   2 %"},  {0, 5, "   0 %"},   {5, 5, " 100 %"},
        {1, 200, "   0 %"}, {3, 200, "   2 %"}, {11390624, 11390625, " 100 %"},
        {9, 10, "  90 %"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CompositionPercentText(static_cast<int>(PercentHalfEven(c.kept, c.total))), c.text)
            << c.kept << "/" << c.total;
    EXPECT_EQ(CompositionRowsText(5), "        5");
    EXPECT_EQ(CompositionRowsText(1234567), "  1234567");
    EXPECT_EQ(CompositionRowsText(11390625), " 11390625");
}

TEST_F(AbcdList, ShareOfAPartlyRemovedComposition)
{
    struct Case {
        int removedRace;
        const char* percent;
    };
    // B in race 2 removes 5 of the 8 rows (3 left: 37.5 -> 38); B in race 1 removes 3 (62.5 -> 62).
    for (const Case& c : {Case{2, "  38 %"}, Case{1, "  62 %"}}) {
        SetUp();
        EightRowComposition();
        ASSERT_EQ(AbcdListCells[2][0], " 5  1  0  0");
        ASSERT_EQ(AbcdListCells[2][1], "        8");
        RemoveBWinnersOfRace(c.removedRace);
        EXPECT_EQ(AbcdListCells[2][2], c.percent);

        ClickList(2, 2);
        EXPECT_EQ(AbcdListCells[2][2], "  Nej ");
        ClickList(2, 2);
        EXPECT_EQ(AbcdListCells[2][2], c.percent) << "allowing again shows the surviving share";
    }
}

TEST_F(AbcdList, ToggleTwiceRestores)
{
    EightRowComposition();
    const auto plane11 = Plane(PlaneCompositionList);
    const int rowsAfter = RowsAfterGroupConditions;
    const QString percent = AbcdListCells[2][2];

    ResultLabels = {"24", "24", "2", "0 %", true};
    SingleRowsBuilt = 1;
    EXPECT_EQ(ClickList(0, 2), AbcdListClick::Toggled);
    EXPECT_EQ(CompositionNej[2], 1);
    EXPECT_EQ(NejCount, 1);
    EXPECT_EQ(NejPanelText(), "1 Nej");
    EXPECT_EQ(RowsAfterGroupConditions, rowsAfter - 8);
    EXPECT_EQ(CompositionRowsKept[2], 0);
    EXPECT_EQ(AbcdListCells[2][2], "  Nej ");
    EXPECT_EQ(ResultLabels.Radantal, "x");
    EXPECT_EQ(SingleRowsBuilt, 0);
    for (int p = 1; p <= PatternCount; ++p)
        ASSERT_EQ(AbcdPatternPlanes[PlaneCompositionList][p],
                  AbcdPatternPlanes[PlaneComposition][p] == 2 ? 0 : 1);

    EXPECT_EQ(ClickList(1, 2), AbcdListClick::Toggled);
    EXPECT_EQ(Plane(PlaneCompositionList), plane11);
    EXPECT_EQ(NejCount, 0);
    EXPECT_EQ(RowsAfterGroupConditions, rowsAfter);
    EXPECT_EQ(CompositionRowsKept[2], 8);
    EXPECT_EQ(AbcdListCells[2][2], percent);
}

TEST_F(AbcdList, ClicksOutsideTheListedRowsChangeNothing)
{
    EightRowComposition();
    const int listed = ListedRows();
    ResultLabels = {"24", "24", "2", "0 %", true};
    const std::pair<int, int> cells[] = {{0, 0},   {2, 0}, {0, listed + 1}, {1, 120},
                                         {0, 121}, {3, 1}, {-1, 1},         {0, -5}};
    for (const auto& [col, row] : cells)
        EXPECT_EQ(ClickList(col, row), AbcdListClick::Ignored) << col << "," << row;
    EXPECT_EQ(NejCount, 0);
    EXPECT_EQ(ResultLabels.Radantal, "24");
}

TEST_F(AbcdList, ExcludingARemovedCompositionCountsButRemovesNoRows)
{
    EightRowComposition();
    ClickWinnerCount(GroupB, 1);  // no composition with one B winner
    const int rowsAfter = RowsAfterGroupConditions;
    ClickList(0, 2);
    EXPECT_EQ(RowsAfterGroupConditions, rowsAfter);
    EXPECT_EQ(AbcdListCells[2][2], "  Nej ");
    EXPECT_EQ(NejCount, 1);
}

TEST_F(AbcdList, NejOnAllLeavesNoCountStale)
{
    EightRowComposition();
    Click(5, GroupD, 3);
    const int listed = ListedRows();
    ClickList(0, 1);
    ClickList(0, 3);
    ClickList(0, 5);
    ASSERT_EQ(NejCount, 3);
    int notified = 0;
    Events::ConditionsChanged.Subscribe(nullptr, [&] { ++notified; });
    SetAllAbcdListNej();
    EXPECT_EQ(NejCount, listed);
    EXPECT_EQ(NejPanelText(), QString::number(listed) + " Nej");
    EXPECT_EQ(RowsAfterGroupConditions, 0);
    EXPECT_EQ(RowsAfterConditionsText(), "0");
    for (int c = 1; c <= CompositionCount; ++c)
        EXPECT_EQ(CompositionRowsKept[c], 0) << c;
    for (int row = 1; row <= listed; ++row)
        EXPECT_EQ(AbcdListCells[row][2], "  Nej ");
    EXPECT_EQ(ResultLabels.Radantal, "0") << "RowsKept, which the reset cleared";
    EXPECT_EQ(ResultLabels.Kup, "x");
    EXPECT_EQ(notified, 1);
    for (int p = 1; p <= PatternCount; ++p)
        ASSERT_TRUE(AbcdPatternPlanes[PlaneHasRows][p] == 0 ||
                    AbcdPatternPlanes[PlaneCompositionList][p] == 0)
            << p;
}

TEST_F(AbcdList, TextThatDoesNotAddUpToSixRacesRaisesTheAlarm)
{
    for (int r = 1; r <= 6; ++r)
        Click(r, GroupB, 1);
    Click(7, GroupB, 2);  // the dummy race gets a B horse: all-B rows appear
    ASSERT_EQ(AbcdListCells[1][0], " 0  6  0  0");
    ASSERT_EQ(AbcdListCells[2][0], " 0  7  0  0");
    EXPECT_EQ(ClickList(0, 1), AbcdListClick::Toggled);
    EXPECT_EQ(ClickList(0, 2), AbcdListClick::ToggledWithAlarm);
    EXPECT_EQ(CompositionNej[85], 1) << "the toggle goes on after the alarm";
}

TEST_F(AbcdList, ClearAllNej)
{
    EightRowComposition();
    const int rowsAfter = RowsAfterGroupConditions;
    ClickList(0, 1);
    ClickList(0, 2);
    ResultLabels = {"24", "24", "2", "0 %", true};
    ClearAllAbcdListNej();
    EXPECT_EQ(NejCount, 0);
    EXPECT_EQ(NejPanelText(), "0 Nej");
    EXPECT_EQ(RowsAfterGroupConditions, rowsAfter);
    EXPECT_EQ(AbcdListCells[2][2], " 100 %");
    for (int p = 1; p <= PatternCount; ++p)
        ASSERT_EQ(AbcdPatternPlanes[PlaneCompositionList][p], 1);
    EXPECT_EQ(ResultLabels.Radantal, "x");

    ResultLabels = {"24", "24", "2", "0 %", true};
    ClearAllAbcdListNej();
    EXPECT_EQ(ResultLabels.Radantal, "x") << "stale even when nothing was Nej";
}

TEST_F(AbcdList, NejSurvivesARecount)
{
    EightRowComposition();
    ClickList(0, 2);
    Click(3, GroupC, 4);
    for (int row = 1; row <= ListedRows(); ++row)
        EXPECT_EQ(AbcdListCells[row][2] == "  Nej ", CompositionOfListRow[row] == 2) << row;
}

}  // namespace
