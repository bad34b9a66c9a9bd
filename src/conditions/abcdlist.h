#pragma once
// The ABCD distribution list of the main window (ABClista): one row per winner
// composition that has rows in the unreduced system, with its rows and the share of them
// that the pattern-level conditions leave, or "Nej" when the user excluded it.
//
// The list's cells live in AbcdListCells (model/variabl.h), [row 0..120][column 0..2]: row 0
// the head; then column 0 the composition, 1 its rows, 2 the per cent left or "  Nej ".
// The main window paints the grid from them after Events::CountsRecomputed.Emit() and
// Events::ConditionsChanged.Emit(), and NejPanel from NejPanelText().
//
//   InitAbcdList()         once at start: the head, the composition texts, " 100 %" texts.
//   RefreshAbcdListRows()  recounts the removed rows per composition from the pattern
//                          planes 9-12 and PatternRowCounts, and rewrites the list rows.
//   ToggleAbcdListEntry()  click on cell (CompositionListCol, CompositionListRow).
//   SetAllAbcdListNej()    "Nej på alla", after the user said Yes.

#include <QString>

#include "model/domain.h"

inline const QString AbcdListAlarmText = QStringLiteral("Något är fel. Avsluta!");

// What a click on the list did.
enum class AbcdListClick {
    Ignored,           // head row, empty cell or outside the list: nothing changed
    Toggled,           // the composition changed between allowed and "Nej"
    ToggledWithAlarm,  // toggled, and the row's text did not add up to six races:
                       // the window shows AbcdListAlarmText
};

void InitAbcdList();

// " 100 %", "  37 %", "   0 %": six characters for 0-100.
QString CompositionPercentText(int percent);
// A row count right-aligned in nine characters.
QString CompositionRowsText(int32 rows);

// Sets CompositionRowsKept, CompositionPercentTexts, CompositionOfListRow,
// RowsAfterGroupConditions and the list rows from planes 9-12, PatternRowCounts and
// CompositionRowsAll; empties the rows after the last composition with rows.
void RefreshAbcdListRows();

// Plane 11 of every pattern from CompositionNej (after a system load).
void ApplyCompositionNejToPatterns();

AbcdListClick ToggleAbcdListEntry();
void SetAllAbcdListNej();

// NejPanel: NejCount followed by " Nej".
QString NejPanelText();
