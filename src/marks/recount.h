#pragma once
// Recount after marking: after every change of the marks the size of the unreduced system
// and everything derived from the marks is recomputed at once. ReserveSignalShown
// (model/variabl.h) true: the main window shows the red " ? " (ResF) in place of the reserve
// letter (LabelRes); the reserve window sets it back to false when it closes. The winner-count
// labels follow WinnerCountLabel() and the ABCD list AbcdListCells (conditions/winnercounts.h,
// conditions/abcdlist.h).

#include <QString>

// The whole recount; its events reach the windows once, at its end. In this order: clears
// the chance results, re-allows zero winners of a group that lost
// its last horse, resets the reduction view, marks the results stale, recomputes
// UnreducedRowCount, raises the reserve signal, locks the impossible winner counts and
// refills the ABCD list.
void RecomputeAfterMarking();

// PatternRowCounts, plane 9 and CompositionRowsAll from the marks, then the ABCD list.
void FillAbcdListGrid();

// The reduction window closes (and its unreduced percentages read "   0" when they were
// valid); UnreducedPercentValid := 0.
void ResetReduceView();

struct MarkedHorseCountText {
    QString count;  // Antalkusar: the number in decimal
    QString unit;   // Label2: "häst" for exactly one, else "hästar"
};
int MarkedHorseCount();
// What Antalkusar and Label2 show (marked horses of races 1-6).
MarkedHorseCountText ShowMarkedHorseCount();

// What Maxrader shows ("Rader inom ramen", "Ram:").
QString UnreducedRowCountText();
// What Lantalraderutan shows ("Rader utan tilläggsvillkor").
QString RowsAfterConditionsText();
