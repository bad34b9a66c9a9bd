#pragma once
// The program's 32-bit linear congruential generator: each draw sets
// seed := seed * 134775813 + 1 (mod 2^32) and returns the high 32 bits of n * seed.

#include <cstdint>

std::uint32_t& RandSeed();
void SeedRandomFromClock();
// A draw in 0..n-1 (0 when n is 0).
std::uint32_t RandomBelow(std::uint32_t n);
