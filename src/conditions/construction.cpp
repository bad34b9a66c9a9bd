#include "conditions/construction.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "conditions/couponmerge.h"
#include "conditions/horsepercent.h"
#include "model/patterns.h"
#include "model/variabl.h"
#include "platform/numbers.h"

// The walk. Only the set of kept rows matters (the coupons are made from the rows in
// ascending order), so the rows are not walked pattern by pattern but position by position
// over every allowed pattern at once: a prefix of positions 1-6 continues only into groups
// that some allowed pattern still has, and all horses of the last position are tested
// together as a 15-bit mask. The rows come out in ascending packed order. The tests use
// the state of positions 1-6, kept per level and updated as the odometer moves, so a row
// costs a few bit operations instead of a pass over every condition.

namespace {

constexpr int Positions = RaceSlots;
constexpr int LastPosition = RaceSlots;
constexpr int Groups = 4;
constexpr int32 RowsBetweenReports = 400;
constexpr std::int64_t CandidatesBetweenReports = std::int64_t{1} << 18;
constexpr std::uint16_t AllNumbers = 0x7FFF;
constexpr std::uint16_t OddNumbers = 0x5555;   // start numbers 1, 3, ..., 15
constexpr std::uint16_t EvenNumbers = 0x2AAA;  // start numbers 2, 4, ..., 14
constexpr std::uint64_t OddNibbles = 0x0F0F0F0F0F0F0F0Full;
constexpr std::uint64_t NibbleOnes = 0x1111111111111111ull;

bool running = false;

constexpr std::uint16_t Bit(int startNr)
{
    return static_cast<std::uint16_t>(1u << (startNr - 1));
}

// Counts over the start numbers are kept as 4-bit fields, start number n in field n - 1.
int Nibble(std::uint64_t counts, int startNr)
{
    return static_cast<int>((counts >> (4 * (startNr - 1))) & 0xF);
}

int NibbleSum(std::uint64_t counts)
{
    return static_cast<int>((counts * NibbleOnes) >> 60);
}

std::uint64_t NibbleMask(std::uint16_t numbers)
{
    std::uint64_t mask = 0;
    for (int n = 1; n <= StartNumbers; ++n)
        if (numbers & Bit(n))
            mask |= std::uint64_t{0xF} << (4 * (n - 1));
    return mask;
}

int MarkedHorses(int slot)
{
    int count = 0;
    for (int g = 1; g <= Groups; ++g)
        count += HorseGroups[slot][g][0];
    return count;
}

// The marked horses of one position's race slot, taken when the run starts.
struct PositionHorses {
    int slot = 0;
    bool realRace = true;  // false for the dummy slot, which no number count includes
    int count = 0;
    std::array<int, StartNumbers> horses{};      // ascending start numbers
    std::array<int, StartNumbers> groupIndex{};  // 0..3 = A..D
    std::array<std::uint16_t, Groups> groupMask{};
};

// Which rows the walk visits: per position its horses, and per prefix of groups (base 4,
// position 1 most significant) whether an allowed pattern begins with it.
struct WalkPlan {
    SlotOrder order{};
    std::array<PositionHorses, Positions + 1> positions;
    std::array<std::vector<std::uint8_t>, Positions + 1> allowedPrefix;
    bool anyPattern = false;         // some pattern has planes 9-12 all 1
    std::int64_t candidateRows = 0;  // rows of the allowed patterns
};

bool PatternWalked(int p)
{
    const auto& planes = AbcdPatternPlanes;
    return planes[PlaneHasRows][p] == 1 && planes[PlaneWinnerCounts][p] == 1 &&
           planes[PlaneCompositionList][p] == 1 && planes[PlaneGroupConditions][p] == 1;
}

void MarkWalkedPatterns()
{
    for (int p = 1; p <= PatternCount; ++p)
        AbcdPatternPlanes[PlaneTakesPart][p] = PatternWalked(p) ? 1 : 0;
}

WalkPlan PlanWalk(const SlotOrder& order)
{
    WalkPlan plan;
    plan.order = order;
    for (int m = 1; m <= Positions; ++m) {
        PositionHorses& pos = plan.positions[m];
        pos.slot = order[m];
        pos.realRace = pos.slot != RaceSlots;
        for (int h = 1; h <= StartNumbers; ++h) {
            const int group = HorseGroups[pos.slot][0][h];
            if (!IsGroup(group))
                continue;
            pos.horses[pos.count] = h;
            pos.groupIndex[pos.count++] = group - 1;
            pos.groupMask[group - 1] |= Bit(h);
        }
    }
    for (int m = 0; m <= Positions; ++m)
        plan.allowedPrefix[m].assign(std::size_t{1} << (2 * m), 0);
    for (int p = 1; p <= PatternCount; ++p) {
        if (AbcdPatternPlanes[PlaneTakesPart][p] != 1)
            continue;
        plan.anyPattern = true;
        std::size_t prefix = 0;
        std::int64_t rows = 1;
        for (int m = 1; m <= Positions; ++m) {
            const int g = AbcdPatternPlanes[order[m]][p] - 1;
            prefix = prefix * Groups + g;
            rows *= std::popcount(plan.positions[m].groupMask[g]);
        }
        if (rows == 0)
            continue;  // the marks changed after plane 9 was filled: no rows here
        plan.allowedPrefix[Positions][prefix] = 1;
        plan.candidateRows += rows;
    }
    for (int m = Positions - 1; m >= 0; --m)
        for (std::size_t x = 0; x < plan.allowedPrefix[m].size(); ++x)
            for (int g = 0; g < Groups; ++g)
                plan.allowedPrefix[m][x] |= plan.allowedPrefix[m + 1][x * Groups + g];
    return plan;
}

// Lets the window show the count and handle its events; false when the run is to stop.
bool GoOn(const ConstructionProgress& progress, int32 rows)
{
    const bool goOn = !progress.progress || progress.progress(rows);
    return goOn && ReduceAbort != 1;
}

// Counts of up to 255 per lane (start number), one bit plane each.
struct LaneCounter {
    std::array<std::uint16_t, 8> planes{};

