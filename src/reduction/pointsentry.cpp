#include "reduction/pointsentry.h"

#include <algorithm>

#include "platform/numbers.h"

namespace {

constexpr int32 MaxPoints = 100;

bool IsHorseCode(int32 race, int32 startNr)
{
    return race >= 1 && race <= RaceSlots && startNr >= 1 && startNr <= StartNumbers;
}

}  // namespace

QString PadCellNumber(int32 n)
{
    return QString::number(n).rightJustified(n < 10 && n >= 0 ? 4 : 3, QLatin1Char(' '));
}

QString CommitReducePointEdit(int32 code, const QString& text)
{
    const int32 race = code / 100;
    const int32 startNr = code - 100 * race;
    if (!IsHorseCode(race, startNr))
        return text;
    byte& stored = ReductionPoints[HorseIndex(race, startNr)];
    std::int32_t value = stored;
    if (TryParseInt(text, value) && value >= 0 && value <= MaxPoints)
        stored = static_cast<byte>(value);
    return PadCellNumber(stored);
}

void TransferStreckToPoints()
{
    for (int r = 1; r <= RaceSlots - 1; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            ReductionPoints[HorseIndex(r, h)] =
                static_cast<byte>(std::clamp<int32>(StreckValues[HorseIndex(r, h)], 0, MaxPoints));
}

void TransferUnreducedToPoints()
{
    for (int i = 1; i <= HorseCount; ++i)
        ReductionPoints[i] = static_cast<byte>(std::clamp<int32>(UnreducedPercent[i], 0, MaxPoints));
}

void TransferConditionToPoints(int condition)
{
    const int c = std::clamp(condition, 1, ConditionCount);
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            ReductionPoints[HorseIndex(r, h)] = CondPoints[r][h][c];
}

QString PointsConditionComment(int condition)
{
    if (condition < 1 || condition > ConditionCount)
        return QString();
    return PointsCondNames[condition];
}

std::optional<QString> ChangeSingleRowTarget(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    std::int32_t value = 0;
    if (!TryParseInt(text, value))
        return QString::number(SingleRowTarget);
    SingleRowTarget = std::max(value, 0);
    return std::nullopt;
}

bool SingleRowTargetTextQuestionable(const QString& text)
{
    return text != QString::number(SingleRowTarget);
}
