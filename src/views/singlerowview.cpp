#include "views/singlerowview.h"

#include "output/couponhorses.h"
#include "output/reserves.h"

namespace {

bool IsShownRow(int32 row, int race)
{
    return row >= 1 && row <= SingleRowCount && row <= RowStoreEntries && race >= 1 && race <= RaceSlots;
}

}  // namespace

int32 SingleRowScrollMax(int32 rowCount)
{
    return rowCount <= SingleRowColumns ? 1 : rowCount - (SingleRowColumns - 1);
}

std::optional<int32> SingleRowPageStep(int32 rowCount)
{
    struct Band {
        int32 fromRows;
        int32 step;
    };
    static constexpr Band bands[] = {{50000, 1000}, {20000, 400}, {10000, 200},
                                     {5000, 100},   {1000, 50},   {30, 10}};
    for (const Band& band : bands)
        if (rowCount >= band.fromRows)
            return band.step;
    return std::nullopt;
}

QString SingleRowStartText(int32 row, int race)
{
    return IsShownRow(row, race) ? QString::number(RowStore[race][row]) : QStringLiteral("0");
}

QString SingleRowReserveText(int32 row, int race)
{
    if (!IsShownRow(row, race))
        return QStringLiteral("0");
    const ReservePair pair = PickReserves(race, SingleRowHorses(race, row), true, true);
    switch (pair.count) {
        case 0:
            return QStringLiteral("0");
        case 1:
            return QString::number(pair.first);
        default:
            return QString::number(pair.first) + u',' + QString::number(pair.second);
    }
}
