#pragma once
// The layout of the system file (*.SV6): one whole system as lines of text in the Windows-1252
// code page, CR LF after every line, the last included, no byte-order mark. The first line is
// the version tag; sections 2 to 44 follow in a fixed order, each a fixed or counted run of lines.
//
// A save stages the tables into a StagedSystem (StageCurrentSystem) and turns it into the
// bytes of the file (SystemFileBytes; the newest layout, "V64 v7c ur" or "V64 v7c mr"). A load
// parses the bytes into a StagedSystem without touching any table (ParseSystemFile, which also
// reads every older tag) and, only when the whole file has been read, stores it into the tables
// (ApplyStagedSystem). What comes around the store (the reset before it, the refresh of the
// derived tables and the windows after it, the rebuild of a constructed system,
// KeepLoadedCouponSelection and PointsCondReloadPending) is the load's own work
// (sysfile/systemfile.h).
//
// Named SystemFileBytes, not WriteSystemFile: that name is the save itself (systemfile.h).

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "model/variabl.h"

// Everything the file carries, held apart from the tables. Arrays are indexed as the tables
// they copy (race slots and start numbers from 1). Texts are held whole; the store cuts the
// ones of fixed capacity.
struct StagedSystem {
    // Section 1: the format version (1, 4, 5 or 7) and whether the tag ends in "mr" (section 39,
    // the single rows, is present). streckSections: the tag carries sections 2 and 3 ("v7b",
    // "v7c"); payoutSections: sections 4 to 6 ("v7c"). A staged save is always the newest.
    int version = 7;
    bool singleRows = false;
    bool streckSections = true;
    bool payoutSections = true;

