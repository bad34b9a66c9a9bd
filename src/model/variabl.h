#pragma once
// The global tables of the program. Every window and shared procedure reads and writes
// them directly; they live for the whole run and are touched only from the UI thread.
//
// Indexing: race slots 1-7 and start numbers 1-15 count from 1; index 0 is unused unless
// a comment says otherwise. Per-horse tables (THorseTable) are flat, index
// (race - 1) * 15 + start number, 1-105. Race slot 7 is a dummy race whose horse 1 is in
// group A, so that products over seven slots equal the six-race product.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstring>

#include "model/domain.h"
#include "model/shorttext.h"
#include "platform/printcanvas.h"

constexpr int PatternCount = 16384;
constexpr int PatternIndexEnd = 16386;  // planes are indexed 0..16385
constexpr int PatternPlaneCount = 13;
constexpr int CompositionCount = 120;
constexpr int ConditionCount = 100;
constexpr int NrSetCondCount_ = 20;
constexpr int MaxCoupons = 5500;
constexpr int RowStoreEntries = 1000000;
constexpr int SortBucketCount = 21;
constexpr int SortBucketSize = 75001;

// One race's marks: [0][h] = group of horse h (0 none, 1-4 = A-D);
// [g][0] = horses in group g; [g][h] = 1 when horse h is in group g.
using THorseGroupRecord = byte[5][StartNumbers + 1];

// 13 planes of 16 386 bytes, plane-major: Planes[q][index].
using TPatternPlane = byte[PatternIndexEnd];

// ---- Marks and groups ----
extern THorseGroupRecord HorseGroups[RaceSlots + 1];
extern int32 ClickedMarkCode;
extern int32 UnreducedRowCount;

// ---- ABCD patterns and compositions ----
// Plane 1-7: group of race slot; 8: composition; 9: has rows; 10: winner counts allow;
// 11: composition list allows; 12: group conditions allow; 0: takes part (snapshot).
extern TPatternPlane* AbcdPatternPlanes;
// Per group-system coupon k: plane 0 = coupon exists, planes 1-7 = TGroupSetCode.
extern TPatternPlane* CouponGroupCodes;
extern int32 PatternRowCounts[PatternCount + 1];
extern flag WinnerCountAllowed[8][5];  // [count 0..7][group 1..4]
extern flag WinnerCountLocked[8][5];
extern int32 ClickedWinnerCount;
extern flag CompositionNej[CompositionCount + 1];
extern byte NejCount;
extern ShortText<21> CompositionTexts[CompositionCount + 1];
extern ShortText<10> CompositionPercentTexts[CompositionCount + 1];
extern byte CompositionOfListRow[CompositionCount + 1];
extern int32 CompositionRowsAll[CompositionCount + 1];
extern int32 CompositionRowsKept[CompositionCount + 1];
extern int32 CompositionRowsSaved[CompositionCount + 1];
extern int32 CompositionListCol, CompositionListRow;
extern int32 RowsAfterGroupConditions;

// ---- System counts and state flags ----
extern int32 RowsKept;
extern int32 RowsConstructed;
extern int32 RowsAccepted;
extern int32 LoadedUnreducedRowCount, LoadedRowsKept, LoadedCouponCount;
extern flag CouponsBuilt;
extern flag SingleRowsBuilt;
extern flag GroupSystemBuilt;
extern flag BuildCouponsAfterRows;
extern flag ResultsStaleShown;
extern flag UnreducedPercentValid;
extern flag KeepLoadedCouponSelection;
extern flag SystemSaved;
extern flag SingleRowsSaved;
extern flag Graded;
extern byte SystemFileVersion;
extern int32 SaveRoundInFile;
extern int32 RoundDataInFile;
extern int32 UpdateNoticeCount;
extern int32 ReduceAbort;  // 1 when "Avbryt" asked a long computation to stop

// ---- What the main window's result displays show (the logic writes, the window paints) ----
// LabelRadantal, LRaderoreduc, LabelKup, LReducgrad and the price labels Prisrader, Prisavg,
// Pristot; the defaults are the window's start state.
struct TResultLabels {
    QString Radantal = QStringLiteral("x");
    QString Raderoreduc = QStringLiteral("0");
    QString Kup = QStringLiteral("x");
    QString Reducgrad = QStringLiteral("0 %");
    bool PriceVisible = false;
    QString Prisrader = QString();
    QString Prisavg = QString();
    QString Pristot = QString();
    // LReducgrad is hidden while a varying reduction replaces the coupons.
    bool ReducgradVisible = true;
    // A system was built: the output buttons and "Reducera kuponger" are enabled.
    bool SystemButtonsEnabled = false;
};
extern TResultLabels ResultLabels;
// True: the red " ? " (ResF) stands in place of the reserve letter (LabelRes).
extern bool ReserveSignalShown;
// The cells of the ABCD distribution list ABClista, [row 0..120][column 0..2]; row 0 the head.
extern QString AbcdListCells[CompositionCount + 1][3];