    void Add(std::uint16_t lanes)
    {
        for (std::uint16_t& plane : planes) {
            const std::uint16_t carry = plane & lanes;
            plane ^= lanes;
            lanes = carry;
            if (!lanes)
                break;
        }
    }
    // Lanes whose count lies in low..high.
    std::uint16_t Within(std::uint8_t low, std::uint8_t high) const
    {
        std::uint16_t aboveLow = 0, equalLow = 0xFFFF, aboveHigh = 0, equalHigh = 0xFFFF;
        for (int k = 7; k >= 0; --k) {
            const std::uint16_t b = planes[k];
            if ((low >> k) & 1) {
                equalLow &= b;
            } else {
                aboveLow |= equalLow & b;
                equalLow &= ~b;
            }
            if ((high >> k) & 1) {
                equalHigh &= b;
            } else {
                aboveHigh |= equalHigh & b;
                equalHigh &= ~b;
            }
        }
        return static_cast<std::uint16_t>((aboveLow | equalLow) & ~aboveHigh);
    }
};

// One start-number condition as the walk tests it: its index among the prepared ones (its hit
// byte), its forbidden counts, its groups and its marks in the last race.
struct StartNrTest {
    std::size_t index;
    std::uint8_t forbidden;
    std::uint8_t groups;
    std::uint16_t marked;
};

class RowWalk {
public:
    RowWalk(const PreparedRowConditions& conditions, const WalkPlan& plan,
            const ConstructionProgress& progress)
        : c_(conditions), plan_(plan), progress_(progress)
    {
        PrepareStartNr();
        PreparePoints();
        PreparePayoutAndCounts();
    }

    // Walks every allowed row; false when the run was stopped.
    bool Run()
    {
        if (plan_.allowedPrefix[0][0])
            Descend(1, 0, 0);
        return !stopped_;
    }
    int32 RowsKept() const { return rows_; }

private:
    // ---- Tables in position order, per position m and start number h ----
    std::size_t At(int m, int h, std::size_t width) const { return (std::size_t(m) * 16 + h) * width; }

