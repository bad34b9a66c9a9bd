#include "marks/recount.h"

#include "conditions/abcdlist.h"
#include "conditions/stale.h"
#include "conditions/winnercounts.h"
#include "model/notify.h"
#include "model/patterns.h"
#include "model/variabl.h"

namespace {

constexpr int RealRaces = 6;
constexpr int ReserveModeChosenOrder = 2;

int GroupSize(int race, int group)
{
    return HorseGroups[race][group][0];
}

// Zero winners of a group among the six real races is count index 0 for B, C and D and
// index 1 for A, since the dummy race slot 7 always adds one A winner.
int ZeroRealWinnersIndex(int group)
{
    return group == GroupA ? 1 : 0;
}

int RealHorsesInGroup(int group)
{
    const int lastSlot = group == GroupA ? RealRaces : RaceSlots;
    int horses = 0;
    for (int r = 1; r <= lastSlot; ++r)
        horses += GroupSize(r, group);
    return horses;
}

// A group that has lost its last horse while zero winners of it was forbidden would
// remove every row; allow zero winners again. The toggle sees the locks of the previous
// recount, so it acts when this change emptied the group.
void ReallowZeroWinnersOfEmptyGroups()
{
    for (int g = GroupA; g <= GroupD; ++g) {
        const int zero = ZeroRealWinnersIndex(g);
        if (RealHorsesInGroup(g) == 0 && WinnerCountAllowed[zero][g] == 0) {
            ClickedWinnerCount = zero;
            ToggleAllowedWinners(g);
        }
    }
}

void ComputeUnreducedRowCount()
{
    int32 rows = 1;
    for (int r = 1; r <= RaceSlots; ++r) {
        int horses = 0;
        for (int g = GroupA; g <= GroupD; ++g)
            horses += GroupSize(r, g);
        rows *= horses;
    }
    UnreducedRowCount = rows;
}

// Count k of a group is locked when it exceeds the race slots in which the group has a
// horse; for A, zero real winners (index 1) is locked when no real race has an A horse.
void LockImpossibleWinnerCounts()
{
    for (int g = GroupA; g <= GroupD; ++g) {
        int slotsWithHorse = 0;
        for (int r = 1; r <= RaceSlots; ++r)
            slotsWithHorse += GroupSize(r, g) > 0 ? 1 : 0;
        flag locked[8];
        for (int k = 1; k <= 7; ++k)
            locked[k] = k > slotsWithHorse ? 1 : 0;
        locked[0] = locked[1];
        if (g == GroupA)
            locked[1] = locked[2];
        for (int k = 0; k <= 7; ++k)
            WinnerCountLocked[k][g] = locked[k];
    }
}

}  // namespace

void RecomputeAfterMarking()
{
    const EventBatch batch;
    Events::ChanceInputsChanged.Emit();
    ReallowZeroWinnersOfEmptyGroups();
    ResetReduceView();
    MarkRowsStale(StaleAfterMarking);
    ComputeUnreducedRowCount();
    if (UnreducedRowCount > 0 && ReserveMode == ReserveModeChosenOrder)
        ReserveSignalShown = true;
    LockImpossibleWinnerCounts();
    FillAbcdListGrid();
    Events::CountsRecomputed.Emit();
}

void FillAbcdListGrid()
{
    int32 sizes[RaceSlots + 1][5] = {};
    for (int r = 1; r <= RaceSlots; ++r)
        for (int g = GroupA; g <= GroupD; ++g)
            sizes[r][g] = GroupSize(r, g);

    int32 totals[CompositionCount + 1] = {};
    auto& planes = AbcdPatternPlanes;
    for (int p = 1; p <= PatternCount; ++p) {
        int32 product = 1;
        for (int r = 1; r <= RaceSlots; ++r)
            product *= sizes[r][planes[r][p]];
        PatternRowCounts[p] = product;
        planes[PlaneHasRows][p] = product > 0 ? 1 : 0;
        totals[planes[PlaneComposition][p]] += product;
    }
    for (int c = 1; c <= CompositionCount; ++c)
        CompositionRowsAll[c] = totals[c];
    RefreshAbcdListRows();
}

void ResetReduceView()
{
    const EventBatch batch;
    Events::ReductionInputsChanged.Emit(UnreducedPercentValid == 1);
    UnreducedPercentValid = 0;
}

int MarkedHorseCount()
{
    int horses = 0;
    for (int r = 1; r <= RealRaces; ++r)
        for (int g = GroupA; g <= GroupD; ++g)
            horses += GroupSize(r, g);
    return horses;
}

MarkedHorseCountText ShowMarkedHorseCount()
{
    const int horses = MarkedHorseCount();
    return {QString::number(horses), horses == 1 ? QStringLiteral("häst") : QStringLiteral("hästar")};
}

QString UnreducedRowCountText()
{
    return QString::number(UnreducedRowCount);
}

QString RowsAfterConditionsText()
{
    return QString::number(RowsAfterGroupConditions);
}
