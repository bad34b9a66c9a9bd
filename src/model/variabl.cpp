#include "model/variabl.h"

#include <algorithm>
#include <cstring>

#include "model/patterns.h"
#include "platform/random.h"

namespace {

template <typename T>

void Zero(T& table)
{
    std::memset(static_cast<void*>(&table), 0, sizeof table);
}

template <typename T, std::size_t N>

void Fill(T (&table)[N], const T& value)
{
    std::fill(std::begin(table), std::end(table), value);
}

template <typename T>

void FillAll(T& table, byte value)
{
    std::memset(static_cast<void*>(&table), value, sizeof table);
}

void AllocateBlocks()
{
    if (AbcdPatternPlanes)
        return;
    AbcdPatternPlanes = new TPatternPlane[PatternPlaneCount]();
    CouponGroupCodes = new TPatternPlane[PatternPlaneCount]();
    RowStore = new TRowStoreColumn[8]();
    PackedRows = new int32[RowStoreEntries + 1]();
    PackedRowsCapacity = RowStoreEntries + 1;
    RowSortBuckets = new TSortBucket[SortBucketCount]();
}

void MarkDummyRace()
{
    HorseGroups[7][0][1] = 1;
    HorseGroups[7][1][0] = 1;
    HorseGroups[7][1][1] = 1;
    ReductionPoints[HorseIndex(7, 1)] = 1;
}

bool initialized = false;
bool finalized = false;

}  // namespace

THorseGroupRecord HorseGroups[RaceSlots + 1];
int32 ClickedMarkCode;
int32 UnreducedRowCount;

TPatternPlane* AbcdPatternPlanes;
TPatternPlane* CouponGroupCodes;
int32 PatternRowCounts[PatternCount + 1];
flag WinnerCountAllowed[8][5];
flag WinnerCountLocked[8][5];
int32 ClickedWinnerCount;
flag CompositionNej[CompositionCount + 1];
byte NejCount;
ShortText<21> CompositionTexts[CompositionCount + 1];
ShortText<10> CompositionPercentTexts[CompositionCount + 1];
byte CompositionOfListRow[CompositionCount + 1];
int32 CompositionRowsAll[CompositionCount + 1];
int32 CompositionRowsKept[CompositionCount + 1];
int32 CompositionRowsSaved[CompositionCount + 1];
int32 CompositionListCol, CompositionListRow;
int32 RowsAfterGroupConditions;

QString AbcdListCells[CompositionCount + 1][3];

namespace {

void ResetMarksAndPatterns()
{
    Zero(HorseGroups);
    ClickedMarkCode = 0;
    UnreducedRowCount = 0;
    Zero(PatternRowCounts);
    FillAll(WinnerCountAllowed, 1);
    FillAll(WinnerCountLocked, 1);
    ClickedWinnerCount = 0;
    Zero(CompositionNej);
    NejCount = 0;
    Fill(CompositionTexts, ShortText<21>());
    Fill(CompositionPercentTexts, ShortText<10>());
    Zero(CompositionOfListRow);
    Zero(CompositionRowsAll);
    Zero(CompositionRowsKept);
    Zero(CompositionRowsSaved);
    CompositionListCol = CompositionListRow = 0;
    RowsAfterGroupConditions = 0;
    for (auto& row : AbcdListCells)
        for (QString& cell : row)
            cell.clear();
}

}  // namespace

int32 RowsKept;
int32 RowsConstructed;
int32 RowsAccepted;
int32 LoadedUnreducedRowCount, LoadedRowsKept, LoadedCouponCount;
flag CouponsBuilt;
flag SingleRowsBuilt;
flag GroupSystemBuilt;
flag BuildCouponsAfterRows;
flag ResultsStaleShown;
flag UnreducedPercentValid;
flag KeepLoadedCouponSelection;
flag SystemSaved;
flag SingleRowsSaved;
flag Graded;
byte SystemFileVersion;
int32 SaveRoundInFile;
int32 RoundDataInFile;
int32 UpdateNoticeCount;
int32 ReduceAbort;

TResultLabels ResultLabels;
bool ReserveSignalShown;
TConditionSwitches ConditionSwitches;
ReductionRestrictions ReductionBoxes;
TColumnSignals ColumnSignals;

