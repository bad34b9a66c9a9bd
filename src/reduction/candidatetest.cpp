#include "reduction/candidatetest.h"

#include <algorithm>

#include "conditions/winnercounts.h"
#include "model/patterns.h"
#include "model/variabl.h"
#include "platform/numbers.h"

namespace {

constexpr int Races = 6;
constexpr int Groups = 4;

constexpr std::uint16_t Bit(int startNr)
{
    return static_cast<std::uint16_t>(1u << (startNr - 1));
}

int GroupOf(int slot, int startNr)
{
    return std::clamp<int>(HorseGroups[slot][0][startNr], 1, Groups);
}

// The winner counts, the ABCD list and the ABCD group conditions depend on the groups of
// the row only: their verdict per ABCD pattern, worked out once.
struct GroupConditionTest {
    std::array<std::uint16_t, RaceSlots + 1> cells{};  // [slot]: bit g-1 = group g selected
    std::uint8_t rejectingHits = 0;                    // bit k: forbidden and reachable
};

std::vector<GroupConditionTest> PrepareGroupConditionTests()
{
    std::vector<GroupConditionTest> tests;
    for (int c = 1; c <= ConditionCount; ++c) {
        GroupConditionTest test;
        bool anyCell = false;
        for (int r = 1; r <= RaceSlots; ++r)
            for (int g = 1; g <= Groups; ++g)
                if (GroupCondCells[r][g][c] == 1) {
                    test.cells[r] |= static_cast<std::uint16_t>(1u << (g - 1));
                    anyCell = true;
                }
        for (int k = 0; k <= RaceSlots; ++k)
            if (GroupCondForbiddenHits[k][c] == 1 && GroupCondUnreachableHits[k][c] != 1)
                test.rejectingHits |= static_cast<std::uint8_t>(1u << k);
        if (anyCell && test.rejectingHits != 0)
            tests.push_back(test);
    }
    return tests;
}

bool PatternPasses(const std::array<int, RaceSlots + 1>& groups, const ReductionRestrictions& on,
                   const std::vector<GroupConditionTest>& conditions)
{
    std::array<int, Groups + 1> n{};
    for (int r = 1; r <= RaceSlots; ++r)
        ++n[groups[r]];
    if (on.winnerCounts && !WinnerCountsAllow(n[1], n[2], n[3], n[4]))
        return false;
    if (on.abcdList && CompositionNej[CompositionIndex(n[1], n[2], n[3])] == 1)
        return false;
    if (!on.groupConditions)
        return true;
    for (const GroupConditionTest& test : conditions) {
        int hits = 0;
        for (int r = 1; r <= RaceSlots; ++r)
            hits += (test.cells[r] >> (groups[r] - 1)) & 1;
        if ((test.rejectingHits >> hits) & 1)
            return false;
    }
    return true;
}

}  // namespace

CandidateTest::CandidateTest(const ReductionRestrictions& on, bool payoutSwitch,
                             const StartNrGroupSettings& groups)
    : on_(on)
{
    PrepareAllowedPatterns();
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            patternPart_[r][h] = (GroupOf(r, h) - 1) << (2 * (RaceSlots - r));
    if (on_.startNumbers)
        PrepareStartNrTests(groups);
    if (on_.points)
        PreparePointsTests();
    ConstructionSwitches shared;
    shared.otherNumbers = on_.otherNumbers;
    shared.payout = payoutSwitch;
    shared_ = PrepareRowConditions(shared, groups);
    payoutTest_ = shared_.payoutTest();
    PrepareStreckFactors();
}

// [pattern - 1]: the pattern passes the ticked pattern-level restrictions.
void CandidateTest::PrepareAllowedPatterns()
{
    const std::vector<GroupConditionTest> conditions = PrepareGroupConditionTests();
    allowedPattern_.assign(PatternCount, false);
    std::array<int, RaceSlots + 1> groups{};
    for (int p = 0; p < PatternCount; ++p) {
        for (int r = 1; r <= RaceSlots; ++r)
            groups[r] = ((p >> (2 * (RaceSlots - r))) & 3) + 1;
        allowedPattern_[static_cast<std::size_t>(p)] = PatternPasses(groups, on_, conditions);
    }
}

void CandidateTest::PrepareStartNrTests(const StartNrGroupSettings& groups)
{
    for (int g = 1; g <= StartNrGroupCount; ++g) {
        groupActive_[g] = groups.active[g];
        groupLow_[g] = groups.low[g];
        groupHigh_[g] = groups.high[g];
        anyGroupActive_ = anyGroupActive_ || groups.active[g];
    }
    for (int c = 1; c <= ConditionCount; ++c) {
        if (StartNrCondActive[c] != 1)
            continue;
        StartNrTest test;
        for (int r = 1; r <= RaceSlots; ++r)
            for (int h = 1; h <= StartNumbers; ++h)
                if (StartNrCondMarks[r][h][c] == 1)
                    test.marks[r] |= Bit(h);
        for (int k = 0; k <= RaceSlots; ++k) {
            const bool forbidden = StartNrCondForbiddenCounts[k][c] == 1;
            const bool unreachable = StartNrCondUnreachableCounts[k][c] == 1;
            if (forbidden && !unreachable)
                test.rejectingHits |= static_cast<std::uint8_t>(1u << k);
            if (!forbidden && !unreachable)
                test.metHits |= static_cast<std::uint8_t>(1u << k);
        }
        for (int g = 1; g <= StartNrGroupCount; ++g)
            if (groups.active[g] && groups.member[g][c])
                test.groups |= static_cast<std::uint8_t>(1u << g);
        startNr_.push_back(test);
    }
}

