#pragma once
// The horses that a coupon or single row plays in one race, as a horse mask (bit h - 1 is
// start number h), whichever way the system was built.

#include <cstdint>

using THorseMask = std::uint16_t;

constexpr THorseMask HorseBit(int startNr)
{
    return static_cast<THorseMask>(1u << (startNr - 1));
}

// Number of start numbers in the mask.
int HorseCountOf(THorseMask horses);

// The groups (bit g - 1 for group g = 1..4, A..D) that a TGroupSetCode names: 1 A, 2 B, 3 C,
// 4 D, 5 AB, 6 AC, 7 AD, 8 BC, 9 BD, 10 CD, 11 ABC, 12 ABD, 13 ACD, 14 BCD, 15 ABCD; none for
// any other code.
unsigned GroupsOfCode(int code);

// The members of the groups that a TGroupSetCode names in race slot 1-7, as the marks stand now.
THorseMask HorsesOfGroupCode(int race, int code);

// The horses of coupon 1..CouponCount in race slot 1-7: from its group code when the system
// is a group system, else its horse mask in the row store. Empty outside the tables.
THorseMask CouponHorses(int race, int coupon);

// The start number of single row 1..SingleRowCount in race slot 1-7 as a mask; empty when the
// stored number is not a start number.
THorseMask SingleRowHorses(int race, int row);

// The product over race slots 1-7 of the coupon's horse counts.
std::int64_t CouponRowProduct(int coupon);
