#pragma once
// The row counts of the condition windows ("Beräkna radantal"): the construction engine in
// its counting mode, run the way "Flerkupong" runs it (the main window's condition switches,
// its waiting panel and "Avbryt", input blocked meanwhile, the count shown in its result
// labels). The main window installs that run (mainrequests.h); the condition windows only ask
// for a count.

#include "conditions/construction.h"

// BuildCouponsAfterRows := 0, then the installed run. Without one, or while a construction
// runs, nothing is counted and the outcome is AlreadyRunning; the installed run answers the
// same while any other long run is under way.
ConstructionResult CountSystemRows();

// The other number conditions window's count: CountSystemRows, then ResultsStaleShown := 0 so
// that the next change in that window shows "x" again.
ConstructionResult CountSystemRowsAndRearmStaleGuard();