// ---- The main window's switches (its check boxes and signal shapes mirror them) ----
struct TConditionSwitches {
    bool startNumbers = false;  // VlkstartnrJA: start-number conditions and their groups
    bool points = false;        // VlkvinstchJA: points conditions
    bool otherNumbers = false;  // Vlkovrigt: other number conditions
    bool payout = false;        // CBUtdelning: payout interval
};
extern TConditionSwitches ConditionSwitches;
// The six restriction kinds of the reduction window's "Aktiva begränsningar" (its check boxes
// mirror ReductionBoxes; the print-out reads it).
struct ReductionRestrictions {
    bool winnerCounts = true;     // CBVinnare "Vinnare"
    bool abcdList = true;         // CBABCD "ABCD-listan"
    bool groupConditions = true;  // CBVillkor "Villkor"
    bool startNumbers = false;    // CBStartnr "Startnummer"
    bool points = false;          // CBChans "Poängvillkor"
    bool otherNumbers = false;    // CBovrigt "Övrigt"
};
extern ReductionRestrictions ReductionBoxes;
// The column signals Signalhest, Signalstreck and Signalodds: true shows lime, false red.
struct TColumnSignals {
    bool horse = true;
    bool streck = true;
    bool odds = false;
};
extern TColumnSignals ColumnSignals;

// ---- ABCD group conditions ----
extern flag GroupCondCells[8][5][ConditionCount + 1];  // [race][group][cond]; [0][0][c] = cells
extern flag GroupCondForbiddenHits[8][ConditionCount + 1];
extern flag GroupCondUnreachableHits[8][ConditionCount + 1];
extern byte GroupCondCount;
extern int32 ClickedGroupCondCode;

// ---- Start-number conditions ----
extern flag StartNrCondMarks[8][StartNumbers + 1][ConditionCount + 1];
extern flag StartNrCondForbiddenCounts[8][ConditionCount + 1];
extern flag StartNrCondUnreachableCounts[8][ConditionCount + 1];
extern flag StartNrCondUsed[ConditionCount + 1];
extern int32 StartNrCondUsedCount;
extern flag StartNrCondActive[ConditionCount + 1];
extern int32 StartNrCondActiveCount;
extern ShortText<40> StartNrCondComments[ConditionCount + 1];
struct TStartNrCondCopy {
    flag ForbiddenCounts[8];
    flag Marks[8][StartNumbers + 1];
};
extern TStartNrCondCopy StartNrCondClipboard;
extern flag StartNrCondClipboardFilled;
extern QString StartNrCondClipboardComment;
extern int32 ClickedStartNrCode;
extern byte ConditionGroupLimits[7];  // [1..6]: low, high of groups 1, 2, 3
extern flag GroupFormOpen;
// Start-number condition groups: what the group window's boxes show; the construction reads
// these tables, never the window.
extern flag ConditionGroupActive[4];                       // [1..3]: group g's "aktiv" box (CBA<g>)
extern flag ConditionGroupMembers[4][ConditionCount + 1];  // [g][c]: condition c in group g (CB<g><c>)