    void PrepareStartNr()
    {
        const auto& list = c_.startNr;
        startNrOn_ = c_.switches.startNumbers && (!list.empty() || c_.anyGroupActive());
        if (!startNrOn_)
            return;
        startNrWords_ = (list.size() + 7) / 8;
        hitAdd_.assign(At(Positions + 1, 0, startNrWords_), 0);
        hits_.assign((Positions + 1) * startNrWords_, 0);
        for (int m = 1; m <= Positions; ++m)
            for (int h = 1; h <= StartNumbers; ++h)
                for (std::size_t i = 0; i < list.size(); ++i)
                    if (list[i].marks[plan_.order[m]] & Bit(h))
                        hitAdd_[At(m, h, startNrWords_) + i / 8] |= std::uint64_t{1} << (8 * (i % 8));
        for (std::size_t i = 0; i < list.size(); ++i) {
            const StartNrTest test{i, list[i].forbiddenCounts, list[i].groups,
                                   list[i].marks[plan_.order[LastPosition]]};
            const bool sameForAll = test.marked == 0;
            if (test.groups == 0)
                (sameForAll ? aloneForAll_ : aloneByLane_).push_back(test);
            else
                (sameForAll ? groupedForAll_ : groupedByLane_).push_back(test);
        }
    }

    void PreparePoints()
    {
        if (!c_.switches.points)
            return;
        for (const PreparedSumCondition& cond : c_.sums)
            if (cond.mode == PointsModeRequire || cond.mode == PointsModeRemove)
                sums_.push_back(&cond);
        for (const PreparedProductCondition& cond : c_.products)
            if (cond.mode == PointsModeRequire || cond.mode == PointsModeRemove)
                products_.push_back(&cond);
        pointsOn_ = !sums_.empty() || !products_.empty();
        sumAdd_.assign(At(Positions + 1, 0, sums_.size()), 0);
        sumLevel_.assign((Positions + 1) * sums_.size(), 0);
        factor_.assign(At(Positions + 1, 0, products_.size()), 1);
        productLevel_.assign((Positions + 1) * products_.size(), 1);
        for (int m = 1; m <= Positions; ++m) {
            const int slot = plan_.order[m];
            for (int h = 1; h <= StartNumbers; ++h) {
                for (std::size_t i = 0; i < sums_.size(); ++i)
                    sumAdd_[At(m, h, sums_.size()) + i] = sums_[i]->points[slot][h];
                for (std::size_t i = 0; i < products_.size(); ++i)
                    factor_[At(m, h, products_.size()) + i] = products_[i]->factors[slot][h];
            }
        }
    }

    void PreparePayoutAndCounts()
    {
        payoutOn_ = c_.payoutTest();
        const auto& eq = c_.equalRule;
        repeatRulesOn_ = eq[1] || eq[2] || eq[3] || eq[4] || eq[5] || eq[6] || c_.anyPairRule;
        bool oddRule = false;
        for (int k = 0; k <= 6; ++k)
            oddRule = oddRule || c_.oddForbidden[k];
        otherOn_ = c_.switches.otherNumbers &&
                   (c_.countRuleNumbers != 0 || !c_.numberSets.empty() || repeatRulesOn_ || oddRule);
        for (int k = 2; k <= 6; ++k)
            if (eq[k])
                forbiddenRepeats_ |= static_cast<std::uint8_t>(1u << k);
        for (const PreparedNumberSet& set : c_.numberSets)
            setNibbles_.push_back(NibbleMask(set.members));
        for (int m = 1; m <= Positions; ++m) {
            const PositionHorses& pos = plan_.positions[m];
            for (int h = 1; h <= StartNumbers; ++h) {
                streckFactor_[m][h] = c_.streckPercent[pos.slot][h];
                countAdd_[m][h] = pos.realRace ? std::uint64_t{1} << (4 * (h - 1)) : 0;
            }
        }
    }

    // ---- The odometer over positions 1-6 ----

    void Descend(int m, std::size_t groupPrefix, int32 packedPrefix)
    {
        const PositionHorses& pos = plan_.positions[m];
        for (int k = 0; k < pos.count && !stopped_; ++k) {
            const std::size_t prefix = groupPrefix * Groups + pos.groupIndex[k];
            if (!plan_.allowedPrefix[m][prefix])
                continue;
            const int h = pos.horses[k];
            Advance(m, h);
            const int32 packed = packedPrefix | (h << (4 * (Positions - m)));
            if (m == LastPosition - 1)
                FinishPrefix(prefix, packed);
            else
                Descend(m + 1, prefix, packed);
        }
    }

