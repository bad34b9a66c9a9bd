#include "conditions/rowconditions.h"

#include <algorithm>

#include "platform/numbers.h"

namespace {

constexpr int32 PayoutCeiling = 100000000;
constexpr long double PoolConstantV65 = 325000000000.0L;
constexpr long double PoolConstantV64 = 260000000000.0L;

constexpr std::uint16_t Bit(int startNr)
{
    return static_cast<std::uint16_t>(1u << (startNr - 1));
}

// P1: each horse's streck as a whole percentage of its race's streck.
void PrepareStreckPercent(PreparedRowConditions& p)
{
    if (StreckPresent != 1)
        return;
    for (int r = 1; r <= 6; ++r) {
        std::int64_t sum = 0;
        for (int h = 1; h <= StartNumbers; ++h)
            sum += StreckValues[HorseIndex(r, h)];
        if (sum <= 0)
            continue;
        for (int h = 1; h <= StartNumbers; ++h) {
            const int32 v = StreckValues[HorseIndex(r, h)];
            if (v > 0)
                p.streckPercent[r][h] = std::max<int32>(1, static_cast<int32>(PercentHalfEven(v, sum)));
        }
    }
    p.streckPercent[7][1] = 1;
}

// P2: the payout limits as bounds on the product of the percentages.
void PreparePayoutBounds(PreparedRowConditions& p)
{
    if (StreckPresent != 1 || !p.switches.payout)
        return;
    long double pool = 0;
    if (GameType == QStringLiteral("v65"))
        pool = PoolConstantV65;
    else if (GameType == QStringLiteral("v64"))
        pool = PoolConstantV64;
    else
        return;  // no pool constant: no estimate, so no payout test
    p.payoutLowOn = PayoutMin > 0 && PayoutMin <= PayoutCeiling;
    p.payoutHighOn = PayoutMax > 0 && PayoutMax < PayoutCeiling;
    if (p.payoutLowOn)
        p.boundLow = static_cast<double>(pool / PayoutMin);
    if (p.payoutHighOn)
        p.boundHigh = static_cast<double>(pool / PayoutMax);
}

// P5, P8: the start-number conditions that can reject a row, with their active groups.
void PrepareStartNrConditions(PreparedRowConditions& p, const StartNrGroupSettings& groups)
{
    for (int g = 1; g <= StartNrGroupCount; ++g) {
        p.groupActive[g] = groups.active[g];
        p.groupLow[g] = groups.low[g];
        p.groupHigh[g] = groups.high[g];
    }
    for (int c = 1; c <= ConditionCount; ++c) {
        if (StartNrCondUsed[c] != 1 || StartNrCondActive[c] != 1)
            continue;
        PreparedStartNrCondition cond;
        cond.number = c;
        int reach = 0;  // slots in which c marks a horse of the system
        for (int r = 1; r <= RaceSlots; ++r) {
            bool reaches = false;
            for (int h = 1; h <= StartNumbers; ++h) {
                if (StartNrCondMarks[r][h][c] != 1)
                    continue;
                cond.marks[r] |= Bit(h);
                reaches = reaches || HorseGroups[r][0][h] > 0;
            }
            reach += reaches;
        }
        for (int k = 0; k <= 7; ++k)
            if (StartNrCondForbiddenCounts[k][c] == 1)
                cond.forbiddenCounts |= static_cast<std::uint8_t>(1u << k);
        if ((cond.forbiddenCounts & ((1u << (reach + 1)) - 1)) == 0)
            continue;
        for (int g = 1; g <= StartNrGroupCount; ++g)
            if (groups.active[g] && groups.member[g][c])
                cond.groups |= static_cast<std::uint8_t>(1u << g);
        p.startNr.push_back(cond);
    }
}

// P9: the switched-on sum and product tests, with their points.
void PreparePointsConditions(PreparedRowConditions& p)
{
    for (int c = 1; c <= ConditionCount; ++c) {
        if (CondSumActive[c] == 1) {
            PreparedSumCondition sum;
            sum.number = c;
            sum.min = CondSumMin[c];
            sum.max = CondSumMax[c];
            sum.mode = CondSumMode[c];
            for (int r = 1; r <= RaceSlots; ++r)
                for (int h = 1; h <= StartNumbers; ++h)
                    sum.points[r][h] = CondPoints[r][h][c];
            p.sums.push_back(sum);
        }
        if (CondProdActive[c] == 1) {
            PreparedProductCondition product;
            product.number = c;
            product.min = CondProdMinReal[c];
            product.max = CondProdMaxReal[c];
            product.mode = CondProdMode[c];
            for (int r = 1; r <= RaceSlots; ++r)
                for (int h = 1; h <= StartNumbers; ++h)
                    product.factors[r][h] = std::max<int32>(1, CondPoints[r][h][c]);
            p.products.push_back(product);
        }
    }
}

// P3, P7: counts per number, number sets, equal numbers, odd counts and pairs.
void PrepareOtherNumberConditions(PreparedRowConditions& p)
{
    for (int n = 1; n <= StartNumbers; ++n) {
        for (int k = 0; k <= 7; ++k)
            if (NrCountForbidden[n][k] == 1)
                p.countForbidden[n] |= static_cast<std::uint8_t>(1u << k);
        if (p.countForbidden[n] != 0)
            p.countRuleNumbers |= Bit(n);
    }
    for (int s = 1; s <= NrSetCondCount_; ++s) {
        PreparedNumberSet set;
        set.require = NrSetCondRequire[s] == 1;
        set.remove = NrSetCondRemove[s] == 1;
        set.low = NrSetCondLow[s];
        set.high = NrSetCondHigh[s];
        for (int n = 1; n <= StartNumbers; ++n)
            if (NrSetCondMarks[n][s] == 1)
                set.members |= Bit(n);
        if ((set.require || set.remove) && (set.high < 7 || set.low > 0) && set.members != 0)
            p.numberSets.push_back(set);
    }
    for (int k = 1; k <= 6; ++k)
        p.equalRule[k] = EqualNrRule[k] == 1;
    for (int k = 0; k <= 6; ++k)
        p.oddForbidden[k] = OddCountForbidden[k] == 1;
    for (int k = 1; k <= 3; ++k) {
        p.pairRules[k] = static_cast<std::uint8_t>(PairRules[k] & 0xFF);
        p.anyPairRule = p.anyPairRule || p.pairRules[k] != 0;
    }
}

}  // namespace

