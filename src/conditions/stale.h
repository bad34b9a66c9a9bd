#pragma once
// Rows-stale reset: what every change of a mark or a condition runs, so that nothing shown
// claims a system that no longer matches its inputs.
//
// The reset deletes nothing. It shows "x" as the main window's row count (LabelRadantal),
// rows before coupon reduction (LRaderoreduc) and coupon count (LabelKup), hides the price
// labels (Prisrader, Prisavg, Pristot, and with them their captions), and clears
// UnreducedPercentValid, CouponsBuilt and SystemSaved. The windows that edit inputs differ in
// four points, chosen by the options:
//
//   StaleOtherConditions  other number conditions window (the guarded copy)
//   StaleStartNr          start-number conditions window and the payout-interval limits
//   StalePoints           points-conditions window (guarded; keeps the row totals)
//   StaleMain             main window: condition switches, winner counts, ABCD list and
//                         ABCD group conditions
//   StaleAfterMarking     the recount after marking and the clear actions
//
// The guarded copies run only while ResultsStaleShown is 0 and then set it to 1; the
// other-conditions and points-conditions windows set it back to 0 on activation and after
// their own row counts. The guard holds a reset back only while the results still show
// stale: once a construction, a row count or a reduction has shown counts again, the next
// change resets them even without a new activation.
//
// The texts of the result labels live in ResultLabels (model/variabl.h). Every reset that runs calls
// Events::ResultsStale.Emit(); the main window repaints the labels from ResultLabels then. The
// builders write their counts into ResultLabels too.

#include "model/domain.h"

struct StaleResetOptions {
    bool onceGuard;           // do nothing while ResultsStaleShown is 1 and the results
                              // still show stale, then set it
    bool clearSingleRows;     // SingleRowsBuilt := 0
    bool clearRowTotals;      // RowsKept, RowsConstructed := 0
    bool zeroReductionGrade;  // LReducgrad shows "0 %"
};

inline constexpr StaleResetOptions StaleOtherConditions{true, true, true, false};
inline constexpr StaleResetOptions StaleStartNr{false, false, true, false};
inline constexpr StaleResetOptions StalePoints{true, true, false, true};
inline constexpr StaleResetOptions StaleMain{false, true, true, false};
inline constexpr StaleResetOptions StaleAfterMarking{false, true, true, true};

// Runs the reset with the given options; returns false when the once-guard held it back.
bool MarkRowsStale(const StaleResetOptions& options = StaleOtherConditions);
// The copy of the start-number conditions window (no guard, single rows kept).
void MarkRowsStaleStartNr();
// The main window's copy (no guard, every flag and total cleared, grade untouched).
void MarkRowsStaleMain();