    // The state of levels 1..m: that of level m - 1 with start number h at position m.
    void Advance(int m, int h)
    {
        for (std::size_t w = 0; w < startNrWords_; ++w)
            hits_[m * startNrWords_ + w] =
                hits_[(m - 1) * startNrWords_ + w] + hitAdd_[At(m, h, startNrWords_) + w];
        if (pointsOn_) {
            const std::size_t ns = sums_.size(), np = products_.size();
            for (std::size_t i = 0; i < ns; ++i)
                sumLevel_[m * ns + i] = sumLevel_[(m - 1) * ns + i] + sumAdd_[At(m, h, ns) + i];
            for (std::size_t i = 0; i < np; ++i)
                productLevel_[m * np + i] = productLevel_[(m - 1) * np + i] * factor_[At(m, h, np) + i];
        }
        payoutLevel_[m] = payoutLevel_[m - 1] * streckFactor_[m][h];
        countLevel_[m] = countLevel_[m - 1] + countAdd_[m][h];
    }

    // ---- The last position: every horse of the prefix's allowed groups at once ----

    void FinishPrefix(std::size_t prefix, int32 packed)
    {
        const PositionHorses& last = plan_.positions[LastPosition];
        std::uint16_t candidates = 0;
        for (int g = 0; g < Groups; ++g)
            if (plan_.allowedPrefix[LastPosition][prefix * Groups + g])
                candidates |= last.groupMask[g];
        if (!candidates)
            return;
        std::uint16_t kept = candidates;
        if (startNrOn_)
            kept &= ~StartNrRejects();
        if (kept && payoutOn_)
            kept &= ~PayoutRejects(kept);
        if (kept && pointsOn_)
            kept = PointsPass(kept);
        if (kept && otherOn_)
            kept &= ~OtherNumberRejects(kept);
        Keep(kept, packed);
        work_ += std::popcount(candidates);
        if (work_ >= CandidatesBetweenReports && !stopped_) {
            work_ = 0;
            stopped_ = !Report();
        }
    }

    int Hits(std::size_t i) const
    {
        const std::uint64_t word = hits_[(LastPosition - 1) * startNrWords_ + i / 8];
        return static_cast<int>((word >> (8 * (i % 8))) & 0xFF);
    }

    // A condition without marks in the last race gives every horse of it the same verdict:
    // it counts once for all lanes; only the others are counted lane by lane.
    std::uint16_t StartNrRejects() const
    {
        for (const StartNrTest& t : aloneForAll_)
            if ((t.forbidden >> Hits(t.index)) & 1)
                return AllNumbers;
        std::uint16_t rejected = 0;
        for (const StartNrTest& t : aloneByLane_)
            rejected |= ForbiddenLanes(t, Hits(t.index));
        rejected &= AllNumbers;
        if (rejected == AllNumbers || !c_.anyGroupActive())
            return rejected;
        std::array<int, StartNrGroupCount + 1> metByAll{};
        for (const StartNrTest& t : groupedForAll_) {
            const int met = !((t.forbidden >> Hits(t.index)) & 1);
            for (int g = 1; g <= StartNrGroupCount; ++g)
                metByAll[g] += met & (t.groups >> g);
        }
        std::array<LaneCounter, StartNrGroupCount + 1> metByLane;
        for (const StartNrTest& t : groupedByLane_) {
            const auto met = static_cast<std::uint16_t>(~ForbiddenLanes(t, Hits(t.index)) & AllNumbers);
            for (int g = 1; g <= StartNrGroupCount; ++g)
                if ((t.groups >> g) & 1)
                    metByLane[g].Add(met);
        }
        for (int g = 1; g <= StartNrGroupCount; ++g) {
            if (!c_.groupActive[g])
                continue;
            const int low = c_.groupLow[g] - metByAll[g], high = c_.groupHigh[g] - metByAll[g];
            if (high < 0 || high < low)
                return AllNumbers;
            rejected |= static_cast<std::uint16_t>(~metByLane[g].Within(
                static_cast<std::uint8_t>(std::max(low, 0)), static_cast<std::uint8_t>(high)));
        }
        return rejected & AllNumbers;
    }

    // The horses of the last race for which the condition's count is forbidden: those it marks
    // add one hit.
    static std::uint16_t ForbiddenLanes(const StartNrTest& t, int hits)
    {
        return static_cast<std::uint16_t>((((t.forbidden >> hits) & 1) ? ~t.marked : 0) |
                                          (((t.forbidden >> (hits + 1)) & 1) ? t.marked : 0));
    }

