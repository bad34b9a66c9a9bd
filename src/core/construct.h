#pragma once
// What the construct dispatch decides and what each of its steps leaves in the tables. The
// main window's dispatch (core/ui/constructdispatch.h) adds only the hourglass, the waiting
// panel and the message boxes, and paints the result labels from ResultLabels.

#include "conditions/construction.h"
#include "conditions/groupsystem.h"
#include "model/variabl.h"

enum class Builder {
    RowEngine,    // ConstructSystemRows: some condition switch is on
    GroupSystem,  // SplitGroupSystemIntoCoupons: no switch is on
};

// Single rows exist that were never saved: a construction asks before it replaces them.
bool UnsavedSingleRowsExist();

// A construction with coupons begins: the single rows end, LReducgrad shows again, the row
// builder is told to merge coupons, and the result labels show no system ("x", no price).
void BeginCouponConstruction();

// Chooses the builder from ConditionSwitches and records it as the construction mode
// (GroupSystemBuilt := 0 for the row engine, 1 for group coupons).
Builder ChooseBuilder();

// The row count while the engine runs.
void PublishRunningRowCount(int32 rows);
// The coupon count while the group-system builder merges.
void PublishRunningCouponCount(int32 coupons);

// The result labels that an engine run leaves: the counted rows, the built system with its
// price and its reduction grade ("0 %": every coupon kept), or "x" when no system results. A
// row count stopped by "Avbryt" leaves any built system as it was, so when one remains the
// labels show again what they showed before the run (shownBefore). A refused run
// (AlreadyRunning) leaves them as they were; returns false then.
bool PublishConstructionOutcome(const ConstructionResult& result, const TResultLabels& shownBefore);
// The result labels that a group-system build leaves: the system with its price and its
// reduction grade, or without coupons 0 rows, the coupon count and no price.
void PublishGroupSystemOutcome(const GroupSystemResult& result);
