#pragma once
// Marking horses for the tests and benchmarks, always through the marking procedure, as a
// click on the main window's cell R<race><group><start number> does. Arguments in that order.

#include <array>
#include <string>
#include <string_view>

// Moves the horse into the group (1-4 = A-D), or takes its mark away when it is in that group
// already; false when the procedure refused the click.
bool MarkHorse(int race, int group, int startNr);

// Races 1-6 from one text each: the group letter of start number h at position h - 1, '.' for
// an unmarked horse. The tables start from their defaults first.
void MarkRaces(const std::array<std::string, 6>& races);

// The same letters in each of races 1-6, as MarkRaces.
void MarkEveryRace(std::string_view groups);

// Start numbers first..last of races 1-6 in the group, on top of the marks there are.
void MarkRangeInEveryRace(int first, int last, int group);

// Start numbers 1..horses[r - 1] of races 1-6 in group A, each with its start number as its
// points in points condition 1, whose row sum must be exactly sum. With {1, 4, 10, 14, 14, 14}
// and 31 the points condition keeps 5 500 rows: the largest system of one-row coupons.
void MarkFixedSumSystem(const std::array<int, 6>& horses, int sum);