namespace {

void ResetCountsAndFlags()
{
    RowsKept = RowsConstructed = RowsAccepted = 0;
    LoadedUnreducedRowCount = LoadedRowsKept = LoadedCouponCount = 0;
    CouponsBuilt = SingleRowsBuilt = 0;
    GroupSystemBuilt = 1;
    BuildCouponsAfterRows = ResultsStaleShown = UnreducedPercentValid = 0;
    KeepLoadedCouponSelection = SystemSaved = SingleRowsSaved = Graded = 0;
    SystemFileVersion = 13;
    SaveRoundInFile = RoundDataInFile = UpdateNoticeCount = 0;
    ReduceAbort = 0;
    ResultLabels = TResultLabels{};
    ReserveSignalShown = false;
    ConditionSwitches = TConditionSwitches{};
    ReductionBoxes = ReductionRestrictions{};
    ColumnSignals = TColumnSignals{};
}

}  // namespace

flag GroupCondCells[8][5][ConditionCount + 1];
flag GroupCondForbiddenHits[8][ConditionCount + 1];
flag GroupCondUnreachableHits[8][ConditionCount + 1];
byte GroupCondCount;
int32 ClickedGroupCondCode;

flag StartNrCondMarks[8][StartNumbers + 1][ConditionCount + 1];
flag StartNrCondForbiddenCounts[8][ConditionCount + 1];
flag StartNrCondUnreachableCounts[8][ConditionCount + 1];
flag StartNrCondUsed[ConditionCount + 1];
int32 StartNrCondUsedCount;
flag StartNrCondActive[ConditionCount + 1];
int32 StartNrCondActiveCount;
ShortText<40> StartNrCondComments[ConditionCount + 1];
TStartNrCondCopy StartNrCondClipboard;
flag StartNrCondClipboardFilled;
QString StartNrCondClipboardComment;
int32 ClickedStartNrCode;
byte ConditionGroupLimits[7];
flag GroupFormOpen;
flag ConditionGroupActive[4];
flag ConditionGroupMembers[4][ConditionCount + 1];

namespace {

void ResetGroupAndStartNrConditions()
{
    Zero(GroupCondCells);
    Zero(GroupCondForbiddenHits);
    FillAll(GroupCondUnreachableHits, 1);
    GroupCondCount = 0;
    ClickedGroupCondCode = 0;

    Zero(StartNrCondMarks);
    Zero(StartNrCondForbiddenCounts);
    FillAll(StartNrCondUnreachableCounts, 1);
    Zero(StartNrCondUsed);
    StartNrCondUsedCount = 0;
    Zero(StartNrCondActive);
    StartNrCondActiveCount = 0;
    Fill(StartNrCondComments, ShortText<40>());
    Zero(StartNrCondClipboard);
    StartNrCondClipboardFilled = 0;
    StartNrCondClipboardComment.clear();
    ClickedStartNrCode = 0;
    const byte limits[7] = {0, 0, 100, 0, 100, 0, 100};
    std::copy(std::begin(limits), std::end(limits), ConditionGroupLimits);
    GroupFormOpen = 0;
    Zero(ConditionGroupActive);
    Zero(ConditionGroupMembers);
}

}  // namespace

byte CondPoints[RaceSlots + 1][StartNumbers + 1][ConditionCount + 1];
int32 CondSumMin[ConditionCount + 1], CondSumMax[ConditionCount + 1];
int32 CondSumMode[ConditionCount + 1], CondProdMode[ConditionCount + 1];
int32 CondActive[ConditionCount + 1];
int32 CondSumActive[ConditionCount + 1], CondProdActive[ConditionCount + 1];
int32 CondProdMinMantissa[ConditionCount + 1], CondProdMaxMantissa[ConditionCount + 1];
int32 CondProdMinExp[ConditionCount + 1], CondProdMaxExp[ConditionCount + 1];
double CondProdMinReal[ConditionCount + 1], CondProdMaxReal[ConditionCount + 1];
ShortText<40> PointsCondNames[ConditionCount + 1];
byte CurrentPointsCond;
byte ActivePointsCondCount;
THorseTable<byte> PointsCondClipboard;
int32 PointsCondClipboardSumMin, PointsCondClipboardSumMax;
double PointsCondClipboardProdMinReal, PointsCondClipboardProdMaxReal;
byte PointsCondClipboardSumActive, PointsCondClipboardProdActive;
byte PointsCondClipboardSumMode, PointsCondClipboardProdMode;
QString PointsCondClipboardName;
flag PointsCondClipboardFilled;
flag PointsCondReloadPending;
double EstimatedPayoutLow, EstimatedPayoutHigh;
flag PointsCondLoading;
THorseTable<int32> CondUndoPoints;
QString CondUndoName;

