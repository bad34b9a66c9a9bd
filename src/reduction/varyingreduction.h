#pragma once
// The varying reduction ("Konstruera system" of the reduction window): draws single rows
// at random, each race's horse weighted by its normalised points, keeps the rows that pass
// the restrictions ticked on the window and differ enough from every kept row, and stores
// them sorted as the system of single rows.
//
// Every candidate takes exactly seven draws below 100, one per race slot in slot order, so
// that a fixed random code gives the same rows again. The tests only ever reject, so their
// order changes nothing but the speed. The row difference is tested with an index of the
// kept rows (RowDifferenceIndex) instead of a pass over every kept row.
//
// Rows that are long shots could take the draws hours to find, so a run stops drawing in two
// cases and keeps the rows still to be kept without a draw. After as many candidates turned
// away in a row as there are drawable rows, it seeks the rows that could still be kept: when
// there are no more of them than the target still wants and no two of them are too close, the
// draws could only have ended by finding every one of them, so it keeps them all at once (the
// rows the draws would have ended with). Once it has drawn maxCandidates candidates (about two
// seconds), it keeps the rows that could still be kept in order of their chance, the
// likeliest first, until the target is reached.

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "conditions/rowconditions.h"
#include "model/variabl.h"
#include "reduction/candidatetest.h"

// The most single rows one run holds: the five digits of the target edit.
constexpr int32 MaxSingleRows = 99999;
// The candidates one run draws at most: about two seconds of drawing.
constexpr std::int64_t CandidateBudget = std::int64_t{1} << 25;

// What the windows hold for one run.
struct ReductionSettings {
    ReductionRestrictions restrictions;
    int rowDifference = 1;      // "Radskillnad" 1-5
    bool extend = false;        // "Utöka till ..." (else "Nytt")
    bool fixedCode = false;     // "Med rättningskod" of TSlump (else "Normal")
    bool payoutSwitch = false;  // the main window's CBUtdelning
    StartNrGroupSettings groups;
    // Drawn candidates after which the run takes the rows still to be kept in order of chance.
    std::int64_t maxCandidates = CandidateBudget;
};

// What the window shows while a run goes on. Every member may be left empty.
struct ReductionProgress {
    // The run is about to draw: show "Avbryt" and the kept rows.
    std::function<void()> started;
    // Let pending events through and show the rows kept so far; false stops the run (as does
    // ReduceAbort set to 1 meanwhile). Called every few hundredths of a second.
    std::function<bool(int32 rowsSoFar)> progress;
    // The run is over, whichever way: hide "Avbryt".
    std::function<void()> finished;
};

enum class ReductionOutcome {
    RowsDrawn,       // target reached or stopped: rows 1..rows stored (none after an early stop)
    NoMoreRows,      // no drawable row could be kept any more, short of the target: the rows
                     // found stored, message names them
    Refused,         // ended with message before anything was drawn
    AlreadyRunning,  // called while a run was under way: nothing done
};

struct ReductionResult {
    ReductionOutcome outcome = ReductionOutcome::RowsDrawn;
    int32 rows = 0;               // V: the single rows held after the run
    std::int64_t candidates = 0;  // candidates drawn and tested
    QString message;              // Refused and NoMoreRows: what the window shows
};

// The messages of a refused run.
QString ZeroPercentMessage(int race);
QString CannotExtendMessage(int32 rows, int32 target);
// A target above the unreduced system's rows could never be reached.
QString TargetAboveRowCountMessage(int32 rows);
// The run ended by itself with rows kept, short of the target: no further row passes the
// restrictions and keeps the row difference.
QString NoMoreRowsMessage(int32 rows);
inline const QString NoTargetMessage = QStringLiteral("Radantal?");
inline const QString NoSingleRowsToExtendMessage =
    QStringLiteral("Det finns inga enkelrader att utöka. Välj \"Nytt\".");

// The run. Seeds the generator from RandomCode when settings.fixedCode, normalises the
// points, forces the dummy race, checks the inputs (a target above UnreducedRowCount is
// refused), draws until SingleRowTarget rows are kept, the run is stopped or no drawable row
// could be kept any more (taking the last rows without drawing where the draws would find
// them only slowly, as above), and stores the rows: RowStore and PackedRows 1..V in ascending
// packed order, SingleRowCount, SingleRowTarget, SingleRowsBuilt, CouponsBuilt, the main
// window's result labels and the reduced percentages (ShowReducedPercentages).
ReductionResult RunVaryingReduction(const ReductionSettings& settings,
                                    const ReductionProgress& progress = {});
// True while RunVaryingReduction runs (for instance while its progress callback handles events).
bool ReductionRunning();

// A row of race slots 1-7 packed one nibble a slot, race 1 in bits 24-27 (TPackedRow).
std::uint32_t PackRow(const std::array<int, RaceSlots + 1>& row);

// The kept rows seen as their projections on every set of races 1-6 that two rows may not
// share: a candidate shares too many races with some kept row exactly when one of its
// projections is already present. One bit set per subset of races, indexed directly by the
// start numbers of the subset's races.
class RowDifferenceIndex {
public:
    // rowDifference 1-5: two rows must differ in at least that many of the races 1-6.
    explicit RowDifferenceIndex(int rowDifference);
    // True when the packed row shares more races with some added row than allowed.
    bool TooClose(std::uint32_t packed) const;
    void Add(std::uint32_t packed);
    // True when two of the given packed rows share more races than allowed (the added rows
    // play no part).
    bool AnyTwoTooClose(const std::vector<std::uint32_t>& rows) const;

private:
    struct Subset {
        std::array<int, 6> shifts{};  // bit positions of the subset's race nibbles
        int size = 0;
        std::vector<std::uint64_t> bits;
        std::uint32_t Key(std::uint32_t packed) const;
    };
    std::vector<Subset> subsets_;
};
