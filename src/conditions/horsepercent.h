#pragma once
// The unreduced system's share per horse, which both builders publish after a construction.

// UnreducedPercent of every horse: its RowsPerHorseUnreduced in per cent of its race's rows,
// rounded half to even (0 in a race without rows); then UnreducedPercentValid := 1.
void ComputeUnreducedPercent();