    // Sections 2, 3 (the streck also comes again in section 38, which then wins).
    THorseTable<int32> streckValues{};
    QString streckTexts[RaceSlots + 1][StartNumbers + 1];
    THorseTable<int32> unreducedPercent{};
    // Sections 5, 6.
    int32 payoutMin = 0;
    int32 payoutMax = 100000000;
    bool payoutActive = false;
    // Sections 7 to 10.
    QString systemName;
    QString systemDate;
    bool couponsBuilt = false;
    byte groupSystemBuilt = 0;
    int32 couponCount = 0;
    int32 unreducedRowCount = 0;
    int32 rowsKept = 0;
    int32 rowsAfterGroupConditions = 0;
    int32 rowsAccepted = 0;
    int32 keptCouponCount = 0;
    byte nejCount = 0;
    // Sections 11 to 13.
    THorseGroupRecord horseGroups[RaceSlots + 1]{};
    flag winnerCountAllowed[8][GroupCount + 1]{};
    flag winnerCountLocked[8][GroupCount + 1]{};
    flag compositionNej[CompositionCount + 1]{};
    int32 compositionRowsSaved[CompositionCount + 1]{};
    int32 compositionRowsAll[CompositionCount + 1]{};
    int32 compositionRowsKept[CompositionCount + 1]{};
    byte compositionOfListRow[CompositionCount + 1]{};
    // Section 14: the cells of ABClista; the rows after the last written one are empty.
    QString abcdListCells[CompositionCount + 1][3];
    // Section 15: CouponKept of coupons 1 to couponCount (entry 0 unused); empty when none.
    std::vector<flag> couponKept;
    // Sections 16, 17.
    flag groupCondCells[8][5][ConditionCount + 1]{};
    flag groupCondForbiddenHits[8][ConditionCount + 1]{};
    flag groupCondUnreachableHits[8][ConditionCount + 1]{};
    // Sections 18 to 20.
    byte reserveMode = 1;
    flag reserveOrderReset[RaceSlots + 1]{};
    byte reserveLabelSlot[RaceSlots + 1][StartNumbers + 1]{};
    byte reserveDefaultOrder[RaceSlots + 1][StartNumbers + 1]{};
    byte reserveOrder[RaceSlots + 1][StartNumbers + 1]{};
    byte fixedReserves[RaceSlots + 1][3]{};
    // Section 22 (only when couponsBuilt): the price captions Prisrader, Prisavg, Pristot.
    QString priceCaptions[3];
    // Section 23: the switches VlkstartnrJA, VlkvinstchJA, Vlkovrigt.
    bool switchStartNumbers = false;
    bool switchPoints = false;
    bool switchOtherNumbers = false;
    // Sections 24, 25.
    int32 startNrCondUsedCount = 0;
    flag startNrCondUsed[ConditionCount + 1]{};
    flag startNrCondForbiddenCounts[8][ConditionCount + 1]{};
    flag startNrCondUnreachableCounts[8][ConditionCount + 1]{};
    flag startNrCondMarks[8][StartNumbers + 1][ConditionCount + 1]{};
    // Section 26; pointsCondUsed decides which blocks are written (worked out by the stage).
    byte activePointsCondCount = 0;
    int32 condActive[ConditionCount + 1]{};
    flag pointsCondUsed[ConditionCount + 1]{};
    int32 condSumMax[ConditionCount + 1]{};
    int32 condSumMin[ConditionCount + 1]{};
    byte condPoints[RaceSlots + 1][StartNumbers + 1][ConditionCount + 1]{};
    // Sections 27 to 30.
    flag nrCountForbidden[StartNumbers + 1][8]{};
    flag nrSetCondMarks[StartNumbers + 1][NrSetCondCount_ + 1]{};
    byte nrSetCondHigh[NrSetCondCount_ + 1]{};
    byte nrSetCondLow[NrSetCondCount_ + 1]{};
    flag nrSetCondRequire[NrSetCondCount_ + 1]{};
    flag nrSetCondRemove[NrSetCondCount_ + 1]{};
    byte nrSetCondCount = 0;
    // Section 31.
    int32 condSumActive[ConditionCount + 1]{};
    int32 condProdActive[ConditionCount + 1]{};
    int32 condSumMode[ConditionCount + 1]{};
    int32 condProdMode[ConditionCount + 1]{};
    int32 condProdMinMantissa[ConditionCount + 1]{};
    int32 condProdMaxMantissa[ConditionCount + 1]{};
    int32 condProdMinExp[ConditionCount + 1]{};
    int32 condProdMaxExp[ConditionCount + 1]{};
    flag startNrCondActive[ConditionCount + 1]{};
    // Section 32.
    int32 equalNrRule[8]{};
    int32 oddCountForbidden[8]{};
    int32 pairRules[4]{};
    // Sections 33 to 35: the graded round (race slots 1-7, payouts for 5, 6, 7 right).
    bool saveRound = false;
    bool roundData = false;
    int32 roundWinners[RaceSlots + 1]{};
    int32 roundPayouts[4]{};
    // Sections 36 to 38 (present when roundData: the start lists were taken in).
    bool pointsLoaded = false;
    THorseTable<int32> horsePoints{};
    QString startListHeading;
    QString startListFetchTime;
    QString horseNames[RaceSlots + 1][StartNumbers + 1];
    QString raceInfoLines[RaceSlots + 1][5];
    QString oddsTexts[RaceSlots + 1][StartNumbers + 1];
    THorseTable<int32> horseValues3{};
    THorseTable<int32> oddsValues{};
    THorseTable<int32> horsePresent{};
    THorseTable<int32> scratched{};
    int32 ownOrder[RaceSlots + 1][StartNumbers + 1]{};
    // Section 39 (present when singleRows).
    int32 randomCode = 765;
    THorseTable<byte> reductionPoints{};
    THorseTable<byte> reductionChance{};
    int32 reductionPointsSum[RaceSlots + 1]{};
    std::vector<std::array<int32, RaceSlots>> singleRowStarts;  // row k at k - 1, races 1-7
    // Sections 40 to 42: TGruppvillkor. The member words say "a" only for a box that is
    // enabled and ticked; limitTexts are the texts of E1L, E1H, E2L, E2H, E3L, E3H ([1..6]).
    flag conditionGroupMembers[4][ConditionCount + 1]{};
    byte conditionGroupLimits[7]{};
    QString conditionGroupLimitTexts[7];
    flag conditionGroupActive[4]{};
    // Section 43.
    QString startNrCondComments[ConditionCount + 1];
    QString pointsCondNames[ConditionCount + 1];
    // Section 44: the main window's caption, the race-data window's caption, GameType.
    QString mainCaption;
    QString dataCaption;
    QString gameType;

    bool operator==(const StagedSystem&) const = default;
};

// The tables as a save writes them. withRound: the file carries the graded round (sections 33
// and 35; the caller passes SaveRoundInFile). A round that a load staged and the grading
// window has not shown yet is the round written. Reads only; the save itself sets CouponCount
// to 0 when no coupon system is built (the staged count is 0 then).
StagedSystem StageCurrentSystem(bool withRound);

// The bytes of the file in the newest layout. A line break inside a text (CR LF, CR or LF)
// is written as one blank, so that every value stays on its own line.
QByteArray SystemFileBytes(const StagedSystem& system);

// Reads a file of any accepted tag; nothing when the file is refused, also when a race's
// group codes, membership flags and group sizes disagree, when race slot 7 holds anything but
// start number 1 alone in group A, or when a single row plays an unmarked horse or stands
// twice. Pure: no table changes.
// Sections that an older tag lacks get the values a load gives them.
std::optional<StagedSystem> ParseSystemFile(const QByteArray& bytes);

// Stores a parsed file into the tables, section by section, as the load does between the
// reset before it and the refresh after it. Window state lands in the tables the windows
// mirror: ConditionSwitches, AbcdListCells, ResultLabels, ConditionGroup*, MainFormCaption,
// DataFormCaption; the loaded reserve order is in force, so ReserveSignalShown is false.
// Sets no KeepLoadedCouponSelection, PointsCondReloadPending or event.
void ApplyStagedSystem(const StagedSystem& system);
