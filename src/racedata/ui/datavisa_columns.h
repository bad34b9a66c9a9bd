#pragma once
// The race-data window's column switches, its points column, its print-out and CSV export
// and its own-order file.

class FontDialog;
class TData;

// Connects the column check boxes, "Hämta" (points), "Skriv ut", "Tecken", "csv", "Spara",
// "Hämta" (own order) and the race buttons "Avd 1" ... "Avd 7" of the race-data window data.
void ConnectDataWindowHandlers(TData& data);

// What the check boxes' click handlers (CBKuskClick, CBOddsClick, CBStreckClick, CBPoengClick,
// CBRankClick, CBStartClick) do: each sets its labels to its box's state.
void ApplyDriverSwitch(TData& data);   // drivers shown, names 70 wide; or hidden, names 116 wide
void ApplyOddsSwitch(TData& data);     // odds labels
void ApplyStreckSwitch(TData& data);   // streck labels
void ApplyPointsSwitch(TData& data);   // points labels
void ApplyRankSwitch(TData& data);     // rank labels
void ApplyStartNrSwitch(TData& data);  // start number before every name

// Writes every horse's points into its points label.
void ShowDataWindowPoints(TData& data);

// "Hämta" under "Poäng": reads a points file into the points column.
void LoadPointsClick(TData& data);
// "Tecken": chooses the print font.
void ChooseRaceDataFontClick(TData& data);
// "Skriv ut": prints the race data in the shown order.
void PrintRaceDataClick(TData& data);
// "csv": writes the race data for spreadsheet programs.
void ExportRaceDataCsvClick(TData& data);
// "Spara" and "Hämta" of the own order.
void SaveOwnOrderClick(TData& data);
void LoadOwnOrderClick(TData& data);

// The font dialog of the print-out; it keeps its font from one showing to the next.
FontDialog& RaceDataFontDialog();
