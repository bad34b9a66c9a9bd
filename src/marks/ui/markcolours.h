#pragma once
// Bulk repaint of the group colours, the ABCD-condition panel and the winner-count labels
// on the windows that show them. Each procedure reads the global tables (or nothing) and
// paints the windows of the registry (core/forms.h); none computes, none can fail.
//
//   ShowAbcdConditionRows()   the four conditions of the main window's ABCD-condition panel
//                             from RullistV's position on: numbers, cells and hit counts.
//   ClearAllGroupColours()    every marking cell of the main window white with no caption.
//   ClearWinnerCountLabels()  the 32 winner-count labels white with silver text.
//   ClearAbcdConditionCells() the panel's cells and hit counts white with silver text.
//
// The race-data, streck and reduction windows take their share of these repaints when
// they have their per-horse components.

#include "conditions/winnercounts.h"

class QLabel;

// The look of a count label: impossible (white, silver text), allowed (lime, black text)
// or forbidden (red, black text).
void PaintCountLook(QLabel* label, CountLook look);
// White with silver text: an unselected cell, a count that cannot occur, a cleared label.
void PaintInactiveLook(QLabel* label);

void ShowAbcdConditionRows();
void ClearAllGroupColours();
void ClearWinnerCountLabels();
void ClearAbcdConditionCells();
