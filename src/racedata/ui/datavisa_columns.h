#pragma once
// The race-data window's column switches, its points column, its print-out and CSV export
// and its own-order file. The handlers find the window's components by their names (CBKusk,
// H11, Po715, Panel23, ...), so they need nothing of the window's class.

class FontDialog;
class QWidget;

// Connects the column check boxes, "Hämta" (points), "Skriv ut", "Tecken", "csv", "Spara",
// "Hämta" (own order) and the race buttons "Avd 1" ... "Avd 7" of the race-data window data.
void ConnectDataWindowHandlers(QWidget& data);

// Sets the column check boxes from the column settings file in ProgramDir; a box whose state
// changes runs its handler. The rank labels follow the file's first line.
void ApplyColumnSettingsFile(QWidget& data);

// What the check boxes' click handlers (CBKuskClick, CBOddsClick, CBStreckClick, CBPoengClick,
// CBRankClick, CBStartClick) do: each sets its labels to its box's state.
void ApplyDriverSwitch(QWidget& data);   // drivers shown, names 70 wide; or hidden, names 116 wide
void ApplyOddsSwitch(QWidget& data);     // odds labels
void ApplyStreckSwitch(QWidget& data);   // streck labels
void ApplyPointsSwitch(QWidget& data);   // points labels
void ApplyRankSwitch(QWidget& data);     // rank labels
void ApplyStartNrSwitch(QWidget& data);  // start number before every name

// Writes every horse's points into its points label.
void ShowDataWindowPoints(QWidget& data);

// "Hämta" under "Poäng": reads a points file into the points column.
void LoadPointsClick(QWidget& data);
// "Tecken": chooses the print font.
void ChooseRaceDataFontClick(QWidget& data);
// "Skriv ut": prints the race data in the shown order.
void PrintRaceDataClick(QWidget& data);
// "csv": writes the race data for spreadsheet programs.
void ExportRaceDataCsvClick(QWidget& data);
// "Spara" and "Hämta" of the own order.
void SaveOwnOrderClick(QWidget& data);
void LoadOwnOrderClick(QWidget& data);

// The font dialog of the print-out; it keeps its font from one showing to the next.
FontDialog& RaceDataFontDialog();