    std::uint16_t PayoutRejects(std::uint16_t kept) const
    {
        const std::int64_t base = payoutLevel_[LastPosition - 1];
        std::uint16_t rejected = 0;
        for (std::uint16_t rest = kept; rest; rest &= rest - 1) {
            const int h = std::countr_zero(rest) + 1;
            const double product = static_cast<double>(base * streckFactor_[LastPosition][h]);
            if ((c_.payoutHighOn && product < c_.boundHigh) || (c_.payoutLowOn && product > c_.boundLow))
                rejected |= Bit(h);
        }
        return rejected;
    }

    std::uint16_t PointsPass(std::uint16_t kept) const
    {
        const std::size_t ns = sums_.size(), np = products_.size();
        for (std::size_t i = 0; i < ns && kept; ++i) {
            const PreparedSumCondition& cond = *sums_[i];
            const std::int64_t base = sumLevel_[(LastPosition - 1) * ns + i];
            const std::int64_t low = cond.min - base, high = cond.max - base;
            const bool removeInside = cond.mode == PointsModeRemove;
            for (std::uint16_t rest = kept; rest; rest &= rest - 1) {
                const int h = std::countr_zero(rest) + 1;
                const std::int64_t points = sumAdd_[At(LastPosition, h, ns) + i];
                if ((low <= points && points <= high) == removeInside)
                    kept &= static_cast<std::uint16_t>(~Bit(h));
            }
        }
        for (std::size_t i = 0; i < np && kept; ++i) {
            const PreparedProductCondition& cond = *products_[i];
            const std::int64_t base = productLevel_[(LastPosition - 1) * np + i];
            const bool removeInside = cond.mode == PointsModeRemove;
            for (std::uint16_t rest = kept; rest; rest &= rest - 1) {
                const int h = std::countr_zero(rest) + 1;
                const double product = static_cast<double>(base * factor_[At(LastPosition, h, np) + i]);
                if ((cond.min <= product && product <= cond.max) == removeInside)
                    kept &= static_cast<std::uint16_t>(~Bit(h));
            }
        }
        return kept;
    }

    std::uint16_t OtherNumberRejects(std::uint16_t kept) const
    {
        const std::uint64_t counts = countLevel_[LastPosition - 1];
        if (!plan_.positions[LastPosition].realRace) {
            NumberCounts all{};
            for (int n = 1; n <= StartNumbers; ++n)
                all[n] = Nibble(counts, n);
            return PassesOtherNumberConditions(c_, all) ? 0 : AllNumbers;
        }
        // Positions 1-6 hold five of the races; the last race adds 1 to the count of h.
        std::uint16_t rejected = CountRuleRejects(counts);
        if (rejected == AllNumbers)
            return rejected;
        for (std::size_t s = 0; s < c_.numberSets.size(); ++s) {
            const PreparedNumberSet& set = c_.numberSets[s];
            const int k = NibbleSum(counts & setNibbles_[s]);
            rejected |= (SetRejects(set, k) ? static_cast<std::uint16_t>(~set.members) : 0) |
                        (SetRejects(set, k + 1) ? set.members : 0);
        }
        const int odd = NibbleSum(counts & OddNibbles);
        rejected |= (c_.oddForbidden[odd] ? EvenNumbers : 0) | (c_.oddForbidden[odd + 1] ? OddNumbers : 0);
        rejected &= AllNumbers;
        if (repeatRulesOn_ || c_.equalRule[1])
            rejected |= RepeatRejects(counts, static_cast<std::uint16_t>(kept & ~rejected));
        return rejected;
    }

    // A number with a count rule fails unless h is that number and its new count is allowed.
    std::uint16_t CountRuleRejects(std::uint64_t counts) const
    {
        std::uint16_t badNow = 0, badAfter = 0;
        for (std::uint16_t rest = c_.countRuleNumbers; rest; rest &= rest - 1) {
            const int n = std::countr_zero(rest) + 1;
            const int count = Nibble(counts, n);
            if ((c_.countForbidden[n] >> count) & 1)
                badNow |= Bit(n);
            if ((c_.countForbidden[n] >> (count + 1)) & 1)
                badAfter |= Bit(n);
        }
        if (std::popcount(badNow) >= 2)
            return AllNumbers;
        if (badNow)
            return static_cast<std::uint16_t>((~badNow | (badAfter & badNow)) & AllNumbers);
        return badAfter;
    }

    static bool SetRejects(const PreparedNumberSet& set, int k)
    {
        const bool inside = set.low <= k && k <= set.high;
        return (set.remove && inside) || (set.require && !inside);
    }

