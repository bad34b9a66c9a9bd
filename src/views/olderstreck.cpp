#include "views/olderstreck.h"

#include <algorithm>
#include <cstdint>

#include "marks/marking.h"
#include "model/variabl.h"
#include "platform/numbers.h"

Rgb OlderStreckCellColour(int race, int horse, int value)
{
    const int group = HorseGroupOf(race, horse);
    if (!IsGroup(group))
        return OlderWindowTeal;
    if (value == 0)
        return White;
    return GroupColours[group];
}

HorseShares UnreducedShares()
{
    HorseShares shares{};
    for (int i = 1; i <= HorseCount; ++i)
        shares[i] = static_cast<byte>(UnreducedPercent[i] & 0xFF);
    return shares;
}

std::optional<HorseShares> ReducedShares()
{
    if (SingleRowsBuilt != 1 || SingleRowCount <= 0)
        return std::nullopt;
    const int rows = std::min(SingleRowCount, RowStoreEntries);
    HorseShares shares{};
    for (int race = 1; race <= RaceSlots; ++race) {
        int counts[StartNumbers + 1] = {};
        const TRowStoreColumn& column = RowStore[race];
        for (int k = 1; k <= rows; ++k)
            if (IsHorse(column[k]))
                ++counts[column[k]];
        for (int horse = 1; horse <= StartNumbers; ++horse)
            shares[HorseIndex(race, horse)] = static_cast<byte>(PercentHalfEven(counts[horse], rows));
    }
    return shares;
}

std::optional<QString> EnterOlderChance(int race, int horse, const QString& text)
{
    if (!IsRace(race) || !IsHorse(horse) || text.isEmpty())
        return std::nullopt;
    byte& chance = ReductionPoints[HorseIndex(race, horse)];
    std::int32_t value = 0;
    if (!TryParseInt(text, value))
        return QString::number(chance);
    if (value >= 0 && value <= 100)
        chance = static_cast<byte>(value);
    return std::nullopt;
}

int ChanceSum(int race)
{
    int sum = 0;
    if (IsRace(race))
        for (int horse = 1; horse <= StartNumbers; ++horse)
            sum += ReductionPoints[HorseIndex(race, horse)];
    return sum;
}

HorseShares TransferUnreducedSharesToChances()
{
    const HorseShares shares = UnreducedShares();
    std::copy(shares.begin() + 1, shares.end(), std::begin(ReductionPoints) + 1);
    return shares;
}
