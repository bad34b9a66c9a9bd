#pragma once
// The domain's sizes, index types and checks: race slots, start numbers, groups A-D.
// Headers that need only these include this file, not the tables of variabl.h.

#include <cstdint>

using byte = std::uint8_t;
using flag = std::uint8_t;
using int32 = std::int32_t;

// The pools use races 1-6; race slot 7 is a dummy race whose horse 1 is in group A, so that
// products over seven slots equal the six-race product.
constexpr int PoolRaces = 6;
constexpr int RaceSlots = 7;
constexpr int StartNumbers = 15;
constexpr int HorseCount = RaceSlots * StartNumbers;  // 105

constexpr int GroupA = 1;
constexpr int GroupB = 2;
constexpr int GroupC = 3;
constexpr int GroupD = 4;
constexpr int GroupCount = 4;

constexpr bool IsRace(int race)
{
    return race >= 1 && race <= RaceSlots;
}
constexpr bool IsPoolRace(int race)
{
    return race >= 1 && race <= PoolRaces;
}
constexpr bool IsHorse(int startNr)
{
    return startNr >= 1 && startNr <= StartNumbers;
}
constexpr bool IsGroup(int group)
{
    return group >= GroupA && group <= GroupD;
}

// Flat per-horse index (race - 1) * 15 + start number, 1-105.
constexpr int HorseIndex(int race, int startNr)
{
    return (race - 1) * StartNumbers + startNr;
}

template <typename T>
using THorseTable = T[HorseCount + 1];  // [1..105]
