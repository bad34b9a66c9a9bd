#pragma once
// The other number conditions: rules on the start numbers of a row regardless of the race in
// which each stands (races 1-6; the dummy slot 7 never counts).
//
//   NrCountForbidden[n][k]   rows in which start number n is the pick of exactly k races
//   number sets 1-20         a set of start numbers, a range "Lägst"-"Högst" for how many
//                            races pick from the set, "Krav" (outside removed) or "Ta bort"
//                            (inside removed)
//   EqualNrRule              [1] at least one number picked twice; [2..6] no number picked
//                            exactly k times
//   OddCountForbidden[k]     rows with exactly k odd picks
//   PairRules[N]             N = 1-3 pairs: 1 "Krav" (at least N), 2 "Ta bort" (fewer than N)
//
// Every change that can change which rows a construction keeps runs the guarded rows-stale
// reset MarkRowsStale (shown once until the window is activated again or counts rows).

#include <QString>

#include "model/domain.h"

constexpr int NrSetConditions = 20;
constexpr int NrSetColumns = 3;
constexpr int NrSetHighMax = 7;   // "Högst" 0-7
constexpr int NrSetLowMax = 15;   // "Lägst" 0-15
constexpr int NrCountLabels = 7;  // counts 0-6 have labels; count 7 cannot occur in six races

// Toggles the forbidden count k of start number n.
void ToggleNrCountForbidden(int n, int k);
// Toggles start number n in number set c.
void ToggleNrSetMark(int n, int c);
// "Krav" (require) or "Ta bort" (remove) of set c ticked or unticked; ticking one unticks the
// other. Recounts NrSetCondCount.
void SetNrSetMode(int c, bool require, bool ticked);
// "Högst" and "Lägst" of set c, clamped to their ranges.
void SetNrSetHigh(int c, int value);
void SetNrSetLow(int c, int value);
QString NrSetCountCaption();  // "Villkor på nr, n st"

// The equal-number rule k (1-7) and the odd-count rule k (0-7), toggled.
void ToggleEqualNrRule(int k);
void ToggleOddCountForbidden(int k);
// "Krav" (require) or "Ta bort" (remove) of the rule for N pairs ticked or unticked; ticking
// one unticks the other.
void SetPairRule(int pairs, bool require, bool ticked);
// The text of LabelPar, shown while EqualNrRule[1] is 1.
QString EqualNrRuleText();
