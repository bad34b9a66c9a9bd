#pragma once
// The construction engine: walks every row of the ABCD patterns that the pattern-level
// conditions allow, keeps the rows that pass the row conditions, and in its building mode
// merges them into coupons and publishes counts, per-horse figures and prices.

#include <array>
#include <functional>

#include "conditions/couponmerge.h"
#include "conditions/keptcoupons.h"
#include "conditions/price.h"
#include "conditions/rowconditions.h"
#include "model/variabl.h"

// What the window shows while a construction runs. Every member may be left empty.
struct ConstructionProgress {
    // The first allowed pattern is about to be walked: show "Beräknar", "VÄNTA!", "Avbryt".
    std::function<void()> started;
    // Let pending events through and show the rows kept so far; false stops the run (as does
    // ReduceAbort set to 1 meanwhile). Called before the kept rows 0, 400, 800, ... are
    // counted, after a fixed amount of work when few rows are kept, and between the stages
    // that follow the walk.
    std::function<bool(int32 rowsSoFar)> progress;
    // The run is over, whichever way: hide the waiting panel.
    std::function<void()> finished;
};

enum class ConstructionOutcome {
    RowsCounted,     // counting mode, or no row kept: only RowsAccepted is new
    SystemBuilt,     // coupons built; the system is constructed
    TooManyCoupons,  // more than MaxCoupons coupons: nothing built, no system constructed
    Cancelled,       // stopped by "Avbryt": no system constructed
    AlreadyRunning,  // called while a construction was under way: nothing done
};

struct ConstructionResult {
    ConstructionOutcome outcome = ConstructionOutcome::RowsCounted;
    int32 rowsAccepted = 0;  // rows kept by the walk (so far, when cancelled)
    int32 couponCount = 0;   // coupons after merging (also when there were too many)
    // SystemBuilt only: the price block of the main window and the manual coupon-reduction
    // window's counts.
    PriceTexts price;
    CouponReductionTexts reductionWindow;
};

// The message the window shows for ConstructionOutcome::TooManyCoupons.
inline constexpr char TooManyCouponsMessage[] = "Över 5 500 kuponger.  AVBRYT!";

// Position 1..7 -> race slot: the slots in ascending order of marked horses, ties by slot.
SlotOrder ComputeSlotOrder();

// The construction (ConstructSystemRows). Builds coupons when BuildCouponsAfterRows is 1 and
// only counts rows when it is 0. Reads the marks, the pattern planes and every condition
// when it starts (a mark changed while the progress callback runs reaches the next run
// only); the groups over the start-number conditions come from their tables
// (CurrentStartNrGroupSettings()).
// Writes plane 0 of AbcdPatternPlanes, PackedRows 1..RowsAccepted (ascending), RowsAccepted,
// and in building mode the coupon tables, counts, flags, per-horse figures and prices. A
// building run that ends without coupons (no row, too many coupons, cancelled) leaves no
// system marked as constructed; a row count, finished or stopped, leaves the coupon tables and
// the system flags as they were.
ConstructionResult ConstructSystemRows(const ConstructionSwitches& switches,
                                       const ConstructionProgress& progress = {});
// True while ConstructSystemRows runs (for instance while its progress callback handles events).
bool ConstructionRunning();
