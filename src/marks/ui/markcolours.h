#pragma once
// The looks that the windows share for count labels and condition cells. The windows paint
// their own components with them (the main window: TV65x::PaintAbcdConditionRows and its
// Clear... methods).

#include "conditions/winnercounts.h"

class QLabel;

// The look of a count label: impossible (white, silver text), allowed (lime, black text)
// or forbidden (red, black text).
void PaintCountLook(QLabel* label, CountLook look);
// White with silver text: an unselected cell, a count that cannot occur, a cleared label.
void PaintInactiveLook(QLabel* label);