    // Equal numbers and pairs: the verdict depends only on how often h already occurs.
    std::uint16_t RepeatRejects(std::uint64_t counts, std::uint16_t kept) const
    {
        std::array<int, 8> numbersWithCount{};
        for (int n = 1; n <= StartNumbers; ++n)
            ++numbersWithCount[Nibble(counts, n)];
        std::uint8_t present = 0;
        int pairs = 0;
        for (int v = 0; v <= 6; ++v) {
            if (numbersWithCount[v])
                present |= static_cast<std::uint8_t>(1u << v);
            pairs += v >= 2 ? numbersWithCount[v] : 0;
        }
        std::array<bool, 7> rejectsAt{};
        for (int v = 0; v <= 5; ++v) {
            std::uint8_t after = present;
            if (numbersWithCount[v] == 1)
                after &= static_cast<std::uint8_t>(~(1u << v));
            after |= static_cast<std::uint8_t>(1u << (v + 1));
            const int pairsAfter = pairs + (v == 1);
            rejectsAt[v] = (after & forbiddenRepeats_) != 0 || (c_.equalRule[1] && pairsAfter == 0) ||
                           PairRulesReject(pairsAfter);
        }
        std::uint16_t rejected = 0;
        for (std::uint16_t rest = kept; rest; rest &= rest - 1) {
            const int h = std::countr_zero(rest) + 1;
            if (rejectsAt[Nibble(counts, h)])
                rejected |= Bit(h);
        }
        return rejected;
    }

    bool PairRulesReject(int pairs) const
    {
        for (int k = 1; k <= 3 && c_.anyPairRule; ++k)
            if ((c_.pairRules[k] == 1 && pairs < k) || (c_.pairRules[k] == 2 && pairs >= k))
                return true;
        return false;
    }

    // ---- Kept rows and progress ----

    void Keep(std::uint16_t kept, int32 packed)
    {
        for (; kept && !stopped_; kept &= kept - 1) {
            if (rows_ == nextReport_) {
                nextReport_ += RowsBetweenReports;
                if (!Report()) {
                    stopped_ = true;
                    return;
                }
            }
            PackedRows[++rows_] = packed | (std::countr_zero(kept) + 1);
        }
    }

    bool Report() const { return GoOn(progress_, rows_); }

    const PreparedRowConditions& c_;
    const WalkPlan& plan_;
    const ConstructionProgress& progress_;

    bool startNrOn_ = false, pointsOn_ = false, payoutOn_ = false, otherOn_ = false;
    bool repeatRulesOn_ = false;

    std::size_t startNrWords_ = 0;
    std::vector<std::uint64_t> hitAdd_;  // [m][h][word]: one byte per condition, 1 = marked
    std::vector<std::uint64_t> hits_;    // [level][word]: hits of positions 1..level
    // The conditions that take part, by kind: alone or in a group, with the same verdict for
    // every horse of the last race (no mark there) or one per horse.
    std::vector<StartNrTest> aloneForAll_, aloneByLane_, groupedForAll_, groupedByLane_;

    std::vector<const PreparedSumCondition*> sums_;
    std::vector<const PreparedProductCondition*> products_;
    std::vector<int32> sumAdd_;           // [m][h][i]
    std::vector<std::int64_t> sumLevel_;  // [level][i]
    std::vector<std::int64_t> factor_;    // [m][h][i]
    std::vector<std::int64_t> productLevel_;

    std::array<std::array<std::int64_t, 16>, Positions + 1> streckFactor_{};
    std::array<std::int64_t, Positions + 1> payoutLevel_{1};
    std::array<std::array<std::uint64_t, 16>, Positions + 1> countAdd_{};
    std::array<std::uint64_t, Positions + 1> countLevel_{};
    std::vector<std::uint64_t> setNibbles_;
    std::uint8_t forbiddenRepeats_ = 0;