StartNrGroupSettings CurrentStartNrGroupSettings()
{
    StartNrGroupSettings settings;
    for (int g = 1; g <= StartNrGroupCount; ++g) {
        settings.active[g] = ConditionGroupActive[g] == 1;
        for (int c = 1; c <= ConditionCount; ++c)
            settings.member[g][c] = settings.active[g] && ConditionGroupMembers[g][c] == 1;
        settings.low[g] = ConditionGroupLimits[2 * g - 1];
        settings.high[g] = ConditionGroupLimits[2 * g];
    }
    return settings;
}

PreparedRowConditions PrepareRowConditions(const ConstructionSwitches& switches,
                                           const StartNrGroupSettings& groups)
{
    PreparedRowConditions p;
    p.switches = switches;
    PrepareStreckPercent(p);
    PreparePayoutBounds(p);
    ComputeProductBounds();
    PrepareStartNrConditions(p, groups);
    PreparePointsConditions(p);
    PrepareOtherNumberConditions(p);
    return p;
}

NumberCounts CountNumbers(const RowNumbers& row)
{
    NumberCounts counts{};
    for (int r = 1; r <= 6; ++r)
        ++counts[row[r]];
    return counts;
}

bool PassesStartNrConditions(const PreparedRowConditions& p, const RowNumbers& row)
{
    if (!p.switches.startNumbers)
        return true;
    std::array<int, StartNrGroupCount + 1> met{};
    for (const PreparedStartNrCondition& cond : p.startNr) {
        int hits = 0;
        for (int r = 1; r <= RaceSlots; ++r)
            hits += (cond.marks[r] & Bit(row[r])) != 0;
        const bool forbidden = (cond.forbiddenCounts >> hits) & 1;
        if (cond.groups == 0 && forbidden)
            return false;
        for (int g = 1; g <= StartNrGroupCount; ++g)
            met[g] += !forbidden && ((cond.groups >> g) & 1);
    }
    for (int g = 1; g <= StartNrGroupCount; ++g)
        if (p.groupActive[g] && (met[g] < p.groupLow[g] || met[g] > p.groupHigh[g]))
            return false;
    return true;
}

bool PassesPointsConditions(const PreparedRowConditions& p, const RowNumbers& row)
{
    return !p.switches.points || PassesPointsTests(p.sums, p.products, row);
}

bool PassesPointsTests(const std::vector<PreparedSumCondition>& sums,
                       const std::vector<PreparedProductCondition>& products, const RowNumbers& row)
{
    for (const PreparedSumCondition& cond : sums) {
        int32 sum = 0;
        for (int r = 1; r <= RaceSlots; ++r)
            sum += cond.points[r][row[r]];
        if (SumTestRejects(sum, cond.min, cond.max, cond.mode))
            return false;
    }
    for (const PreparedProductCondition& cond : products) {
        double product = 1.0;
        for (int r = 1; r <= RaceSlots; ++r)
            product *= cond.factors[r][row[r]];
        if (ProductTestRejects(product, cond.min, cond.max, cond.mode))
            return false;
    }
    return true;
}

bool PassesPayoutInterval(const PreparedRowConditions& p, const RowNumbers& row)
{
    if (!p.payoutTest())
        return true;
    double product = 1.0;
    for (int r = 1; r <= RaceSlots; ++r)
        product *= p.streckPercent[r][row[r]];
    return !(p.payoutHighOn && product < p.boundHigh) && !(p.payoutLowOn && product > p.boundLow);
}

bool PassesOtherNumberConditions(const PreparedRowConditions& p, const NumberCounts& counts)
{
    if (!p.switches.otherNumbers)
        return true;
    int pairs = 0;
    int odd = 0;
    for (int n = 1; n <= StartNumbers; ++n) {
        if ((p.countForbidden[n] >> counts[n]) & 1)
            return false;
        if (counts[n] >= 2 && counts[n] <= 6 && p.equalRule[counts[n]])
            return false;
        pairs += counts[n] >= 2;
        odd += n % 2 == 1 ? counts[n] : 0;
    }
    for (const PreparedNumberSet& set : p.numberSets) {
        int k = 0;
        for (int n = 1; n <= StartNumbers; ++n)
            k += (set.members & Bit(n)) ? counts[n] : 0;
        const bool inside = set.low <= k && k <= set.high;
        if ((set.remove && inside) || (set.require && !inside))
            return false;
    }
    if (p.equalRule[1] && pairs == 0)
        return false;
    if (p.oddForbidden[odd])
        return false;
    for (int k = 1; k <= 3 && p.anyPairRule; ++k)
        if ((p.pairRules[k] == 1 && pairs < k) || (p.pairRules[k] == 2 && pairs >= k))
            return false;
    return true;
}

bool RowPassesRowConditions(const PreparedRowConditions& p, const RowNumbers& row)
{
    return PassesStartNrConditions(p, row) && PassesPayoutInterval(p, row) &&
           PassesPointsConditions(p, row) && PassesOtherNumberConditions(p, CountNumbers(row));
}