namespace {

void ResetPointsConditions()
{
    Zero(CondPoints);
    Fill(CondSumMin, 0);
    Fill(CondSumMax, 700);
    Fill(CondSumMode, 1);
    Fill(CondProdMode, 1);
    Zero(CondActive);
    Zero(CondSumActive);
    Zero(CondProdActive);
    Fill(CondProdMinMantissa, 1);
    Fill(CondProdMaxMantissa, 100);
    Fill(CondProdMinExp, 0);
    Fill(CondProdMaxExp, 12);
    Fill(CondProdMinReal, 0.0);
    Fill(CondProdMaxReal, 1.0e14);
    Fill(PointsCondNames, ShortText<40>());
    CurrentPointsCond = 1;
    ActivePointsCondCount = 0;
    Zero(PointsCondClipboard);
    PointsCondClipboardSumMin = PointsCondClipboardSumMax = 0;
    PointsCondClipboardProdMinReal = PointsCondClipboardProdMaxReal = 0.0;
    PointsCondClipboardSumActive = PointsCondClipboardProdActive = 0;
    PointsCondClipboardSumMode = PointsCondClipboardProdMode = 0;
    PointsCondClipboardName.clear();
    PointsCondClipboardFilled = PointsCondReloadPending = 0;
    EstimatedPayoutLow = 0.0;
    EstimatedPayoutHigh = 100000000.0;
    PointsCondLoading = 0;
    Zero(CondUndoPoints);
    CondUndoName.clear();
}

}  // namespace

flag NrCountForbidden[StartNumbers + 1][8];
flag NrSetCondMarks[StartNumbers + 1][NrSetCondCount_ + 1];
byte NrSetCondLow[NrSetCondCount_ + 1], NrSetCondHigh[NrSetCondCount_ + 1];
flag NrSetCondRequire[NrSetCondCount_ + 1], NrSetCondRemove[NrSetCondCount_ + 1];
byte NrSetCondCount;
int32 EqualNrRule[8];
int32 OddCountForbidden[8];
int32 PairRules[4];

int32 PayoutMin;
int32 PayoutMax;

namespace {

void ResetOtherConditions()
{
    Zero(NrCountForbidden);
    Zero(NrSetCondMarks);
    Fill(NrSetCondLow, byte{0});
    Fill(NrSetCondHigh, byte{6});
    Zero(NrSetCondRequire);
    Zero(NrSetCondRemove);
    NrSetCondCount = 0;
    Zero(EqualNrRule);
    Zero(OddCountForbidden);
    Zero(PairRules);
    PayoutMin = 0;
    PayoutMax = 100000000;
}

}  // namespace

TRowStoreColumn* RowStore;
int32* PackedRows;
int32 PackedRowsCapacity;
TSortBucket* RowSortBuckets;
int32 CouponCount;
int32 CouponRowCounts[MaxCoupons + 1];
flag CouponKept[MaxCoupons + 1];
int32 KeptCoupons[MaxCoupons + 1];
int32 KeptCouponCount;
int32 CurrentCouponPos, CurrentCoupon;
int32 MergeCouponCount, MergeCouponCount2;
flag CouponsReduced;
int32 ReductionPercent;
double CouponFee, CouponFeeTotal, TotalPrice;
int32 PriceRows;
THorseTable<int32> RowsPerHorseUnreduced;
THorseTable<int32> UnreducedPercent;

THorseTable<byte> ReductionPoints;
THorseTable<byte> ReductionChance;
int32 ReductionPointsSum[RaceSlots + 1];
int32 SingleRowTarget;
int32 SingleRowCount;
int32 RandomCode;
THorseTable<byte> SystemStreckPercent;
flag CouponUndo[MaxCoupons + 1];
int32 ManualReductionCoupon;