void CandidateTest::PreparePointsTests()
{
    for (int c = 1; c <= ConditionCount; ++c) {
        if (CondActive[c] == 0)
            continue;
        if (CondSumActive[c] != 0) {
            PreparedSumCondition sum{c, CondSumMin[c], CondSumMax[c], CondSumMode[c], {}};
            for (int r = 1; r <= Races; ++r)
                for (int h = 1; h <= StartNumbers; ++h)
                    sum.points[r][h] = CondPoints[r][h][c];
            sums_.push_back(sum);
        }
        if (CondProdActive[c] != 0) {
            PreparedProductCondition product{c,
                                             ProductBound(CondProdMinMantissa[c], CondProdMinExp[c], 0.0),
                                             ProductBound(CondProdMaxMantissa[c], CondProdMaxExp[c], 0.0),
                                             CondProdMode[c],
                                             {}};
            for (int r = 1; r <= RaceSlots; ++r)
                for (int h = 1; h <= StartNumbers; ++h)
                    product.factors[r][h] = std::max<int32>(1, CondPoints[r][h][c]);
            products_.push_back(product);
        }
    }
}

// Each horse's streck as a whole percentage of its slot's streck, at least 1 for a horse
// with streck; a horse without streck counts as 1 in the product.
void CandidateTest::PrepareStreckFactors()
{
    for (auto& slot : streckFactor_)
        slot.fill(1.0);
    if (StreckPresent != 1)
        return;
    for (int r = 1; r <= RaceSlots; ++r) {
        std::int64_t sum = 0;
        for (int h = 1; h <= StartNumbers; ++h)
            sum += StreckValues[HorseIndex(r, h)];
        for (int h = 1; h <= StartNumbers; ++h) {
            const int32 streck = StreckValues[HorseIndex(r, h)];
            if (streck > 0 && sum > 0)
                streckFactor_[r][h] =
                    static_cast<double>(std::max<std::int64_t>(1, PercentHalfEven(streck, sum)));
        }
    }
}

CandidateTally CandidateTest::Start() const
{
    CandidateTally tally;
    std::fill_n(tally.products.begin(), products_.size(), 1.0);
    return tally;
}

void CandidateTest::Extend(const CandidateTally& base, int slot, int h, CandidateTally& out) const
{
    out.pattern = base.pattern + patternPart_[slot][h];
    if (&out != &base)
        out.numberCounts = base.numberCounts;
    if (slot <= Races)
        ++out.numberCounts[h];
    out.payoutProduct = base.payoutProduct * streckFactor_[slot][h];
    for (std::size_t i = 0; i < startNr_.size(); ++i)
        out.startNrHits[i] =
            static_cast<std::uint8_t>(base.startNrHits[i] + ((startNr_[i].marks[slot] & Bit(h)) != 0));
    for (std::size_t i = 0; i < sums_.size(); ++i)
        out.sums[i] = base.sums[i] + sums_[i].points[slot][h];
    for (std::size_t i = 0; i < products_.size(); ++i)
        out.products[i] = base.products[i] * products_[i].factors[slot][h];
}

bool CandidateTest::PassesStartNr(const CandidateTally& row) const
{
    std::array<int, StartNrGroupCount + 1> met{};
    for (std::size_t i = 0; i < startNr_.size(); ++i) {
        const StartNrTest& test = startNr_[i];
        const int hits = row.startNrHits[i];
        if (test.groups == 0) {
            if ((test.rejectingHits >> hits) & 1)
                return false;
            continue;
        }
        if ((test.metHits >> hits) & 1)
            for (int g = 1; g <= StartNrGroupCount; ++g)
                met[g] += (test.groups >> g) & 1;
    }
    if (!anyGroupActive_)
        return true;
    for (int g = 1; g <= StartNrGroupCount; ++g)
        if (groupActive_[g] && (met[g] < groupLow_[g] || met[g] > groupHigh_[g]))
            return false;
    return true;
}

bool CandidateTest::PassesPoints(const CandidateTally& row) const
{
    for (std::size_t i = 0; i < sums_.size(); ++i)
        if (SumTestRejects(row.sums[i], sums_[i].min, sums_[i].max, sums_[i].mode))
            return false;
    for (std::size_t i = 0; i < products_.size(); ++i)
        if (ProductTestRejects(row.products[i], products_[i].min, products_[i].max, products_[i].mode))
            return false;
    return true;
}

bool CandidateTest::PassesPayout(double product) const
{
    const PreparedRowConditions& s = shared_;
    return !(s.payoutHighOn && product < s.boundHigh) && !(s.payoutLowOn && product > s.boundLow);
}

bool CandidateTest::Passes(const CandidateTally& row) const
{
    if (!allowedPattern_[static_cast<std::size_t>(row.pattern)])
        return false;
    if (on_.startNumbers && !PassesStartNr(row))
        return false;
    if (on_.points && !PassesPoints(row))
        return false;
    if (payoutTest_ && !PassesPayout(row.payoutProduct))
        return false;
    return !on_.otherNumbers || PassesOtherNumberConditions(shared_, row.numberCounts);
}

bool CandidateTest::Passes(const RowNumbers& row) const
{
    CandidateTally tally = Start();
    for (int r = 1; r <= RaceSlots; ++r)
        Extend(tally, r, row[r], tally);
    return Passes(tally);
}
