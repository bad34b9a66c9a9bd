#pragma once
// The chance evaluation ("Beräkna" of the chance window): values a system drawn by varying
// reduction against the chosen correct row without drawing it. Every row of the unreduced
// system that the varying reduction's own candidate test accepts (with the restrictions the
// window's " Räkna med " boxes tick) weighs the product of its horses' reduction points;
// from the weights of the rows with all six, five and four races right come the expected
// numbers of such rows in a system of N rows and their value in öre.
//
// The rows are walked as an odometer, race slot 7 fastest, the test's tally kept per slot
// level and extended as one slot turns; the rows are shared out over the cores in blocks of
// the first two races' horses, and the weights are summed exactly, so the figures do not
// depend on how the blocks were shared out.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/domain.h"

// The boxes of " Räkna med ".
struct ChanceBoxes {
    bool winnerCounts = true;      // CBVinnare "Vinnare"
    bool groupConditions = true;   // CBVillkor "Villkor"
    bool abcdList = true;          // CBABCD "ABCD"
    bool startNumbers = false;     // CBStartnr "Startnummer"
    bool points = false;           // CBChans "Poängvillkor"
    bool payout = false;           // CBUtdelning "Utdelningsintervall"
    bool otherNumbers = false;     // CBOvrigt "Övrigt"
    std::array<bool, 4> groups{};  // [1..3]: cba1, cba2, cba3, the condition groups counted with
};

// Called on the calling thread as the walk starts and then every few hundredths of a second
// with the rows passed so far; false stops the run.
using ChanceProgress = std::function<bool(std::int64_t rowsPassed)>;

enum class ChanceOutcome {
    Evaluated,       // figures and texts hold
    Refused,         // a precondition failed: nothing walked
    Cancelled,       // stopped by the progress callback
    NoWeight,        // no row passed, or every passing row weighs 0: no figures
    AlreadyRunning,  // called while a run was under way: nothing done
};

// The figures of an evaluation: weights, values per row in öre and expected numbers of rows.
struct ChanceFigures {
    long double weight = 0, weight6 = 0, weight5 = 0, weight4 = 0;  // W, W6, W5, W4
    long double value6 = 0, value5 = 0, value4 = 0, valueSum = 0;   // V6, V5, V4, V6 + V5
    long double expected6 = 0, expected5 = 0, expected4 = 0;        // E6, E5, E4
};

// The captions of the result labels.
struct ChanceTexts {
    QString Lch7, Lch6, Lch5;
    QString Lverde7, Lverde6, Lverde5, Lsumverde;
    QString Lprocentavinsats;
};

struct ChanceResult {
    ChanceOutcome outcome = ChanceOutcome::Evaluated;
    QStringList messages;         // to show after the run, in this order
    bool payoutUnticked = false;  // "Utdelningsintervall" is to be unticked
    std::int64_t rowsPassed = 0;  // "Antal beräknade rader" (all outcomes that walked)
    ChanceFigures figures;        // Evaluated only
    ChanceTexts texts;            // Evaluated only
};

inline const QString IncompleteRowMessage = QStringLiteral("Raden är inte komplett.");
inline const QString OnlyZeroPointsMessage =
    QStringLiteral("Det finns bara 0-poängare i reduceringsdelen i någon avd.");
inline const QString NoStreckForPayoutMessage =
    QStringLiteral("Utdelningen kan inte beräknas då streckfördelningen saknas.");
inline const QString NoMarkedRowMessage = QStringLiteral("Ange hela raden.");
inline const QString ChanceCancelledMessage = QStringLiteral("Beräkningen avbruten.");

// The evaluation. Reads ChanceCorrectRow (and sets its slot 7 to 1), ReductionPoints,
// HorseGroups, the condition tables, the condition groups' members and limits, StreckPresent,
// StreckValues, PayoutMin, PayoutMax, GameType, ConditionSwitches.payout, PayoutPerHits
// ([2] six right, [1] five, [0] four) and ChanceSystemRows (N); writes nothing else.
ChanceResult EvaluateChances(const ChanceBoxes& boxes, const ChanceProgress& progress = {});
// True while EvaluateChances runs.
bool ChanceRunning();

// The rows that the evaluation counts as passed, packed (TPackedRow), in odometer order; the
// same walk on one thread, for checks against the candidate test. Empty when a slot has no
// marked horse.
std::vector<std::uint32_t> ChancePassingRows(const ChanceBoxes& boxes);

// A value as the result labels show it: the nearest whole number, halves to even.
QString RoundedText(long double value);
// An expected number of rows: "1 chans på " and the nearest whole number of 1 / E when
// 0 < E < 1, else the nearest whole number of E; a shown 1 is just "1".
QString ExpectedRowsText(long double expected);

// The chance window's edits: the payout text right-aligned in eight characters, and the
// accepted value of a typed payout (0-100 000 000) or row count (1-1 000 000), else previous.
QString PayoutText(int32 payout);
int32 AcceptedPayout(const QString& text, int32 previous);
int32 AcceptedSystemRows(const QString& text, int32 previous);

// Picking the correct row in the chance window's picker: the race's chosen horse becomes
// startNr, or none when startNr was chosen already. Returns the horse chosen before (0 none).
int PickChanceHorse(int race, int startNr);