namespace {

void ResetConstructionResults()
{
    std::memset(static_cast<void*>(RowStore), 0, sizeof(TRowStoreColumn) * 8);
    std::memset(PackedRows, 0, sizeof(int32) * (RowStoreEntries + 1));
    std::memset(static_cast<void*>(RowSortBuckets), 0, sizeof(TSortBucket) * SortBucketCount);
    std::memset(static_cast<void*>(CouponGroupCodes), 0, sizeof(TPatternPlane) * PatternPlaneCount);
    CouponCount = 0;
    Zero(CouponRowCounts);
    Zero(CouponKept);
    Zero(KeptCoupons);
    KeptCouponCount = CurrentCouponPos = CurrentCoupon = 0;
    MergeCouponCount = MergeCouponCount2 = 0;
    CouponsReduced = 0;
    ReductionPercent = 0;
    CouponFee = CouponFeeTotal = TotalPrice = 0.0;
    PriceRows = 0;
    Zero(RowsPerHorseUnreduced);
    Zero(UnreducedPercent);

    Zero(ReductionPoints);
    Zero(ReductionChance);
    Zero(ReductionPointsSum);
    SingleRowTarget = SingleRowCount = 0;
    RandomCode = 765;
    Zero(SystemStreckPercent);
    Zero(CouponUndo);
    ManualReductionCoupon = 1;
}

}  // namespace

QString HorseNames[RaceSlots + 1][StartNumbers + 1];
QString DriverNames[RaceSlots + 1][StartNumbers + 1];
QString OddsTexts[RaceSlots + 1][StartNumbers + 1];
QString StreckTexts[RaceSlots + 1][StartNumbers + 1];
THorseTable<int32> OddsValues;
THorseTable<int32> StreckValues;
THorseTable<int32> Scratched;
THorseTable<int32> HorsePresent;
THorseTable<int32> HorsePoints;
THorseTable<int32> HorseValues3;
THorseTable<int32> RowVisible;
QString RaceInfoLines[RaceSlots + 1][10];
byte RaceInfoLineCount[RaceSlots + 1];
QString StartListHeading;
QString StartListFetchTime;
QString RoundDate;
QString GameName;
ShortText<50> GameType;
flag StreckShowPercent;
flag StreckPresent;
byte ParserFlags[3];
int32 ParserRace;
int32 ParserLineCount;
byte ParserScratchByte;
flag PointsLoaded;
flag StartListLoaded;
flag StartListFromFile;
flag StartListFromBrowser;
int32 OwnOrder[RaceSlots + 1][StartNumbers + 1];
int32 SavedOwnOrder[RaceSlots + 1][StartNumbers + 1];
flag OwnOrderMode;
flag KeepOwnOrder;
flag RestoreOwnOrderPending;
TDataDragState DataDragState;
int32 RowTops[StartNumbers + 1];
THorseTable<int32> DisplayedSlot;
flag PropositionOpen;
flag RaceWindowOpen[RaceSlots + 1];
flag OrderFormFilled;
double RaceDataPrintFontSize;
byte ShowRankColumn;
int32 DragSourceCode;
int32 DragRowTop;
int32 DragSourceSlot;
int32 DropY;
int32 MoveDirection;
int32 DropTargetSlot;
int32 RowHeight;
int32 RowGap;
byte RepositionAllRaces;

