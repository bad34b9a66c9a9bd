#pragma once
// The grading window's inputs as tables: the correct row, the scratched horses, the payouts,
// the official start order and the saved round. The window calls these and paints from the
// tables; the chance window follows the correct row and the payouts through
// Events::GradingInputsChanged.

#include <QString>

// The results on show no longer match the inputs (Graded := 0).
void InvalidateGrading();

// Enters, moves or removes the winner of race slot 1-7: no winner yet -> startNr wins; the
// winner clicked again -> none; another horse -> it wins instead. The box takes the horse's
// present group (WinnerMarkGroup) and the chance window's correct horse follows.
void SetRaceWinner(int race, int startNr);

// Every entered winner takes its horse's present group colour.
void RemarkAllWinners();

// Marks or unmarks a horse as scratched in the grading.
void ToggleScratchedHorse(int race, int startNr);

// A payout field was left: its text becomes entry 0-3 of PayoutPerHits when it is a whole
// number 0-100 000 000; otherwise the entry keeps its value. Returns the entry as the field
// shows it (AmountText).
QString StorePayoutText(int entry, const QString& text);

// A click on the official-order box of race slot race, position 1-15: the box takes the next
// start number that the positions to its left do not hold (positions 10-15 may become empty,
// 0), and the later position that held that number takes the box's previous one.
void ClickOfficialOrder(int race, int position);
// The caption of an official-order box.
QString OfficialOrderCaption(int race, int position);

// Whether a round staged by a load waits to be shown in the grading window.
bool SavedRoundWaiting();
// Puts the staged round into the correct row and payouts 1-3 (Graded := 0, SavedRoundAux := 1).
void RestoreSavedRound();
// "Spara omgången": the next system file written carries the round.
void BeginRoundSave();
