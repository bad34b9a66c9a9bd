#pragma once
// Grading the system against the correct row: every single row, or every row of every kept
// coupon, counted by its number of correct race slots, with scratched horses replaced by the
// system's reserves and the official start order. The grading, the winning-rows page and the
// next-race view share one substitution rule: a single row tries the first 10 candidates
// (reserve 1, reserve 2, official positions 1-8), a coupon all 17 (official positions 1-15).

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "model/domain.h"
#include "output/couponhorses.h"

constexpr int SingleRowCandidates = 10;
constexpr int CouponCandidates = 17;

// The stand-ins of the scratched horses (ScratchedInGrading) among horses in race slot race,
// from the first `candidates` candidates: reserve 1 and 2 for these horses (PickReserves with
// fall-back, not compacted), then the official order from position 1. Scratched candidates,
// empty ones and official-order candidates that are among horses are dropped; reserves stay
// even when they are among horses. Each scratched horse, in ascending start-number order,
// takes the first candidate left, which then leaves the list.
struct Substitutes {
    byte of[StartNumbers + 1] = {};  // [h]: the stand-in of scratched horse h; 0 none
    bool anyScratched = false;
};
Substitutes SubstituteScratched(int race, THorseMask horses, int candidates);

// Whether start number startNr of race slot race is marked scratched in the grading.
bool IsScratchedInGrading(int race, int startNr);

// The horse a single row plays in race slot race after substitution: startNr itself when it
// is not scratched, else its stand-in (0 when none is left or startNr is no start number).
int SingleRowHorse(int race, int startNr);

// The lines of a coupon in one race after substitution: the multiplicity of each start
// number (a scratched horse keeps its own line, its stand-in gains one) and the number of
// horses before substitution.
struct CouponRaceLines {
    byte weight[StartNumbers + 1] = {};
    int horses = 0;
    bool anyScratched = false;
};
CouponRaceLines LinesOfCouponRace(int race, THorseMask horses);

// Rows of a coupon by correct slots: [k] is the coefficient of x^k in the product over race
// slots 1-7 of (misses + hits x).
using RowsByCorrect = std::array<std::int64_t, RaceSlots + 1>;
RowsByCorrect CountRowsByCorrect(const int hits[RaceSlots + 1], const int misses[RaceSlots + 1]);

// An amount in kronor right-aligned to eight characters: a blank for each of 10 000 000,
// 1 000 000, 100 000, 10 000, 1 000, 100 and 10 that the value is below; larger values simply
// grow.
QString AmountText(std::int64_t value);

// What the grading window shows after a grading.
struct GradingResult {
    QString refusal;  // not empty: nothing was graded, tell the user this
    bool singleRows = false;
    bool substituted = false;  // "Ordinarie har ersatts med reserv"
    QString countTexts[8];     // N7rett ... N0rett by CorrectCounts index
    QString amountTexts[4];    // Vinst4Edit ... Vinst7Edit by PayoutPerHits entry
    QString totalText;         // VinstSummaEdit
    std::int64_t total = 0;
    QString winnersText;                             // Visaantal; empty: hidden
    std::vector<std::array<QString, 4>> couponGrid;  // one line per winning coupon
    bool nextRaceEnabled = false;
};

// Grades the system in the tables: writes CorrectCounts, RowCorrectCounts or CouponResults
// and WinningCouponCount, WinningRowCount, WinningRowsFirst, WinningsPerClass, Graded and,
// for a partial correct row, NextRaceNo and NextRaceCorrect. Refuses without a system and
// with a system larger than the result tables.
GradingResult GradeSystem();

inline const QString NoSystemToGradeMessage = QStringLiteral("Det finns inget system att rätta.");
inline const QString SystemTooLargeToGradeMessage =
    QStringLiteral("Systemet är större än rättningen rymmer och kan inte rättas.");

// ---- The winning-rows page ----

struct WinningRowLine {
    QString classText;  // "6", "  5", "     4" ("7" for all seven slots)
    QString rowNumber;
    QString startNumbers;  // races 1-6 joined by ",", stand-ins for scratched horses
};
// The four lines of the page that starts at winning row `first` (counted among winning
// rows); sets WinningRowsFirst.
std::array<WinningRowLine, 4> WinningRowsPage(int first);
// The scroll bar's maximum after a single-row grading.
int WinningRowsScrollMaximum();

// ---- The next race ----

struct NextRaceView {
    QString title;
    QString counts[StartNumbers + 1];  // [n]: empty for unmarked start numbers
};
// For each marked horse of race NextRaceNo: the rows that would have NextRaceCorrect + 1
// correct races if it won that race.
NextRaceView ComputeNextRaceView();
// The count for NextRaceWinner into NextRaceRowCount.
void CountRowsByCorrectForWinner();
