#pragma once
// The construct dispatch of the main window: from "Flerkupong" (TV65x::BereknaClick) and
// from the windows that need the unreduced system's percentages, to one of the two
// builders, with the hourglass, the waiting panel and the counts on the main window.
//
// What each step writes to the tables is logic (core/construct.h); the counts go through
// ResultLabels, from which the main window paints its result labels. While the construction
// engine lets events through, its RunGuard (platform/ui/runguard.h) holds: user input reaches
// only "Avbryt" (Avbrytknapp, which sets ReduceAbort), a close of any window stops the run
// first, no second run starts, no mark or condition changes under the running one, and no box
// opens.

#include "conditions/construction.h"

// Constructs the system with coupons, as "Flerkupong" does after its check of the marks:
// asks "Enkelraderna raderas. Är det OK?    " when unsaved single rows exist (No stops),
// ends the single-rows state and any graded round, shows "x" as the counts and runs
// ConstructSystem. The callers check the marks. Does nothing while a run is under way.
void ConfirmAndConstruct();

// Builds with the construction engine when any of the main window's four condition switches
// is ticked (GroupSystemBuilt := 0), else with the group-system builder
// (GroupSystemBuilt := 1), under the hourglass, and shows the outcome. Does nothing while a
// run is under way.
void ConstructSystem();

// Constructs a loaded system again in its saved construction mode (GroupSystemBuilt: the
// engine or the group-system builder), under the hourglass, and shows the builder's message.
// Does nothing while a construction runs.
void ConstructLoadedSystem();

// The main window's wait sign: the yellow box with "Beräknar" and "VÄNTA!" (Venta1 to
// Venta3), without "Avbryt".
void ShowWaitSign(bool shown);

// The construction engine with the main window's four switches and its waiting panel
// ("Beräknar", "VÄNTA!", "Avbryt"): shows the running row count, lets events through, and
// paints the counts that the outcome leaves ("x" when no system results). Builds coupons or
// only counts rows as BuildCouponsAfterRows says. Shows no message: the caller shows
// TooManyCouponsMessage for ConstructionOutcome::TooManyCoupons. While a run is under way it
// runs nothing and answers AlreadyRunning.
ConstructionResult RunConstructionEngine();
