#include "output/reserves.h"

#include "model/variabl.h"
#include "platform/numbers.h"

namespace {

int AtPosition(int race, int position)
{
    return ReserveOrder[race][position];
}

bool Plays(THorseMask horses, int startNr)
{
    return startNr >= 1 && startNr <= StartNumbers && (horses & HorseBit(startNr)) != 0;
}

ReservePair FixedPair(int race, bool compact)
{
    const int f1 = FixedReserves[race][1];
    const int f2 = FixedReserves[race][2];
    if (!compact)
        return {2, f1, f2};
    ReservePair pair;
    for (int reserve : {f1, f2}) {
        if (reserve == 0)
            continue;
        (pair.count == 0 ? pair.first : pair.second) = reserve;
        ++pair.count;
    }
    return pair;
}

// The scan covers positions 1-15 and never reads past the order.
ReservePair ChosenOrderPair(int race, THorseMask horses, bool fallBack)
{
    ReservePair pair;
    for (int position = 1; position <= StartNumbers && pair.count < 2; ++position) {
        const int startNr = AtPosition(race, position);
        if (Plays(horses, startNr))
            continue;
        (pair.count == 0 ? pair.first : pair.second) = startNr;
        ++pair.count;
    }
    if (!fallBack || pair.count == 2)
        return pair;
    if (pair.count == 0)
        pair.first = AtPosition(race, 14);
    pair.second = AtPosition(race, 15);
    pair.count = 2;
    return pair;
}

ReservePair NextLowerPair(int race, THorseMask horses)
{
    int lowest = 0;
    for (int position = 1; position <= StartNumbers; ++position)
        if (Plays(horses, AtPosition(race, position)))
            lowest = position;
    if (lowest <= 13)
        return {2, AtPosition(race, lowest + 1), AtPosition(race, lowest + 2)};
    if (lowest == 14)
        return {2, AtPosition(race, 15), AtPosition(race, 14)};
    return {2, AtPosition(race, 14), AtPosition(race, 15)};
}

}  // namespace

ReservePair PickReserves(int race, THorseMask horses, bool fallBack, bool compact)
{
    if (!IsRace(race))
        return {};
    switch (ReserveMode) {
        case ReserveModeChosenOrder:
            return ChosenOrderPair(race, horses, fallBack);
        case ReserveModeFixed:
            return FixedPair(race, compact);
        case ReserveModeNextLower:
            return NextLowerPair(race, horses);
        default:
            return {};
    }
}

void BuildDefaultReserveOrder(int race)
{
    if (!IsRace(race))
        return;
    const auto groupOf = [race](int h) {
        const int group = HorseGroups[race][0][h];
        return group >= 1 && group <= 4 ? group : 0;
    };
    int label = 1;
    for (int group : {1, 2, 3, 4, 0})
        for (int h = 1; h <= StartNumbers; ++h)
            if (groupOf(h) == group)
                ReserveDefaultOrder[race][label++] = static_cast<byte>(h);
    for (int k = 1; k <= StartNumbers; ++k)
        ReserveLabelSlot[race][k] = static_cast<byte>(k);
}

void WriteReserveOrderFromStrips()
{
    for (int race = 1; race <= RaceSlots; ++race)
        for (int k = 1; k <= StartNumbers; ++k)
            ReserveOrder[race][ReserveLabelSlot[race][k]] = ReserveDefaultOrder[race][k];
}

QString ReserveModeLetter(int mode)
{
    static const QString letters[] = {QStringLiteral("-"), QStringLiteral("V"), QStringLiteral("F"),
                                      QStringLiteral("L")};
    return mode >= 1 && mode <= 4 ? letters[mode - 1] : letters[0];
}

ReserveStripGeometry StripGeometry(int stripLeft, int stripWidth, int labelWidth)
{
    ReserveStripGeometry geometry;
    geometry.xBase = stripLeft - static_cast<int>(RoundHalfEven(labelWidth / 2.0));
    geometry.slotX[1] = stripLeft + static_cast<int>(RoundHalfEven((stripWidth - 20.25 * labelWidth) / 2));
    for (int i = 2; i <= 16; ++i)
        geometry.slotX[i] =
            geometry.slotX[1] + static_cast<int>(RoundHalfEven((i - 1) * 11 * labelWidth / 8.0));
    return geometry;
}

int DropSlot(const ReserveStripGeometry& geometry, int dropLeft, int fromSlot)
{
    int slot = 1;
    while (slot < 16 && geometry.slotX[slot] < dropLeft)
        ++slot;
    return fromSlot < slot ? slot - 1 : slot;
}

int ReserveLabelAtSlot(int race, int slot)
{
    if (!IsRace(race))
        return 0;
    for (int k = 1; k <= StartNumbers; ++k)
        if (ReserveLabelSlot[race][k] == slot)
            return k;
    return 0;
}

void MoveReserveLabel(int race, int fromSlot, int toSlot)
{
    const int dragged = ReserveLabelAtSlot(race, fromSlot);
    if (dragged == 0 || toSlot < 1 || toSlot > StartNumbers || toSlot == fromSlot)
        return;
    const int step = toSlot < fromSlot ? -1 : 1;
    for (int slot = fromSlot + step; slot != toSlot + step; slot += step)
        ReserveLabelSlot[race][ReserveLabelAtSlot(race, slot)] = static_cast<byte>(slot - step);
    ReserveLabelSlot[race][dragged] = static_cast<byte>(toSlot);
}
