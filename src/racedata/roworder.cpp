#include "racedata/roworder.h"

#include "model/variabl.h"
#include "racedata/startlistimport.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

namespace {

bool IsStartNr(int32 n)
{
    return n >= 1 && n <= StartNumbers;
}

// True when the pair (i, j) of the exchange sort is to be swapped.
bool OutOfOrder(RowSortKey key, int32 first, int32 second)
{
    if (key == RowSortKey::Odds)
        return first == 0 || (second > 0 && second < first);
    return first < second;
}

// The odds as the page gave them, in hundredths; where the text holds no number (a file with
// whole odds only) the whole odds, in hundredths too.
int32 OddsKey(int race, int h)
{
    const int32 hundredths = OddsHundredthsOf(OddsTexts[race][h]);
    if (hundredths > 0)
        return hundredths;
    const std::int64_t whole = std::int64_t{OddsValues[HorseIndex(race, h)]} * 100;
    return static_cast<int32>(std::clamp<std::int64_t>(whole, std::numeric_limits<int32>::min(),
                                                       std::numeric_limits<int32>::max()));
}

int32 SortKey(RowSortKey key, int race, int h)
{
    switch (key) {
        case RowSortKey::Streck:
            return StreckValues[HorseIndex(race, h)];
        case RowSortKey::Odds:
            return OddsKey(race, h);
        case RowSortKey::Points:
            break;
    }
    return HorsePoints[HorseIndex(race, h)];
}

}  // namespace

HorseOrder StartNumberOrder()
{
    HorseOrder order{};
    for (int s = 1; s <= StartNumbers; ++s)
        order[s] = s;
    return order;
}

HorseOrder SortedByKeys(RowSortKey key, const std::array<int32, StartNumbers + 1>& keys)
{
    std::array<int32, StartNumbers + 1> sorted = keys;
    HorseOrder id = StartNumberOrder();
    for (int i = 1; i < StartNumbers; ++i)
        for (int j = i + 1; j <= StartNumbers; ++j)
            if (OutOfOrder(key, sorted[i], sorted[j])) {
                std::swap(sorted[i], sorted[j]);
                std::swap(id[i], id[j]);
            }
    return id;
}

HorseOrder SortedRace(RowSortKey key, int race)
{
    std::array<int32, StartNumbers + 1> keys{};
    if (race >= 1 && race <= RaceSlots)
        for (int h = 1; h <= StartNumbers; ++h)
            keys[h] = SortKey(key, race, h);
    return SortedByKeys(key, keys);
}

void HandStreckOrderToOwnOrder(int race, const HorseOrder& order)
{
    if (race < 1 || race > RaceSlots)
        return;
    if (KeepOwnOrder == 0)
        for (int s = 1; s <= StartNumbers; ++s)
            OwnOrder[race][s] = order[s];
    if (race == RaceSlots)
        KeepOwnOrder = 1;
}

HorseOrder AsPermutation(const int32 (&order)[StartNumbers + 1])
{
    HorseOrder result{};
    bool placed[StartNumbers + 1] = {};
    for (int s = 1; s <= StartNumbers; ++s)
        if (IsStartNr(order[s]) && !placed[order[s]]) {
            result[s] = order[s];
            placed[order[s]] = true;
        }
    int missing = 1;
    for (int s = 1; s <= StartNumbers; ++s) {
        if (result[s] != 0)
            continue;
        while (placed[missing])
            ++missing;
        result[s] = missing;
        placed[missing] = true;
    }
    return result;
}

int DragSourceSlotOf(int rowTop, int current, const int32 (&rowTops)[StartNumbers + 1])
{
    int slot = current;
    for (int i = 1; i <= StartNumbers; ++i)
        if (rowTops[i] - 8 < rowTop)
            slot = i;
    return slot;
}

OwnOrderMove DropMoveAt(int dropY, int dragRowTop, int rowHeight, int rowGap,
                        const int32 (&rowTops)[StartNumbers + 1])
{
    const int half = rowHeight / 2;
    OwnOrderMove move;
    if (dropY < dragRowTop - rowGap - half)
        move.direction = RowMove::Up;
    if (dropY > dragRowTop + half)
        move.direction = RowMove::Down;
    const int below = move.direction == RowMove::Up ? 1 : 0;
    for (int i = 1; i <= StartNumbers; ++i)
        if (move.direction != RowMove::None && dropY > rowTops[i] + half)
            move.targetSlot = i + below;
    return move;
}

void MoveInOwnOrder(int32 (&order)[StartNumbers + 1], RowMove direction, int sourceSlot, int targetSlot)
{
    const HorseOrder sound = AsPermutation(order);
    for (int s = 1; s <= StartNumbers; ++s)
        order[s] = sound[s];
    const bool up = direction == RowMove::Up && targetSlot <= sourceSlot;
    const bool down = direction == RowMove::Down && targetSlot >= sourceSlot;
    if (!IsStartNr(sourceSlot) || !IsStartNr(targetSlot) || !(up || down))
        return;
    order[0] = order[sourceSlot];
    if (up)
        for (int j = sourceSlot - 1; j >= targetSlot; --j)
            order[j + 1] = order[j];
    else
        for (int j = sourceSlot + 1; j <= targetSlot; ++j)
            order[j - 1] = order[j];
    order[targetSlot] = order[0];
}

int SlotAtTop(int top, const int32 (&rowTops)[StartNumbers + 1])
{
    for (int s = 1; s <= StartNumbers; ++s)
        if (rowTops[s] == top)
            return s;
    return 0;
}
