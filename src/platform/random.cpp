#include "platform/random.h"

#include <chrono>

std::uint32_t& RandSeed()
{
    static std::uint32_t seed = 0;
    return seed;
}

void SeedRandomFromClock()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    RandSeed() = static_cast<std::uint32_t>(ticks);
}

std::uint32_t RandomBelow(std::uint32_t n)
{
    std::uint32_t& seed = RandSeed();
    seed = seed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(n) * seed) >> 32);
}
