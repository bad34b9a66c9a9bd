#pragma once
// The candidate test of the varying reduction: the restrictions ticked for a run, read and
// prepared once, and the verdict on one row. The chance evaluation values the rows that the
// reduction makes, so it tests rows with this same test.
//
// Everything the tests need of a row adds up (or multiplies up) over its race slots: the
// ABCD pattern, the hits of each start-number condition, the points sums and products, the
// streck product and the number counts. A row's CandidateTally is the sum of its slots'
// contributions, so a walk over many rows keeps one tally per slot level and extends it as
// one slot changes, and the verdict (Passes) is one function for a drawn row and a walked one.
// The products are taken in slot order 1-7 either way.

#include <array>
#include <cstdint>
#include <vector>

#include "conditions/pointsconditions.h"
#include "conditions/rowconditions.h"
#include "model/domain.h"
#include "model/variabl.h"

// What the tests need of a row so far; only the entries of prepared conditions are used.
struct CandidateTally {
    int pattern = 0;              // the ABCD pattern less 1, built slot by slot
    NumberCounts numberCounts{};  // how often each start number is the pick in races 1-6
    double payoutProduct = 1.0;   // streck percentages, a horse without streck counting as 1
    std::array<std::uint8_t, ConditionCount> startNrHits{};
    std::array<int32, ConditionCount> sums{};
    std::array<double, ConditionCount> products{};
};

class CandidateTest {
public:
    // Reads the restrictions as the tables hold them now. payoutSwitch: the payout interval
    // is switched on (it takes effect only with streck); groups: the condition groups.
    CandidateTest(const ReductionRestrictions& on, bool payoutSwitch, const StartNrGroupSettings& groups);

    // The tally of no slot yet.
    CandidateTally Start() const;
    // out := base with start number h in race slot `slot`; out may be base itself.
    void Extend(const CandidateTally& base, int slot, int h, CandidateTally& out) const;
    // False when a ticked restriction removes the row whose seven slots the tally holds.
    bool Passes(const CandidateTally& row) const;
    // The same verdict on a row of start numbers for race slots 1-7.
    bool Passes(const RowNumbers& row) const;

private:
    struct StartNrTest {
        std::array<std::uint16_t, RaceSlots + 1> marks{};
        std::uint8_t rejectingHits = 0;  // bit n: forbidden and reachable
        std::uint8_t metHits = 0;        // bit n: neither forbidden nor unreachable
        std::uint8_t groups = 0;         // bit g: member of active group g
    };

    void PrepareAllowedPatterns();
    void PrepareStartNrTests(const StartNrGroupSettings& groups);
    void PreparePointsTests();
    void PrepareStreckFactors();
    bool PassesStartNr(const CandidateTally& row) const;
    bool PassesPoints(const CandidateTally& row) const;
    bool PassesPayout(double product) const;

    ReductionRestrictions on_;
    std::vector<bool> allowedPattern_;
    std::array<std::array<int, StartNumbers + 1>, RaceSlots + 1> patternPart_{};  // [slot][h]

    std::vector<StartNrTest> startNr_;
    std::array<bool, StartNrGroupCount + 1> groupActive_{};
    std::array<int, StartNrGroupCount + 1> groupLow_{}, groupHigh_{};
    bool anyGroupActive_ = false;

    std::vector<PreparedSumCondition> sums_;  // races 1-6 only: race slot 7 keeps 0 points
    std::vector<PreparedProductCondition> products_;

    bool payoutTest_ = false;
    std::array<std::array<double, StartNumbers + 1>, RaceSlots + 1> streckFactor_{};

    PreparedRowConditions shared_;  // payout bounds and the other number conditions
};
