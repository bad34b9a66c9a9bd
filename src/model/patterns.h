#pragma once
// The 16 384 ABCD patterns (a group A-D per race slot, race slot 7 fastest) and the
// 120 compositions (how many of the seven slots fall in A, B, C and D).

#include <QString>
#include <cstdint>

constexpr int PlaneTakesPart = 0;
constexpr int PlaneComposition = 8;
constexpr int PlaneHasRows = 9;
constexpr int PlaneWinnerCounts = 10;
constexpr int PlaneCompositionList = 11;
constexpr int PlaneGroupConditions = 12;

// Pattern number 1..16384 of groups g[1..7] (1 = A .. 4 = D).
int PatternNumber(const int groups[8]);
// Composition index 1..120 of (nA, nB, nC, 7 - nA - nB - nC).
int CompositionIndex(int nA, int nB, int nC);
// The list text of a composition: " 6  0  0  0" and so on.
QString CompositionText(int composition);
// Fills planes 1-8 and sets the flag planes and row counts to their start values.
void EnumerateAbcdPatterns();
// Sets one plane of patterns 1..16384 to the value (a flag plane cleared or allowed).
void SetPatternPlane(int plane, std::uint8_t value);
