#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <vector>

#include "conditions/abcdlist.h"
#include "conditions/stale.h"
#include "conditions/winnercounts.h"
#include "core/clearing.h"
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

class Marking : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { ClearObservers(); }

    // A clean start: every table at its default, the list set up, fresh observers.
    void Reset()
    {
        changed.clear();
        recounts = clears = 0;
        reduceResets.clear();
        ResetGlobals();
        ClearObservers();
        InitAbcdList();
        Events::HorseMarked.Subscribe(nullptr, [this](int race, int horse) {
            changed.push_back({race, 0, horse});
        });
        Events::CountsRecomputed.Subscribe(nullptr, [this] { ++recounts; });
        Events::ReductionInputsChanged.Subscribe(nullptr,
                                                 [this](bool zero) { reduceResets.push_back(zero); });
        Events::MarksCleared.Subscribe(nullptr, [this] { ++clears; });
    }

    static bool Click(int race, int group, int horse) { return MarkHorse(race, group, horse); }
    static void MarkAll(const std::vector<Mark>& marks)
    {
        for (const Mark& m : marks)
            Click(m.race, m.group, m.horse);
    }
    // One horse in group A in each of the six races.
    static void OneAEverywhere()
    {
        for (int r = 1; r <= 6; ++r)
            Click(r, GroupA, 1);
    }
    static void SetBuiltState()
    {
        ResultLabels = {"12", "12", "3", "25 %", true};
        CouponsBuilt = SingleRowsBuilt = SystemSaved = UnreducedPercentValid = 1;
        RowsKept = RowsConstructed = 12;
    }
    static void ExpectStale()
    {
        EXPECT_EQ(ResultLabels.Radantal, "x");
        EXPECT_EQ(ResultLabels.Raderoreduc, "x");
        EXPECT_EQ(ResultLabels.Kup, "x");
        EXPECT_FALSE(ResultLabels.PriceVisible);
        EXPECT_EQ(CouponsBuilt + SingleRowsBuilt + SystemSaved + UnreducedPercentValid, 0);
        EXPECT_EQ(RowsKept + RowsConstructed, 0);
    }

    std::vector<Mark> changed;
    int recounts = 0;
    int clears = 0;
    std::vector<bool> reduceResets;
};

// HorseGroups invariants of one race: row 0 names the group, the flags agree, the sizes count.
void ExpectConsistent(int race)
{
    for (int g = 1; g <= 4; ++g) {
        int size = 0;
        for (int h = 1; h <= 15; ++h) {
            EXPECT_EQ(HorseGroups[race][g][h], HorseGroups[race][0][h] == g ? 1 : 0);
            size += HorseGroups[race][g][h];
        }
        EXPECT_EQ(HorseGroups[race][g][0], size);
    }
}

