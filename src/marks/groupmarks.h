#pragma once
// The repaint of the group marks after the marks changed as a whole (a system file was read):
// every window whose per-horse cells carry a group colour (the main window's marking grid,
// the streck window, the reduction window) repaints all seven race slots from the membership
// flags of HorseGroups. A horse counts as a member of group g only when its flag is exactly 1.

// Emits Events::GroupsReplaced. Run by the system-file load after it has read the marks of
// all race slots; the race-data rows follow with their own repaint.
void PaintGroupMarksRaces1to3();

// True when the membership flag of the horse in the group is exactly 1: its marking-grid
// cell of that group shows its start number in the group colour.
bool IsPaintedInGroup(int race, int group, int horse);
// The group in whose colour the horse's streck and reduction cells show: the last group
// A-D that flags it, 0 when none does (white).
int PaintedGroupOf(int race, int horse);