// ---- Points conditions ----
extern byte CondPoints[RaceSlots + 1][StartNumbers + 1][ConditionCount + 1];
extern int32 CondSumMin[ConditionCount + 1], CondSumMax[ConditionCount + 1];
extern int32 CondSumMode[ConditionCount + 1], CondProdMode[ConditionCount + 1];
extern int32 CondActive[ConditionCount + 1];
extern int32 CondSumActive[ConditionCount + 1], CondProdActive[ConditionCount + 1];
extern int32 CondProdMinMantissa[ConditionCount + 1], CondProdMaxMantissa[ConditionCount + 1];
extern int32 CondProdMinExp[ConditionCount + 1], CondProdMaxExp[ConditionCount + 1];
extern double CondProdMinReal[ConditionCount + 1], CondProdMaxReal[ConditionCount + 1];
extern ShortText<40> PointsCondNames[ConditionCount + 1];
extern byte CurrentPointsCond;
extern byte ActivePointsCondCount;
extern THorseTable<byte> PointsCondClipboard;
extern int32 PointsCondClipboardSumMin, PointsCondClipboardSumMax;
extern double PointsCondClipboardProdMinReal, PointsCondClipboardProdMaxReal;
extern byte PointsCondClipboardSumActive, PointsCondClipboardProdActive;
extern byte PointsCondClipboardSumMode, PointsCondClipboardProdMode;
extern QString PointsCondClipboardName;
extern flag PointsCondClipboardFilled;
extern flag PointsCondReloadPending;
extern double EstimatedPayoutLow, EstimatedPayoutHigh;
// Points-condition window: the guard while it shows another condition, and the one-level
// undo of "100" (the points race-major, [1..105], and the name from before the last "100").
extern flag PointsCondLoading;
extern THorseTable<int32> CondUndoPoints;
extern QString CondUndoName;

// ---- Other number conditions ----
extern flag NrCountForbidden[StartNumbers + 1][8];  // [start number][count 0..7]
extern flag NrSetCondMarks[StartNumbers + 1][NrSetCondCount_ + 1];
extern byte NrSetCondLow[NrSetCondCount_ + 1], NrSetCondHigh[NrSetCondCount_ + 1];
extern flag NrSetCondRequire[NrSetCondCount_ + 1], NrSetCondRemove[NrSetCondCount_ + 1];
extern byte NrSetCondCount;
extern int32 EqualNrRule[8];
extern int32 OddCountForbidden[8];
extern int32 PairRules[4];  // [1..3]: 0 none, 1 "Krav", 2 "Ta bort"

// ---- Payout interval ----
extern int32 PayoutMin;
extern int32 PayoutMax;

// ---- Construction results ----
// RowStore[column][entry], entries 1..1 000 000; column 0 = 1 for every stored entry,
// columns 1-7 = start number (single rows) or horse mask (coupons, bit h-1 = number h).
using TRowStoreColumn = int32[RowStoreEntries + 1];
extern TRowStoreColumn* RowStore;
// PackedRows[1..RowsAccepted]: the rows the last construction kept, in ascending order, one
// 4-bit start number per position of the construction's slot order (ComputeSlotOrder: the
// race slots by rising number of marked horses), position 1 in bits 24-27 down to position 7
// in bits 0-3; the coupons are turned back into race order when they are stored.
extern int32* PackedRows;
// Entries PackedRows holds (index 0 included): at least RowStoreEntries + 1; a construction
// that keeps more rows grows it with EnsurePackedRowsCapacity.
extern int32 PackedRowsCapacity;
void EnsurePackedRowsCapacity(int32 entries);
using TSortBucket = int32[SortBucketSize];
extern TSortBucket* RowSortBuckets;  // [0..20][0..75000]
extern int32 CouponCount;
extern int32 CouponRowCounts[MaxCoupons + 1];
extern flag CouponKept[MaxCoupons + 1];
extern int32 KeptCoupons[MaxCoupons + 1];
extern int32 KeptCouponCount;
extern int32 CurrentCouponPos, CurrentCoupon;
extern int32 MergeCouponCount, MergeCouponCount2;
extern flag CouponsReduced;
extern int32 ReductionPercent;
extern double CouponFee, CouponFeeTotal, TotalPrice;
extern int32 PriceRows;
extern THorseTable<int32> RowsPerHorseUnreduced;
extern THorseTable<int32> UnreducedPercent;

// ---- Single-row reduction ----
extern THorseTable<byte> ReductionPoints;
extern THorseTable<byte> ReductionChance;
extern int32 ReductionPointsSum[RaceSlots + 1];
extern int32 SingleRowTarget;
extern int32 SingleRowCount;
extern int32 RandomCode;
extern THorseTable<byte> SystemStreckPercent;
// Manual coupon reduction: the coupons dropped by the last range drop, and the coupon shown
// in the window's single-coupon panel.
extern flag CouponUndo[MaxCoupons + 1];
extern int32 ManualReductionCoupon;

