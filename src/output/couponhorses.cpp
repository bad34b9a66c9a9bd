#include "output/couponhorses.h"

#include <bit>

#include "model/variabl.h"

namespace {

constexpr THorseMask AllHorses = (1u << StartNumbers) - 1;

}  // namespace

int HorseCountOf(THorseMask horses)
{
    return std::popcount(static_cast<unsigned>(horses));
}

unsigned GroupsOfCode(int code)
{
    // Index: the code; value: bit g - 1 for each group g it names.
    static constexpr unsigned groups[16] = {0,      0b0001, 0b0010, 0b0100, 0b1000, 0b0011, 0b0101, 0b1001,
                                            0b0110, 0b1010, 0b1100, 0b0111, 0b1011, 0b1101, 0b1110, 0b1111};
    return code >= 1 && code <= 15 ? groups[code] : 0;
}

THorseMask HorsesOfGroupCode(int race, int code)
{
    if (!IsRace(race))
        return 0;
    const unsigned groups = GroupsOfCode(code);
    THorseMask horses = 0;
    for (int group = 1; group <= 4; ++group) {
        if ((groups & (1u << (group - 1))) == 0)
            continue;
        for (int h = 1; h <= StartNumbers; ++h)
            if (HorseGroups[race][group][h] != 0)
                horses |= HorseBit(h);
    }
    return horses;
}

THorseMask CouponHorses(int race, int coupon)
{
    if (!IsRace(race) || coupon < 1 || coupon > MaxCoupons)
        return 0;
    if (GroupSystemBuilt == 1)
        return HorsesOfGroupCode(race, CouponGroupCodes[race][coupon]);
    return static_cast<THorseMask>(RowStore[race][coupon] & AllHorses);
}

THorseMask SingleRowHorses(int race, int row)
{
    if (!IsRace(race) || row < 1 || row > RowStoreEntries)
        return 0;
    const int32 startNr = RowStore[race][row];
    return startNr >= 1 && startNr <= StartNumbers ? HorseBit(startNr) : 0;
}

std::int64_t CouponRowProduct(int coupon)
{
    std::int64_t product = 1;
    for (int race = 1; race <= RaceSlots; ++race)
        product *= HorseCountOf(CouponHorses(race, coupon));
    return product;
}