    int32 rows_ = 0;
    int32 nextReport_ = 0;
    std::int64_t work_ = 0;
    bool stopped_ = false;
};

// A run that does not end with a system leaves none marked as constructed.
void MarkNoSystem()
{
    UnreducedPercentValid = 0;
    CouponsBuilt = 0;
    RowsKept = RowsConstructed = 0;
}

void StopRun()
{
    MarkNoSystem();
    SingleRowsBuilt = 0;
}

void CountRowsPerHorse(int32 couponCount)
{
    std::fill(std::begin(RowsPerHorseUnreduced), std::end(RowsPerHorseUnreduced), 0);
    for (int32 k = 1; k <= couponCount; ++k) {
        for (int r = 1; r <= RaceSlots; ++r) {
            const auto mask = static_cast<std::uint16_t>(RowStore[r][k]);
            const int32 share = CouponRowCounts[k] / std::popcount(mask);
            for (std::uint16_t rest = mask; rest; rest &= rest - 1)
                RowsPerHorseUnreduced[HorseIndex(r, std::countr_zero(rest) + 1)] += share;
        }
    }
}

void PublishSystem(const std::vector<CouponMasks>& coupons, const SlotOrder& order, int32 rows,
                   ConstructionResult& result)
{
    const auto count = static_cast<int32>(coupons.size());
    StoreCouponsInRaceOrder(coupons, order);
    CouponCount = count;
    CouponsBuilt = 1;
    RowsKept = RowsConstructed = rows;
    GroupSystemBuilt = 0;
    PriceRows = rows;
    std::fill(std::begin(CompositionRowsSaved), std::end(CompositionRowsSaved), 0);
    CountRowsPerHorse(count);
    ComputeUnreducedPercent();
    OrderCouponsBySize(count);
    KeepAllCouponsAfterBuild(count);
    result.reductionWindow = CouponReductionTextsAfterBuild();
    result.price = PriceCouponSystem(rows, PricedCoupons::All);
    result.outcome = ConstructionOutcome::SystemBuilt;
}

ConstructionResult Construct(const ConstructionSwitches& switches, const ConstructionProgress& progress)
{
    ReduceAbort = 0;
    const PreparedRowConditions conditions = PrepareRowConditions(switches, CurrentStartNrGroupSettings());
    MarkWalkedPatterns();
    const WalkPlan plan = PlanWalk(ComputeSlotOrder());
    const bool building = BuildCouponsAfterRows == 1;
    if (plan.anyPattern && progress.started)
        progress.started();
    EnsurePackedRowsCapacity(static_cast<int32>(plan.candidateRows + 1));

    ConstructionResult result;
    RowWalk walk(conditions, plan, progress);
    const bool completed = walk.Run();
    result.rowsAccepted = walk.RowsKept();
    if (!completed) {
        if (building)  // a stopped row count leaves the system as it was
            StopRun();
        result.outcome = ConstructionOutcome::Cancelled;
        return result;
    }
    RowsAccepted = result.rowsAccepted;
    if (RowsAccepted == 0)
        BuildCouponsAfterRows = 0;
    if (!building)
        return result;
    if (RowsAccepted == 0) {
        MarkNoSystem();
        return result;
    }

    if (!GoOn(progress, RowsAccepted)) {
        StopRun();
        result.outcome = ConstructionOutcome::Cancelled;
        return result;
    }
    const std::vector<CouponMasks> coupons = MergeRowsIntoCoupons(PackedRows, RowsAccepted);
    result.couponCount = static_cast<int32>(coupons.size());
    if (result.couponCount > MaxCoupons) {
        MarkNoSystem();
        result.outcome = ConstructionOutcome::TooManyCoupons;
        return result;
    }
    PublishSystem(coupons, plan.order, RowsAccepted, result);
    return result;
}

}  // namespace

SlotOrder ComputeSlotOrder()
{
    SlotOrder order{};
    std::array<bool, RaceSlots + 1> placed{};
    for (int m = 1; m <= RaceSlots; ++m) {
        int best = 0;
        for (int r = 1; r <= RaceSlots; ++r)
            if (!placed[r] && (best == 0 || MarkedHorses(r) < MarkedHorses(best)))
                best = r;
        order[m] = best;
        placed[best] = true;
    }
    return order;
}

ConstructionResult ConstructSystemRows(const ConstructionSwitches& switches,
                                       const ConstructionProgress& progress)
{
    if (running) {
        ConstructionResult busy;
        busy.outcome = ConstructionOutcome::AlreadyRunning;
        return busy;
    }
    struct RunningGuard {
        RunningGuard() { running = true; }
        ~RunningGuard() { running = false; }
    } guard;
    ConstructionResult result = Construct(switches, progress);
    if (progress.finished)
        progress.finished();
    return result;
}

bool ConstructionRunning()
{
    return running;
}
