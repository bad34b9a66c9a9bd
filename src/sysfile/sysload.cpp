#include "sysfile/sysload.h"

#include <algorithm>
#include <cstdint>

#include "conditions/abcdlist.h"
#include "conditions/groupconditions.h"
#include "conditions/keptcoupons.h"
#include "conditions/price.h"
#include "conditions/winnercounts.h"
#include "marks/recount.h"
#include "model/notify.h"
#include "model/patterns.h"
#include "model/variabl.h"

namespace {

constexpr int32 PayoutCeiling = 100000000;
const QString NoCount = QStringLiteral("x");

void ResetPayoutInterval()
{
    PayoutMin = 0;
    PayoutMax = PayoutCeiling;
    ConditionSwitches.payout = false;
}

// Race 0 of the cells holds each condition's number of selected cells: the file sets it.
void ResetGroupConditions()
{
    for (int race = 1; race <= RaceSlots; ++race)
        FillBytes(GroupCondCells[race], 0);
    SetPatternPlane(PlaneGroupConditions, 1);
    FillBytes(GroupCondForbiddenHits, 0);
    for (int hits = 0; hits <= 7; ++hits)
        std::fill(std::begin(GroupCondUnreachableHits[hits]) + 1, std::end(GroupCondUnreachableHits[hits]),
                  flag{1});
    GroupCondCount = 0;
}

int32 GroupSize(int race, int group)
{
    return HorseGroups[race][group][0];
}

int32 MarkedInSlot(int race)
{
    int32 horses = 0;
    for (int group = GroupA; group <= GroupD; ++group)
        horses += GroupSize(race, group);
    return horses;
}

// Rows of every pattern (the product of its groups' sizes), its has-rows flag and the rows of
// every composition. The products and sums are taken in 64 bits; the marks of an accepted file
// keep each of them within the 15^7 rows of fifteen horses in every race slot.
void RecountPatternRows()
{
    std::int64_t totals[CompositionCount + 1] = {};
    auto& planes = AbcdPatternPlanes;
    for (int p = 1; p <= PatternCount; ++p) {
        std::int64_t rows = 1;
        for (int race = 1; race <= RaceSlots; ++race)
            rows *= GroupSize(race, planes[race][p]);
        PatternRowCounts[p] = static_cast<int32>(rows);
        planes[PlaneHasRows][p] = rows > 0 ? 1 : 0;
        totals[planes[PlaneComposition][p]] += rows;
    }
    for (int c = 1; c <= CompositionCount; ++c)
        CompositionRowsAll[c] = static_cast<int32>(totals[c]);
}

// The unreduced rows: the product of the horses marked in every race slot.
std::int64_t RowsOfMarks()
{
    std::int64_t rows = 1;
    for (int race = 1; race <= RaceSlots; ++race)
        rows *= MarkedInSlot(race);
    return rows;
}

// The unreduced rows less those of patterns with rows that a pattern-level condition removes.
int32 RowsLeftByPatternConditions()
{
    const auto& planes = AbcdPatternPlanes;
    std::int64_t removed = 0;
    for (int p = 1; p <= PatternCount; ++p)
        if (planes[PlaneHasRows][p] == 1 &&
            (planes[PlaneWinnerCounts][p] == 0 || planes[PlaneCompositionList][p] == 0 ||
             planes[PlaneGroupConditions][p] == 0))
            removed += PatternRowCounts[p];
    return static_cast<int32>(UnreducedRowCount - removed);
}

byte GroupConditionsInUse()
{
    int used = 0;
    for (int c = 1; c <= ConditionCount; ++c)
        used += GroupCondCells[0][0][c] > 0 ? 1 : 0;
    return static_cast<byte>(used);
}

int32 ActiveStartNrConditions()
{
    return static_cast<int32>(
        std::count(std::begin(StartNrCondActive) + 1, std::end(StartNrCondActive), flag{1}));
}

void RebuildKeptCouponList()
{
    int32 entry = 0;
    for (int32 coupon = 1; coupon <= std::clamp(CouponCount, 0, MaxCoupons); ++coupon)
        if (CouponKept[coupon] == 1)
            KeptCoupons[++entry] = coupon;
}

}  // namespace

void ResetSystemBeforeLoad()
{
    const EventBatch batch;
    ResetPayoutInterval();
    FillBytes(HorseGroups, 0);
    FillBytes(WinnerCountAllowed, 1);
    FillBytes(WinnerCountLocked, 1);
    ResetGroupConditions();
    FillBytes(CompositionNej, 0);
    SetPatternPlane(PlaneCompositionList, 1);
    RecomputeAfterMarking();
    NejCount = 0;
    ResultLabels.Kup = QStringLiteral("XX");
    Events::MarksCleared.Emit();
    Events::ConditionsChanged.Emit();
}

void RefreshTablesAfterLoad()
{
    const EventBatch batch;
    RecountPatternRows();
    RecomputeWinnerCountPlane();
    ApplyCompositionNejToPatterns();
    RecomputeGroupConditionPlane();
    UnreducedRowCount = static_cast<int32>(RowsOfMarks());
    RowsAfterGroupConditions = RowsLeftByPatternConditions();
    GroupCondCount = GroupConditionsInUse();
    StartNrCondActiveCount = ActiveStartNrConditions();
    RebuildKeptCouponList();
    CurrentPointsCond = 1;
    PointsCondReloadPending = 1;
    ReserveAux = 1;
    BuildCouponsAfterRows = 1;
    UnreducedPercentValid = 0;
    // A file that claims coupons without a marked horse in every race holds no system.
    if (UnreducedRowCount <= 0)
        CouponsBuilt = 0;
    KeepLoadedCouponSelection = CouponsBuilt == 1 && CouponCount > 0 ? 1 : 0;
    SystemSaved = CouponsBuilt == 1 || SingleRowsBuilt == 1 ? 1 : 0;
    Events::GroupsReplaced.Emit();
    Events::CountsRecomputed.Emit();
    Events::ConditionsChanged.Emit();
    Events::StartNrConditionsChanged.Emit();
    Events::PointsCondCountChanged.Emit();
    Events::StreckPresentRecomputed.Emit();
    Events::ReserveRuleChanged.Emit();
}

bool LoadedRowCountDiffers()
{
    return UnreducedRowCount != LoadedUnreducedRowCount;
}

void ShowLoadedCounts()
{
    ResultLabels.Radantal = NoCount;
    ResultLabels.Kup = NoCount;
    ResultLabels.PriceVisible = false;
    if (SingleRowsBuilt == 1) {
        ResultLabels.Radantal = QString::number(SingleRowCount);
        ResultLabels.Kup = QStringLiteral("enkelrader");
        ShowSingleRowPrice(SingleRowCount);
        ResultLabels.SystemButtonsEnabled = true;
    }
    Events::ResultsStale.Emit();
}

bool LoadedSystemNeedsRebuild()
{
    return CouponsBuilt == 1;
}

void FinishLoadedRebuild()
{
    const EventBatch batch;
    KeepLoadedCouponSelection = 0;
    if (CouponsBuilt == 1) {
        PublishKeptCouponTotals(RecomputeCouponSelection());
    }
    SystemSaved = CouponsBuilt == 1 || SingleRowsBuilt == 1 ? 1 : 0;
    Events::KeptCouponsChanged.Emit();
}
