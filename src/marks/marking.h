#pragma once
// Marking a horse into a group A-D. A click on a marking cell of the main window, or on a
// group box of the race-data window, writes ClickedMarkCode = group * 100 + start number
// (101-115 A, 201-215 B, 301-315 C, 401-415 D) and calls ToggleGroupMark with its race.
//
// The horse moves into the clicked group, or loses its mark when it already is in that
// group. The procedure keeps HorseGroups consistent, asks the reserve window to rebuild the
// race's default order (ReserveOrderReset), calls Events::HorseMarked.Emit(race, horse) so that
// the four windows that show marks repaint that horse, and runs RecomputeAfterMarking
// (marks/recount.h), which ends with Events::CountsRecomputed.Emit().
//
// What the windows paint for a horse:
//   main window cell [race][group][horse]   MarkCellCaption(), background GroupColour() of
//                                           the cell's group when marked, else white
//   race-data row                           DataRowColour(HorseGroupOf()); name bold when
//                                           HorseGroupOf() > 0; group box [g] GroupColour
//                                           when the horse is in g, else white
//   streck and reduction labels (s, o, r, p) GroupColour(HorseGroupOf())

#include <QString>

#include "model/colours.h"

constexpr int MarkCode(int group, int startNr)
{
    return group * 100 + startNr;
}

// Applies ClickedMarkCode to race slot 1-7. A race or code outside the valid ranges
// changes nothing and returns false.
bool ToggleGroupMark(int race);

// Group 0-4 of a horse (0 unmarked); 0 outside the table.
int HorseGroupOf(int race, int horse);
// The start number when the horse is in that group, else empty.
QString MarkCellCaption(int race, int group, int horse);
// A magenta, B yellow, C aqua, D silver; white for unmarked.
Rgb GroupColour(int group);
// The race-data window's row: the group colour, or pale cream when unmarked.
Rgb DataRowColour(int group);