namespace {

void ResetRaceData()
{
    for (int r = 0; r <= RaceSlots; ++r) {
        for (int h = 0; h <= StartNumbers; ++h) {
            HorseNames[r][h].clear();
            DriverNames[r][h].clear();
            OddsTexts[r][h].clear();
            StreckTexts[r][h] = (r >= 1 && h >= 1) ? QStringLiteral("  0") : QString();
        }
        for (QString& line : RaceInfoLines[r])
            line.clear();
    }
    Zero(OddsValues);
    Zero(StreckValues);
    Zero(Scratched);
    Zero(HorsePresent);
    Zero(HorsePoints);
    Zero(HorseValues3);
    Fill(RowVisible, int32{1});
    RowVisible[0] = 0;
    Zero(RaceInfoLineCount);
    StartListHeading.clear();
    StartListFetchTime.clear();
    RoundDate.clear();
    GameName.clear();
    GameType = "v64";
    StreckShowPercent = StreckPresent = 0;
    Zero(ParserFlags);
    ParserRace = ParserLineCount = 0;
    ParserScratchByte = 0;
    PointsLoaded = StartListLoaded = StartListFromFile = StartListFromBrowser = 0;
    Zero(OwnOrder);
    Zero(SavedOwnOrder);
    OwnOrderMode = 1;
    KeepOwnOrder = RestoreOwnOrderPending = 0;
    Zero(DataDragState);
    Zero(RowTops);
    Zero(DisplayedSlot);
    PropositionOpen = 0;
    Zero(RaceWindowOpen);
    OrderFormFilled = 0;
    RaceDataPrintFontSize = 0;
    ShowRankColumn = 1;
    DragSourceCode = 11;
    DragRowTop = DragSourceSlot = DropY = MoveDirection = DropTargetSlot = 0;
    RowHeight = RowGap = 0;
    RepositionAllRaces = 0;
}

}  // namespace

byte ReserveMode;
byte ReserveLabelSlot[RaceSlots + 1][StartNumbers + 1];
byte ReserveDefaultOrder[RaceSlots + 1][StartNumbers + 1];
byte ReserveOrder[RaceSlots + 1][StartNumbers + 1];
flag ReserveOrderReset[RaceSlots + 1];
flag ReserveAux;
byte FixedReserves[RaceSlots + 1][3];
TReserveDragState ReserveDragState;

THorseTable<int32> RowsPerHorseKept;
flag StreckViewUnreduced;
flag StreckViewCounts;
flag StreckKeptComputed;
int32 SingleRowScrollPos;

void ResetCouponAndRowViews()
{
    Zero(RowsPerHorseKept);
    StreckViewUnreduced = 1;
    StreckViewCounts = 1;
    StreckKeptComputed = 0;
    SingleRowScrollPos = 1;
}

byte CorrectRow[RaceSlots + 1];
byte OfficialOrder[RaceSlots + 1][StartNumbers + 1];
byte StartersPerRace[RaceSlots + 1];
THorseTable<flag> ScratchedInGrading;
int32 PayoutPerHits[5];
byte NextRaceNo, NextRaceCorrect;
byte GradingWindowFlags;
int32 SavedRoundWinners[8];
int32 SavedRoundPayouts[4];
byte ChanceCorrectRow[RaceSlots + 1];

int32 ChanceSystemRows;

namespace {

void ResetChanceEvaluation()
{
    ChanceSystemRows = 100;
}

}  // namespace

flag PrintPortrait;
byte CouponFormType;
flag CouponPrintFlags;
byte CouponPrintCounts;
flag CouponPrintOptions;
flag CouponPrintFormOpen;

namespace {

void ResetReservesAndGrading()
{
    ReserveMode = 1;
    Zero(ReserveLabelSlot);
    Zero(ReserveDefaultOrder);
    Zero(ReserveOrder);
    Zero(OfficialOrder);
    Zero(FixedReserves);
    Zero(ReserveOrderReset);
    Zero(StartersPerRace);
    for (int r = 1; r <= RaceSlots; ++r) {
        for (int h = 1; h <= StartNumbers; ++h) {
            ReserveLabelSlot[r][h] = ReserveDefaultOrder[r][h] = ReserveOrder[r][h] = static_cast<byte>(h);
            OfficialOrder[r][h] = static_cast<byte>(h);
        }
        ReserveOrderReset[r] = 1;
        FixedReserves[r][1] = 1;
        FixedReserves[r][2] = 2;
        StartersPerRace[r] = 15;
    }
    ReserveAux = 0;
    Zero(ReserveDragState);

    Zero(CorrectRow);
    Zero(ScratchedInGrading);
    Zero(PayoutPerHits);
    NextRaceNo = NextRaceCorrect = 0;
    GradingWindowFlags = 1;
    Zero(SavedRoundWinners);
    Zero(SavedRoundPayouts);
    Zero(ChanceCorrectRow);

    PrintPortrait = 1;
    CouponFormType = 1;
    CouponPrintFlags = 1;
    CouponPrintCounts = 1;
    CouponPrintOptions = 0;
    CouponPrintFormOpen = 0;
}

}  // namespace

