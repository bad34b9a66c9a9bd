#pragma once
// Row conditions: what every condition that acts on single rows means. The conditions are
// read and prepared once per construction (PrepareRowConditions) and then only ever reject
// rows. RowPassesRowConditions is the plain statement of the tests on one row; the
// construction engine applies the same tests with a faster walk of its own.

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "conditions/pointsconditions.h"
#include "model/variabl.h"

// The four condition switches of the main window (the table ConditionSwitches).
using ConstructionSwitches = TConditionSwitches;

constexpr int StartNrGroupCount = 3;

// The groups over the start-number conditions as the construction takes them: per group
// g = 1..3 whether it is active, which conditions are its members and its limits. Index 0 is
// unused.
struct StartNrGroupSettings {
    std::array<bool, StartNrGroupCount + 1> active{};
    std::array<std::array<bool, ConditionCount + 1>, StartNrGroupCount + 1> member{};
    std::array<byte, StartNrGroupCount + 1> low{};
    std::array<byte, StartNrGroupCount + 1> high{};
};

// The groups as the tables hold them now (ConditionGroupActive, ConditionGroupMembers,
// ConditionGroupLimits); the members of an inactive group count as none.
StartNrGroupSettings CurrentStartNrGroupSettings();

// ---- The conditions prepared for one construction ----

struct PreparedStartNrCondition {
    int number = 0;                                    // 1..100
    std::array<std::uint16_t, RaceSlots + 1> marks{};  // [slot]: bit h-1 = start number h marked
    std::uint8_t forbiddenCounts = 0;                  // bit k: exactly k hits are forbidden
    std::uint8_t groups = 0;                           // bit g: member of active group g (1..3)
};

struct PreparedSumCondition {
    int number = 0;
    int32 min = 0, max = 0, mode = 0;
    std::array<std::array<int32, StartNumbers + 1>, RaceSlots + 1> points{};  // [slot][h]
};

struct PreparedProductCondition {
    int number = 0;
    double min = 0.0, max = 0.0;
    int32 mode = 0;
    std::array<std::array<int32, StartNumbers + 1>, RaceSlots + 1> factors{};  // points, 0 stored as 1
};

struct PreparedNumberSet {
    std::uint16_t members = 0;  // bit n-1 = start number n in the set
    int low = 0, high = 0;      // "Lägst", "Högst"
    bool require = false;       // "Krav"
    bool remove = false;        // "Ta bort"
};

struct PreparedRowConditions {
    ConstructionSwitches switches;

    // Payout interval: streck percentages per slot and start number, and the product bounds.
    std::array<std::array<int32, StartNumbers + 1>, RaceSlots + 1> streckPercent{};
    bool payoutLowOn = false;   // estimate below PayoutMin removed: product above boundLow
    bool payoutHighOn = false;  // estimate above PayoutMax removed: product below boundHigh
    double boundLow = 0.0, boundHigh = 0.0;

    // Start-number conditions that take part, in order of their numbers, and the groups.
    std::vector<PreparedStartNrCondition> startNr;
    std::array<bool, StartNrGroupCount + 1> groupActive{};
    std::array<std::uint8_t, StartNrGroupCount + 1> groupLow{}, groupHigh{};

    std::vector<PreparedSumCondition> sums;
    std::vector<PreparedProductCondition> products;

    // Other number conditions.
    std::uint16_t countRuleNumbers = 0;                           // bit n-1: n has a count rule
    std::array<std::uint8_t, StartNumbers + 1> countForbidden{};  // [n]: bit k = count k forbidden
    std::vector<PreparedNumberSet> numberSets;
    std::array<bool, 8> equalRule{};          // [1] at least one repeat; [2..6] exactly k removed
    std::array<bool, 8> oddForbidden{};       // [k]: exactly k odd numbers removed
    std::array<std::uint8_t, 4> pairRules{};  // [1..3]: 0 none, 1 "Krav", 2 "Ta bort"
    bool anyPairRule = false;

    bool anyGroupActive() const { return groupActive[1] || groupActive[2] || groupActive[3]; }
    bool payoutTest() const { return payoutLowOn || payoutHighOn; }
};

// Reads every condition as it stands and prepares it for the tests. Recomputes the product
// bounds CondProdMinReal/CondProdMaxReal; changes nothing else.
PreparedRowConditions PrepareRowConditions(const ConstructionSwitches& switches,
                                           const StartNrGroupSettings& groups);

// c(n) for n = 1..15: in how many of the races 1-6 start number n is the pick.
using NumberCounts = std::array<int, StartNumbers + 1>;
NumberCounts CountNumbers(const RowNumbers& row);

// The tests, each false when it removes the row.
bool PassesStartNrConditions(const PreparedRowConditions& prepared, const RowNumbers& row);
bool PassesPointsConditions(const PreparedRowConditions& prepared, const RowNumbers& row);
// True when the row meets every sum and every product condition; a race whose points are all
// 0 adds nothing to a sum.
bool PassesPointsTests(const std::vector<PreparedSumCondition>& sums,
                       const std::vector<PreparedProductCondition>& products, const RowNumbers& row);
bool PassesPayoutInterval(const PreparedRowConditions& prepared, const RowNumbers& row);
bool PassesOtherNumberConditions(const PreparedRowConditions& prepared, const NumberCounts& counts);
// Every test whose switch is on.
bool RowPassesRowConditions(const PreparedRowConditions& prepared, const RowNumbers& row);