// ---- Race data ----
extern QString HorseNames[RaceSlots + 1][StartNumbers + 1];
extern QString DriverNames[RaceSlots + 1][StartNumbers + 1];
extern QString OddsTexts[RaceSlots + 1][StartNumbers + 1];
extern QString StreckTexts[RaceSlots + 1][StartNumbers + 1];
extern THorseTable<int32> OddsValues;
extern THorseTable<int32> StreckValues;
extern THorseTable<int32> Scratched;
extern THorseTable<int32> HorsePresent;
extern THorseTable<int32> HorsePoints;
extern THorseTable<int32> HorseValues3;
extern THorseTable<int32> RowVisible;
extern QString RaceInfoLines[RaceSlots + 1][10];
extern byte RaceInfoLineCount[RaceSlots + 1];
extern QString StartListHeading;
extern QString StartListFetchTime;
extern QString RoundDate;
extern QString GameName;
extern ShortText<50> GameType;
extern flag StreckShowPercent;
extern flag StreckPresent;
extern byte ParserFlags[3];
extern int32 ParserRace;
extern int32 ParserLineCount;
extern byte ParserScratchByte;
extern flag PointsLoaded;
extern flag StartListLoaded;
extern flag StartListFromFile;
extern flag StartListFromBrowser;
extern int32 OwnOrder[RaceSlots + 1][StartNumbers + 1];
extern int32 SavedOwnOrder[RaceSlots + 1][StartNumbers + 1];
extern flag OwnOrderMode;
extern flag KeepOwnOrder;
extern flag RestoreOwnOrderPending;
struct TDataDragState {
    byte DraggedRow;
    int32 Values[8];
};
extern TDataDragState DataDragState;
extern int32 RowTops[StartNumbers + 1];
extern THorseTable<int32> DisplayedSlot;
extern flag PropositionOpen;
extern flag RaceWindowOpen[RaceSlots + 1];
extern flag OrderFormFilled;
// Race data: the print-out
extern double RaceDataPrintFontSize;  // point size of the printer font at the last "Tecken" or "Skriv ut"
// Race-data window: the rank column and the drag state of the own order. DragSourceCode is
// race x 10 + start number (race x 100 + start number from 10 on); MoveDirection 0 none,
// 1 up, 2 down; RepositionAllRaces 1 = the next own-order move places every race.
extern byte ShowRankColumn;
extern int32 DragSourceCode;
extern int32 DragRowTop;
extern int32 DragSourceSlot;
extern int32 DropY;
extern int32 MoveDirection;
extern int32 DropTargetSlot;
extern int32 RowHeight;
extern int32 RowGap;
extern byte RepositionAllRaces;

// ---- Reserves ----
extern byte ReserveMode;  // 1 none, 2 chosen order, 3 fixed reserves, 4 next lower
extern byte ReserveLabelSlot[RaceSlots + 1][StartNumbers + 1];
extern byte ReserveDefaultOrder[RaceSlots + 1][StartNumbers + 1];
extern byte ReserveOrder[RaceSlots + 1][StartNumbers + 1];
extern flag ReserveOrderReset[RaceSlots + 1];
extern flag ReserveAux;
extern byte FixedReserves[RaceSlots + 1][3];
struct TReserveDragState {
    byte FromSlot;
    byte ToSlot;
    int32 DragOffsetX;
    int32 DropPos;
    int32 DraggedCode;
    int32 SlotLefts[17];  // [1..16]
};
extern TReserveDragState ReserveDragState;

// ---- Coupon and row views ----
// The rows of the kept coupons per horse, counted by the row distribution view, and its view
// (before or after the coupon reduction, counts or percentages, after counts current).
extern THorseTable<int32> RowsPerHorseKept;
extern flag StreckViewUnreduced;
extern flag StreckViewCounts;
extern flag StreckKeptComputed;
// The first single row that the single-row viewer shows.
extern int32 SingleRowScrollPos;

// ---- Grading and results ----
extern byte CorrectRow[RaceSlots + 1];
extern byte OfficialOrder[RaceSlots + 1][StartNumbers + 1];
extern byte StartersPerRace[RaceSlots + 1];
extern THorseTable<flag> ScratchedInGrading;
// Payout a row in kronor, 0-100 000 000: [0] 4 races right, [1] 5, [2] 6, [3] 7 race slots.
extern int32 PayoutPerHits[5];
extern byte NextRaceNo, NextRaceCorrect;
extern byte GradingWindowFlags;
extern int32 SavedRoundWinners[8];
extern int32 SavedRoundPayouts[4];  // [1..3]
extern byte ChanceCorrectRow[RaceSlots + 1];

