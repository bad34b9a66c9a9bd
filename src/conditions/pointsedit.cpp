#include "conditions/pointsedit.h"

#include <algorithm>

#include "conditions/stale.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

namespace {

// The start values that clearing gives a condition; the product bounds are not touched. True
// when a value that decides which rows the condition keeps changed (not only the name).
bool ClearConditionFields(int c)
{
    bool changed = false;
    const auto set = [&changed](auto& target, auto value) {
        changed = changed || target != value;
        target = value;
    };
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            set(CondPoints[r][h][c], byte{0});
    set(CondSumMax[c], StartSumMax);
    set(CondSumMin[c], int32{0});
    set(CondSumActive[c], int32{0});
    set(CondProdActive[c], int32{0});
    set(CondSumMode[c], int32{1});
    set(CondProdMode[c], int32{1});
    CondActive[c] = 0;
    PointsCondNames[c] = QString();
    return changed;
}

int32& ProductExponentOf(int c, bool upper)
{
    return upper ? CondProdMaxExp[c] : CondProdMinExp[c];
}

}  // namespace

byte LimitedPoint(int32 value)
{
    return static_cast<byte>(std::clamp(value, 0, MaxPoint));
}

int32 LimitedSumBound(int32 value)
{
    return std::clamp(value, 0, MaxSumBound);
}

int32 LimitedStoredSumBound(int32 value)
{
    return std::clamp(value, 0, StartSumMax);
}

int32 ShownSumMax(int c)
{
    return LimitedSumBound(CondSumMax[c]);
}

void MarkRowsStalePoints()
{
    if (PointsCondLoading == 0)
        MarkRowsStale(StalePoints);
}

void RecountActivePointsConds()
{
    int count = 0;
    for (int c = 1; c <= ConditionCount; ++c) {
        CondActive[c] = CondSumActive[c] == 1 || CondProdActive[c] == 1 ? 1 : 0;
        count += CondActive[c];
    }
    ActivePointsCondCount = static_cast<byte>(count);
}

PointsSumBounds ComputePointsSumBounds(int c)
{
    PointsSumBounds bounds;
    for (int r = 1; r <= 6; ++r) {
        int32 high = 0;
        int32 low = 100;
        bool marked = false;
        for (int h = 1; h <= StartNumbers; ++h) {
            if (HorseGroups[r][0][h] == 0)
                continue;
            marked = true;
            high = std::max<int32>(high, CondPoints[r][h][c]);
            low = std::min<int32>(low, CondPoints[r][h][c]);
        }
        if (!marked)
            continue;
        bounds.high += high;
        bounds.low += low;
        if (high > 0)
            bounds.productRaces << r;
    }
    return bounds;
}

Rgb PointsEditColour(int race, int horse, int c)
{
    const int group = HorseGroups[race][0][horse];
    if (!IsGroup(group))
        return PointsTeal;
    return CondPoints[race][horse][c] == 0 ? White : GroupColours[group];
}

int32 PointsRaceSum(int race, int c)
{
    int32 sum = 0;
    for (int h = 1; h <= StartNumbers; ++h)
        sum += CondPoints[race][h][c];
    return sum;
}

void StorePoint(int c, int race, int horse, int32 value)
{
    CondPoints[race][horse][c] = LimitedPoint(value);
    MarkRowsStalePoints();
}

void StoreSumMin(int c, int32 value)
{
    CondSumMin[c] = LimitedSumBound(value);
    MarkRowsStalePoints();
}

void StoreSumMax(int c, int32 value)
{
    CondSumMax[c] = LimitedSumBound(value);
    MarkRowsStalePoints();
}

void StoreProductMantissa(int c, bool upper, int32 mantissa)
{
    (upper ? CondProdMaxMantissa[c] : CondProdMinMantissa[c]) = mantissa;
    MarkRowsStalePoints();
}

void StoreProductExponent(int c, bool upper, int32 exponent)
{
    MarkRowsStalePoints();
    ProductExponentOf(c, upper) = exponent;
}

void SetPointsTestActive(int c, bool sumTest, bool on)
{
    (sumTest ? CondSumActive[c] : CondProdActive[c]) = on ? 1 : 0;
    RecountActivePointsConds();
    MarkRowsStalePoints();
}