TEST_F(Marking, NewMarkRemovalAndMove)
{
    struct Case {
        const char* what;
        std::vector<Mark> before;
        Mark click;
        int group;  // group of the clicked horse afterwards
        int sizes[5];
    };
    const Case cases[] = {
        {"new mark", {}, {2, GroupA, 7}, GroupA, {0, 1, 0, 0, 0}},
        {"same cell removes", {{2, GroupA, 7}}, {2, GroupA, 7}, 0, {0, 0, 0, 0, 0}},
        {"move A to C", {{2, GroupA, 7}}, {2, GroupC, 7}, GroupC, {0, 0, 0, 1, 0}},
        {"second horse in D", {{2, GroupD, 1}}, {2, GroupD, 15}, GroupD, {0, 0, 0, 0, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reset();
        MarkAll(c.before);
        ReserveOrderReset[c.click.race] = 0;
        changed.clear();
        recounts = 0;
        EXPECT_TRUE(Click(c.click.race, c.click.group, c.click.horse));
        EXPECT_EQ(HorseGroupOf(c.click.race, c.click.horse), c.group);
        for (int g = 1; g <= 4; ++g)
            EXPECT_EQ(HorseGroups[c.click.race][g][0], c.sizes[g]);
        ExpectConsistent(c.click.race);
        EXPECT_EQ(ReserveOrderReset[c.click.race], 1);
        ASSERT_EQ(changed.size(), 1u);
        EXPECT_EQ(changed[0].race, c.click.race);
        EXPECT_EQ(changed[0].horse, c.click.horse);
        EXPECT_EQ(recounts, 1);
    }
}

TEST_F(Marking, WhatTheWindowsPaintForAHorse)
{
    Click(1, GroupA, 7);
    EXPECT_EQ(MarkCellCaption(1, GroupA, 7), "7");
    EXPECT_EQ(MarkCellCaption(1, GroupB, 7), "");
    EXPECT_EQ(GroupColour(HorseGroupOf(1, 7)), (Rgb{255, 0, 255}));
    EXPECT_EQ(DataRowColour(HorseGroupOf(1, 8)), PaleCream);
    EXPECT_EQ(GroupColour(HorseGroupOf(1, 8)), White);
    EXPECT_EQ(GroupColour(GroupB), (Rgb{255, 255, 0}));
    EXPECT_EQ(GroupColour(GroupC), (Rgb{0, 255, 255}));
    EXPECT_EQ(GroupColour(GroupD), (Rgb{192, 192, 192}));
}

TEST_F(Marking, CodeOrRaceOutsideTheTablesChangesNothing)
{
    struct Case {
        int race, code;
    };
    const Case cases[] = {{1, 0},    {1, 100}, {1, 116}, {1, 500}, {1, 99},  {1, -101},
                          {1, 1516}, {1, 416}, {0, 101}, {8, 101}, {-1, 101}};
    OneAEverywhere();
    THorseGroupRecord before[RaceSlots + 1];
    std::memcpy(before, HorseGroups, sizeof before);
    std::fill(std::begin(ReserveOrderReset), std::end(ReserveOrderReset), flag{0});
    SetBuiltState();
    changed.clear();
    recounts = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        ClickedMarkCode = c.code;
        EXPECT_FALSE(ToggleGroupMark(c.race));
    }
    EXPECT_EQ(std::memcmp(before, HorseGroups, sizeof before), 0);
    for (flag f : ReserveOrderReset)
        EXPECT_EQ(f, 0);
    EXPECT_TRUE(changed.empty());
    EXPECT_EQ(recounts, 0);
    EXPECT_EQ(ResultLabels.Radantal, "12");
}

TEST_F(Marking, RecountCases)
{
    struct ListRow {
        const char* text;
        const char* rows;
        const char* percent;
    };
    struct Case {
        const char* what;
        std::vector<Mark> marks;
        int unreduced;
        std::vector<ListRow> list;
        const char* horses;
        const char* unit;
    };
    const Case cases[] = {
        {"race 6 unmarked", {{1, 1, 1}, {2, 1, 1}, {3, 1, 1}, {4, 1, 1}, {5, 1, 1}}, 0, {}, "5", "hästar"},
        {"one A per race",
         {{1, 1, 1}, {2, 1, 1}, {3, 1, 1}, {4, 1, 1}, {5, 1, 1}, {6, 1, 1}},
         1,
         {{" 6  0  0  0", "        1", " 100 %"}},
         "6",
         "hästar"},
        {"two A and a B in race 1",
         {{1, 1, 1}, {1, 1, 2}, {1, 2, 3}, {2, 1, 1}, {3, 1, 1}, {4, 1, 1}, {5, 1, 1}, {6, 1, 1}},
         3,
         {{" 6  0  0  0", "        2", " 100 %"}, {" 5  1  0  0", "        1", " 100 %"}},
         "8",
         "hästar"},
        {"one horse", {{3, 4, 2}}, 0, {}, "1", "häst"},
        {"none", {}, 0, {}, "0", "hästar"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reset();
        MarkAll(c.marks);
        RecomputeAfterMarking();
        EXPECT_EQ(UnreducedRowCount, c.unreduced);
        EXPECT_EQ(UnreducedRowCountText(), QString::number(c.unreduced));
        EXPECT_EQ(RowsAfterGroupConditions, c.unreduced);
        EXPECT_EQ(RowsAfterConditionsText(), QString::number(c.unreduced));
        EXPECT_EQ(std::accumulate(PatternRowCounts + 1, PatternRowCounts + PatternCount + 1, 0LL),
                  c.unreduced);
        for (std::size_t i = 0; i < c.list.size(); ++i) {
            EXPECT_EQ(AbcdListCells[i + 1][0], c.list[i].text);
            EXPECT_EQ(AbcdListCells[i + 1][1], c.list[i].rows);
            EXPECT_EQ(AbcdListCells[i + 1][2], c.list[i].percent);
        }
        for (std::size_t i = c.list.size() + 1; i <= 120; ++i)
            for (const QString& cell : AbcdListCells[i])
                EXPECT_TRUE(cell.isEmpty());
        EXPECT_EQ(ShowMarkedHorseCount().count, c.horses);
        EXPECT_EQ(ShowMarkedHorseCount().unit, c.unit);
    }
}

TEST_F(Marking, RecountMarksEverythingStaleEvenAfterAConstruction)
{
    OneAEverywhere();
    SetBuiltState();
    reduceResets.clear();
    Click(1, GroupB, 2);
    ExpectStale();
    EXPECT_EQ(ResultLabels.Reducgrad, "0 %");
    ASSERT_EQ(reduceResets.size(), 1u);
    EXPECT_TRUE(reduceResets[0]) << "valid unreduced percentages are zeroed when the window closes";
    Click(1, GroupB, 2);
    ASSERT_EQ(reduceResets.size(), 2u);
    EXPECT_FALSE(reduceResets[1]);
}

TEST_F(Marking, HasRowsPlaneFollowsTheMarks)
{
    OneAEverywhere();
    Click(4, GroupC, 2);
    int withRows = 0;
    for (int p = 1; p <= PatternCount; ++p) {
        const bool expected = PatternRowCounts[p] > 0;
        EXPECT_EQ(AbcdPatternPlanes[PlaneHasRows][p], expected ? 1 : 0);
        withRows += expected;
    }
    EXPECT_EQ(withRows, 2);
    EXPECT_EQ(UnreducedRowCount, 2);
}

TEST_F(Marking, ReserveSignal)
{
    struct Case {
        byte mode;
        bool allRaces;
        bool shown;
    };
    const Case cases[] = {{2, true, true}, {1, true, false}, {3, true, false}, {2, false, false}};
    for (const Case& c : cases) {
        Reset();
        ReserveMode = c.mode;
        for (int r = 1; r <= (c.allRaces ? 6 : 5); ++r)
            Click(r, GroupA, 1);
        EXPECT_EQ(ReserveSignalShown, c.shown) << int(c.mode);
    }
}

TEST_F(Marking, StaleResetCopies)
{
    struct Case {
        const char* what;
        StaleResetOptions options;
        bool singleRowsCleared, totalsCleared, gradeZeroed;
    };
    const Case cases[] = {
        {"other conditions", StaleOtherConditions, true, true, false},
        {"start numbers", StaleStartNr, false, true, false},
        {"points", StalePoints, true, false, true},
        {"main window", StaleMain, true, true, false},
        {"after marking", StaleAfterMarking, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reset();
        int notified = 0;
        Events::ResultsStale.Subscribe(nullptr, [&] { ++notified; });
        SetBuiltState();
        EXPECT_TRUE(MarkRowsStale(c.options));
        EXPECT_EQ(ResultLabels.Radantal, "x");
        EXPECT_EQ(ResultLabels.Raderoreduc, "x");
        EXPECT_EQ(ResultLabels.Kup, "x");
        EXPECT_FALSE(ResultLabels.PriceVisible);
        EXPECT_EQ(CouponsBuilt + SystemSaved + UnreducedPercentValid, 0);
        EXPECT_EQ(SingleRowsBuilt, c.singleRowsCleared ? 0 : 1);
        EXPECT_EQ(RowsKept, c.totalsCleared ? 0 : 12);
        EXPECT_EQ(RowsConstructed, c.totalsCleared ? 0 : 12);
        EXPECT_EQ(ResultLabels.Reducgrad, c.gradeZeroed ? "0 %" : "25 %");
        EXPECT_EQ(notified, 1);
        EXPECT_EQ(ResultsStaleShown, c.options.onceGuard ? 1 : 0);
    }
}

TEST_F(Marking, GuardedResetRunsOncePerArming)
{
    int notified = 0;
    Events::ResultsStale.Subscribe(nullptr, [&] { ++notified; });
    EXPECT_TRUE(MarkRowsStale());
    EXPECT_FALSE(MarkRowsStale()) << "second change before the window re-arms the guard";
    EXPECT_EQ(ResultsStaleShown, 1);
    EXPECT_EQ(notified, 1);
    ResultsStaleShown = 0;
    EXPECT_TRUE(MarkRowsStale());
    EXPECT_EQ(ResultLabels.Radantal, "x");
    EXPECT_EQ(notified, 2);
    MarkRowsStaleStartNr();
    EXPECT_EQ(notified, 3) << "the unguarded copies ignore the guard";
    // Counts shown again since the last reset: the guard no longer holds the next one back.
    SetBuiltState();
    EXPECT_EQ(ResultsStaleShown, 1);
    EXPECT_TRUE(MarkRowsStale()) << "a change after a construction shows x again";
    EXPECT_EQ(ResultLabels.Radantal, "x");
    EXPECT_EQ(CouponsBuilt, 0);
    EXPECT_FALSE(MarkRowsStale());
    EXPECT_EQ(notified, 4);
}

TEST_F(Marking, FirstResetBeforeAnyConstruction)
{
    EXPECT_EQ(ResultLabels.Raderoreduc, "0");
    MarkRowsStaleMain();
    EXPECT_EQ(ResultLabels.Raderoreduc, "x");
    EXPECT_EQ(SystemSaved, 0);
}

TEST_F(Marking, ClearAllMarks)
{
    OneAEverywhere();
    Click(4, GroupB, 3);
    Click(2, GroupD, 9);
    StartNrCondMarks[4][3][5] = 1;
    StartNrCondForbiddenCounts[1][5] = 1;
    StartNrCondUnreachableCounts[0][5] = 0;
    StartNrCondUsed[5] = 1;
    StartNrCondUsedCount = 1;
    StartNrCondActive[5] = 1;
    WinnerCountAllowed[0][GroupD] = 0;
    SingleRowCount = 40;
    SetBuiltState();
    std::fill(std::begin(ReserveOrderReset), std::end(ReserveOrderReset), flag{0});

    ClearAllMarks();

    for (int r = 1; r <= 6; ++r)
        for (int g = 1; g <= 4; ++g)
            EXPECT_EQ(HorseGroups[r][g][0], 0);
    EXPECT_EQ(HorseGroups[7][0][1], GroupA);
    EXPECT_EQ(HorseGroups[7][1][0], 1);
    ExpectStale();
    EXPECT_EQ(UnreducedRowCount, 0);
    EXPECT_EQ(RowsAfterGroupConditions, 0);
    EXPECT_EQ(SingleRowCount, 0);
    EXPECT_EQ(ShowMarkedHorseCount().count, "0");
    EXPECT_EQ(ShowMarkedHorseCount().unit, "hästar");
    for (int k = 0; k <= 7; ++k)
        for (int g = 1; g <= 4; ++g)
            EXPECT_EQ(WinnerCountAllowed[k][g], 1);
    for (int r = 1; r <= 7; ++r)
        EXPECT_EQ(ReserveOrderReset[r], 1);
    EXPECT_EQ(StartNrCondMarks[4][3][5], 0);
    EXPECT_EQ(StartNrCondForbiddenCounts[1][5], 0);
    EXPECT_EQ(StartNrCondUnreachableCounts[0][5], 1);
    EXPECT_EQ(StartNrCondUsed[5], 0);
    EXPECT_EQ(StartNrCondUsedCount, 0);
    EXPECT_EQ(StartNrCondActive[5], 1) << "active flags are not touched";
    for (int p = 1; p <= PatternCount; ++p) {
        ASSERT_EQ(AbcdPatternPlanes[PlaneHasRows][p], 0);
        ASSERT_EQ(AbcdPatternPlanes[PlaneWinnerCounts][p], 1);
        ASSERT_EQ(AbcdPatternPlanes[PlaneTakesPart][p], 0);
    }
    EXPECT_TRUE(AbcdListCells[1][0].isEmpty());
    EXPECT_EQ(clears, 1);

    Click(4, GroupB, 3);
    EXPECT_EQ(StartNrCondMarks[4][3][5], 0) << "a start-number mark does not come back with the horse";
    OneAEverywhere();
    EXPECT_EQ(UnreducedRowCount, 2) << "race 7 still multiplies by one";
}

TEST_F(Marking, ClearAllMarksWhenNothingIsMarkedStillMarksStale)
{
    SetBuiltState();
    ClearAllMarks();
    ExpectStale();
    EXPECT_EQ(clears, 1);
}

}  // namespace