// ---- Chance evaluation ----
// N, the number of rows of the system that the chance window values (its edit EditNRader):
// 100 at start, written by its edit, by the varying reduction's finish and by a load
// (Events::ChanceSystemRowsChanged).
extern int32 ChanceSystemRows;

// ---- Grading results and the saved round ----
// The single rows a grading can hold a result for.
constexpr int MaxGradedSingleRows = 100000;
// [i]: graded rows with exactly 7 - i correct race slots.
extern int32 CorrectCounts[8];
// [k]: correct race slots 0-7 of single row k.
extern byte RowCorrectCounts[MaxGradedSingleRows + 1];
// Per position j of KeptCoupons: the coupon's rows with 4, 5, 6 and 7 correct slots and
// whether any of them is above 0.
struct TCouponResult {
    int32 Rows4, Rows5, Rows6, Rows7;
    int32 Winning;
};
extern TCouponResult CouponResults[MaxCoupons + 1];
extern int32 WinningCouponCount;
extern int32 WinningRowCount;
extern int32 WinningRowsFirst;
// Won kronor by class, [0] 4 right ... [3] 7 slots: PayoutPerHits[i] x CorrectCounts[3 - i].
extern std::int64_t WinningsPerClass[4];
// The group whose colour the winner's box of each race slot was last painted in.
extern byte WinnerMarkGroup[RaceSlots + 1];
// The next-race view's supposed winner and its count.
extern int32 NextRaceWinner;
extern int32 NextRaceRowCount;

// ---- Printing settings ----
extern flag PrintPortrait;
extern byte CouponFormType;
extern flag CouponPrintFlags;
extern byte CouponPrintCounts;
extern flag CouponPrintOptions;
extern flag CouponPrintFormOpen;

// ---- Print-outs: the coupon forms, the text report, the own text ----
// The coupon forms (TFyllikup): one setting per field of the window, as "ninstV75.kup" keeps
// them. Lengths in 0.1 mm; the shifts and the rotation bend the printed layout.
enum class CouponFormKind : byte { New, OldLong, OldShort };
struct TCouponFormSettings {
    int32 topMargin = 100;
    int32 leftMargin = 100;
    int32 height = 620;  // of the printed area
    int32 width = 1600;
    int32 strokeThickness = 10;  // printer pixels; a negative one leaves the pen as it is
    int32 strokeLength = 40;
    bool fillStake = true;  // Fyllaiinsatsen: kept in the file only
    CouponFormKind kind = CouponFormKind::New;
    PrintFont font;  // the number font
    bool portrait = true;
    int32 storedNumber = 1;  // kept in the file, used by nothing
    int32 sideShift = 0;
    int32 verticalShift = 0;
    int32 rotation = 0;
    bool numbering = false;  // Numrerakupong
    bool v6 = false;
    friend bool operator==(const TCouponFormSettings&, const TCouponFormSettings&) = default;
};
extern TCouponFormSettings CouponFormSettings;
// The range of the text report: positions in KeptCoupons or single-row numbers; 0 without a
// system.
extern int32 TextReportFirst, TextReportLast;
// The own text as the own-text window's memo shows it, one entry a shown line, and its font;
// the system print-out prints them at its end.
extern QStringList OwnTextLines;
extern PrintFont OwnTextFont;

// ---- Names, dates, paths and other texts ----
extern ShortText<50> SystemName;
extern ShortText<50> SystemDate;
extern QString ProgramDir;
extern QString VersionText;
extern byte SevenRaceSlots;

// ---- System file: window state that the file carries ----
// The captions of the main window (V65x) and the race-data window (TData); each window writes
// its caption here whenever it sets one and shows the table's text after a load.
extern QString MainFormCaption;
extern QString DataFormCaption;
// 0 while a round staged by the last load waits to be shown in the grading window; 1 once
// shown, or after "Spara omgången".
extern int32 SavedRoundAux;

// Sets every table to its start value, once per run; a repeated call returns at once.
void InitializeGlobals();
// Releases the texts at exit, once per run.
void FinalizeGlobals();
// Brings every table back to its start value (the work of InitializeGlobals, without
// the once-guard), so that a test can begin from a clean state.
void ResetGlobals();

// Sets every byte of a table to the value (0 clears it; 1 in a table of flags sets them all).
template <typename T>
void FillBytes(T& table, byte value)
{
    std::memset(static_cast<void*>(&table), value, sizeof table);
}