void TogglePointsMode(int c, bool sumTest)
{
    int32& mode = sumTest ? CondSumMode[c] : CondProdMode[c];
    mode = mode == 1 ? 0 : 1;
    MarkRowsStalePoints();
}

void StorePointsCondName(int c, const QString& name)
{
    PointsCondNames[c] = AsWindows1252(name);
}

bool LimitStoredPoints(int c)
{
    bool changed = false;
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            if (CondPoints[r][h][c] > MaxPoint) {
                CondPoints[r][h][c] = MaxPoint;
                changed = true;
            }
    if (changed)
        MarkRowsStalePoints();
    return changed;
}

void ClearAllPointsConditions()
{
    bool changed = false;
    for (int c = 1; c <= ConditionCount; ++c)
        changed = ClearConditionFields(c) || changed;
    ActivePointsCondCount = 0;
    if (changed)
        MarkRowsStalePoints();
}

void ClearPointsCondition(int c)
{
    const bool changed = ClearConditionFields(c);
    RecountActivePointsConds();
    if (changed)
        MarkRowsStalePoints();
}

void CopyPointsCondition(int c)
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            PointsCondClipboard[HorseIndex(r, h)] = CondPoints[r][h][c];
    PointsCondClipboardSumMin = CondSumMin[c];
    PointsCondClipboardSumMax = CondSumMax[c];
    PointsCondClipboardSumActive = static_cast<byte>(CondSumActive[c]);
    PointsCondClipboardProdActive = static_cast<byte>(CondProdActive[c]);
    PointsCondClipboardSumMode = static_cast<byte>(CondSumMode[c]);
    PointsCondClipboardProdMode = static_cast<byte>(CondProdMode[c]);
    PointsCondClipboardName = PointsCondNames[c];
    PointsCondClipboardFilled = 1;
}

bool PastePointsCondition(int c)
{
    if (PointsCondClipboardFilled == 0)
        return false;
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            CondPoints[r][h][c] = PointsCondClipboard[HorseIndex(r, h)];
    CondSumMin[c] = PointsCondClipboardSumMin;
    CondSumMax[c] = PointsCondClipboardSumMax;
    CondSumActive[c] = PointsCondClipboardSumActive;
    CondProdActive[c] = PointsCondClipboardProdActive;
    CondSumMode[c] = PointsCondClipboardSumMode;
    CondProdMode[c] = PointsCondClipboardProdMode;
    PointsCondNames[c] = PointsCondClipboardName;
    RecountActivePointsConds();
    MarkRowsStalePoints();
    return true;
}

PointsValues StreckPoints()
{
    PointsValues values{};
    for (int i = 1; i <= HorseCount; ++i)
        values[i] = StreckValues[i];
    return values;
}

PointsValues RankPoints()
{
    PointsValues values{};
    for (int i = 1; i <= HorseCount; ++i)
        values[i] = HorsePresent[i] == 1 ? DisplayedSlot[i] : 0;
    return values;
}

PointsValues StartNumberPoints()
{
    PointsValues values{};
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            values[HorseIndex(r, h)] = h;
    return values;
}

PointsValues RescaledTo100(int c)
{
    PointsValues values{};
    for (int r = 1; r <= RaceSlots; ++r) {
        const int32 sum = PointsRaceSum(r, c);
        for (int h = 1; h <= StartNumbers; ++h) {
            const int32 points = CondPoints[r][h][c];
            const auto share = static_cast<int32>(DivideRoundHalfEven(std::int64_t{points} * 100, sum));
            values[HorseIndex(r, h)] = share == 0 && points > 0 ? 1 : share;
        }
    }
    return values;
}

void ApplyPointsTransfer(int c, const PointsValues& values, const QString& name)
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            CondPoints[r][h][c] = LimitedPoint(values[HorseIndex(r, h)]);
    PointsCondNames[c] = name;
    MarkRowsStalePoints();
}

void RescalePointsTo100(int c)
{
    CondUndoName = PointsCondNames[c];
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            CondUndoPoints[HorseIndex(r, h)] = CondPoints[r][h][c];
    ApplyPointsTransfer(c, RescaledTo100(c), SumHundredCondName);
}

void UndoPointsRescale(int c)
{
    PointsValues saved{};
    std::copy(std::begin(CondUndoPoints), std::end(CondUndoPoints), saved.begin());
    ApplyPointsTransfer(c, saved, CondUndoName);
}
