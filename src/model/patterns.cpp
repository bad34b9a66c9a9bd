#include "model/patterns.h"

#include <algorithm>
#include <array>

#include "model/variabl.h"

namespace {

struct Counts {
    int a, b, c, d;
};

// The compositions in list order: nA descending, then nB, then nC.
const std::array<Counts, CompositionCount + 1>& CompositionTable()
{
    static const auto table = [] {
        std::array<Counts, CompositionCount + 1> t{};
        int k = 0;
        for (int a = 7; a >= 0; --a)
            for (int b = 7 - a; b >= 0; --b)
                for (int c = 7 - a - b; c >= 0; --c)
                    t[++k] = {a, b, c, 7 - a - b - c};
        return t;
    }();
    return table;
}

}  // namespace

int PatternNumber(const int groups[8])
{
    int p = 0;
    for (int r = 1; r <= RaceSlots; ++r)
        p = p * 4 + (groups[r] - 1);
    return p + 1;
}

int CompositionIndex(int nA, int nB, int nC)
{
    // Compositions before (nA, nB, nC): all with a larger A count, then larger B, then larger C.
    auto tri = [](int n) { return (n + 1) * (n + 2) / 2; };  // ways to split n into (b, c, d)
    int index = 0;
    for (int a = 7; a > nA; --a)
        index += tri(7 - a);
    for (int b = 7 - nA; b > nB; --b)
        index += 7 - nA - b + 1;
    index += (7 - nA - nB) - nC;
    return index + 1;
}

QString CompositionText(int composition)
{
    const Counts c = CompositionTable()[composition];
    const int a = composition <= 84 ? c.a - 1 : c.a;
    return QStringLiteral(" %1  %2  %3  %4").arg(a).arg(c.b).arg(c.c).arg(c.d);
}

void EnumerateAbcdPatterns()
{
    auto& planes = AbcdPatternPlanes;
    int digits[8] = {0, 1, 1, 1, 1, 1, 1, 1};
    for (int p = 1; p <= PatternCount; ++p) {
        int n[5] = {0, 0, 0, 0, 0};
        for (int r = 1; r <= RaceSlots; ++r) {
            planes[r][p] = static_cast<byte>(digits[r]);
            ++n[digits[r]];
        }
        planes[PlaneComposition][p] = static_cast<byte>(CompositionIndex(n[1], n[2], n[3]));
        PatternRowCounts[p] = 0;
        planes[PlaneTakesPart][p] = 0;
        planes[PlaneHasRows][p] = 0;
        planes[PlaneWinnerCounts][p] = 1;
        planes[PlaneCompositionList][p] = 1;
        planes[PlaneGroupConditions][p] = 1;
        for (int r = RaceSlots; r >= 1 && ++digits[r] == 5; --r)
            digits[r] = 1;
    }
}

void SetPatternPlane(int plane, std::uint8_t value)
{
    std::fill(std::begin(AbcdPatternPlanes[plane]) + 1,
              std::begin(AbcdPatternPlanes[plane]) + PatternCount + 1, value);
}