int32 CorrectCounts[8];
byte RowCorrectCounts[MaxGradedSingleRows + 1];
TCouponResult CouponResults[MaxCoupons + 1];
int32 WinningCouponCount;
int32 WinningRowCount;
int32 WinningRowsFirst;
std::int64_t WinningsPerClass[4];
byte WinnerMarkGroup[RaceSlots + 1];
int32 NextRaceWinner;
int32 NextRaceRowCount;

namespace {

void ResetGradingResults()
{
    Zero(CorrectCounts);
    Zero(RowCorrectCounts);
    Zero(CouponResults);
    WinningCouponCount = WinningRowCount = 0;
    WinningRowsFirst = 1;
    Zero(WinningsPerClass);
    Zero(WinnerMarkGroup);
    NextRaceWinner = NextRaceRowCount = 0;
}

}  // namespace

TCouponFormSettings CouponFormSettings;
int32 TextReportFirst, TextReportLast;
QStringList OwnTextLines;
PrintFont OwnTextFont;

namespace {

void ResetPrintOuts()
{
    CouponFormSettings = TCouponFormSettings();
    TextReportFirst = 0;
    TextReportLast = 0;
    OwnTextLines = QStringList{QStringLiteral("Plats för egen text.")};
    OwnTextFont = PrintFont{QStringLiteral("MS Sans Serif"), 8};
}

}  // namespace

ShortText<50> SystemName;
ShortText<50> SystemDate;
QString ProgramDir;
QString VersionText;
byte SevenRaceSlots;

namespace {

void ResetTexts()
{
    SystemName = "";
    SystemDate = "";
    ProgramDir.clear();
    VersionText = QStringLiteral("version 18.2");
    SevenRaceSlots = 1;
}

}  // namespace

QString MainFormCaption;
QString DataFormCaption;
int32 SavedRoundAux;

namespace {

void ResetSystemFileState()
{
    MainFormCaption.clear();
    DataFormCaption = QStringLiteral("Startlistor, streck och odds");
    SavedRoundAux = 0;
}

}  // namespace

void ResetGlobals()
{
    AllocateBlocks();
    ResetMarksAndPatterns();
    ResetCountsAndFlags();
    ResetGroupAndStartNrConditions();
    ResetPointsConditions();
    ResetOtherConditions();
    ResetConstructionResults();
    ResetRaceData();
    ResetReservesAndGrading();
    ResetGradingResults();
    ResetCouponAndRowViews();
    ResetChanceEvaluation();
    ResetPrintOuts();
    ResetTexts();
    ResetSystemFileState();
    EnumerateAbcdPatterns();
    MarkDummyRace();
}

void EnsurePackedRowsCapacity(int32 entries)
{
    AllocateBlocks();
    if (entries <= PackedRowsCapacity)
        return;
    delete[] PackedRows;
    PackedRows = new int32[entries]();
    PackedRowsCapacity = entries;
}

void InitializeGlobals()
{
    if (initialized)
        return;
    initialized = true;
    SeedRandomFromClock();
    ResetGlobals();
}

void FinalizeGlobals()
{
    if (finalized)
        return;
    finalized = true;
    ProgramDir.clear();
    OwnTextLines.clear();
    OwnTextFont.family.clear();
    CouponFormSettings.font.family.clear();
    CondUndoName.clear();
    StartNrCondClipboardComment.clear();
    PointsCondClipboardName.clear();
    for (int r = 0; r <= RaceSlots; ++r) {
        for (int h = 0; h <= StartNumbers; ++h) {
            HorseNames[r][h].clear();
            DriverNames[r][h].clear();
            OddsTexts[r][h].clear();
            StreckTexts[r][h].clear();
        }
        for (QString& line : RaceInfoLines[r])
            line.clear();
    }
    StartListHeading.clear();
    StartListFetchTime.clear();
    RoundDate.clear();
    GameName.clear();
    VersionText.clear();
    MainFormCaption.clear();
    DataFormCaption.clear();
}
