#include "reduction/varyingreduction.h"

#include <algorithm>
#include <bit>
#include <chrono>

#include "conditions/pointsconditions.h"
#include "conditions/rowconditions.h"
#include "conditions/winnercounts.h"
#include "model/notify.h"
#include "model/patterns.h"
#include "platform/numbers.h"
#include "platform/random.h"
#include "reduction/normalise.h"
#include "reduction/percentdisplays.h"
#include "reduction/randomcode.h"

namespace {

constexpr int Races = 6;
constexpr int Groups = 4;
constexpr int DrawRange = 100;
constexpr std::int64_t CandidatesBetweenClockChecks = 1024;
constexpr auto TimeBetweenReports = std::chrono::milliseconds(30);

bool running = false;

using Row = std::array<int, RaceSlots + 1>;

constexpr std::uint16_t Bit(int startNr)
{
    return static_cast<std::uint16_t>(1u << (startNr - 1));
}

constexpr int NibbleShift(int slot)
{
    return 4 * (RaceSlots - slot);
}

// Per race slot, the start number that a draw d = 0..99 picks: the first horse, in
// start-number order among those with a chance, whose running sum of chances exceeds d.
using DrawTable = std::array<std::array<std::uint8_t, DrawRange>, RaceSlots + 1>;

DrawTable BuildDrawTables()
{
    DrawTable table{};
    for (int r = 1; r <= RaceSlots; ++r) {
        int h = 0;
        int runningSum = 0;
        for (int d = 0; d < DrawRange; ++d) {
            while (runningSum <= d && h < StartNumbers)
                runningSum += ReductionChance[HorseIndex(r, ++h)];
            table[r][d] = static_cast<std::uint8_t>(h);
        }
    }
    return table;
}

// The highest race slot in which no horse has a chance above 0; 0 when there is none.
int HighestZeroPercentRace()
{
    int race = 0;
    for (int r = 1; r <= RaceSlots; ++r) {
        bool any = false;
        for (int h = 1; h <= StartNumbers; ++h)
            any = any || ReductionChance[HorseIndex(r, h)] > 0;
        if (!any)
            race = r;
    }
    return race;
}

void ForceDummyRace()
{
    ReductionPoints[HorseIndex(RaceSlots, 1)] = 1;
    ReductionChance[HorseIndex(RaceSlots, 1)] = 100;
    ReductionPointsSum[RaceSlots] = 1;
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

// [pattern - 1]: the pattern passes the ticked pattern-level restrictions.
std::vector<bool> PrepareAllowedPatterns(const ReductionRestrictions& on)
{
    const std::vector<GroupConditionTest> conditions = PrepareGroupConditionTests();
    std::vector<bool> allowed(PatternCount);
    std::array<int, RaceSlots + 1> groups{};
    for (int p = 0; p < PatternCount; ++p) {
        for (int r = 1; r <= RaceSlots; ++r)
            groups[r] = ((p >> (2 * (RaceSlots - r))) & 3) + 1;
        allowed[p] = PatternPasses(groups, on, conditions);
    }
    return allowed;
}

struct StartNrTest {
    std::array<std::uint16_t, RaceSlots + 1> marks{};
    std::uint8_t rejectingHits = 0;  // bit n: forbidden and reachable
    std::uint8_t metHits = 0;        // bit n: neither forbidden nor unreachable
    std::uint8_t groups = 0;         // bit g: member of active group g
};

// Everything a candidate is tested against, read when the run starts. Input reaches only
// "Avbryt" while the run goes on, so nothing of it can change under the run.
struct Tests {
    ReductionRestrictions on;
    std::vector<bool> allowedPattern;
    std::array<std::array<int, StartNumbers + 1>, RaceSlots + 1> patternPart{};  // [slot][h]

    std::vector<StartNrTest> startNr;
    std::array<bool, StartNrGroupCount + 1> groupActive{};
    std::array<int, StartNrGroupCount + 1> groupLow{}, groupHigh{};
    bool anyGroupActive = false;

    std::vector<PreparedSumCondition> sums;  // races 1-6 only: race slot 7 keeps 0 points
    std::vector<PreparedProductCondition> products;

    bool payoutTest = false;
    std::array<std::array<double, StartNumbers + 1>, RaceSlots + 1> streckFactor{};

    PreparedRowConditions shared;  // payout bounds and the other number conditions
};

void PrepareStartNrTests(Tests& t, const StartNrGroupSettings& groups)
{
    for (int g = 1; g <= StartNrGroupCount; ++g) {
        t.groupActive[g] = groups.active[g];
        t.groupLow[g] = groups.low[g];
        t.groupHigh[g] = groups.high[g];
        t.anyGroupActive = t.anyGroupActive || groups.active[g];
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
        t.startNr.push_back(test);
    }
}

void PreparePointsTests(Tests& t)
{
    for (int c = 1; c <= ConditionCount; ++c) {
        if (CondActive[c] == 0)
            continue;
        if (CondSumActive[c] != 0) {
            PreparedSumCondition sum{c, CondSumMin[c], CondSumMax[c], CondSumMode[c], {}};
            for (int r = 1; r <= Races; ++r)
                for (int h = 1; h <= StartNumbers; ++h)
                    sum.points[r][h] = CondPoints[r][h][c];
            t.sums.push_back(sum);
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
            t.products.push_back(product);
        }
    }
}

// Each horse's streck as a whole percentage of its slot's streck, at least 1 for a horse
// with streck; a horse without streck counts as 1 in the product.
void PrepareStreckFactors(Tests& t)
{
    for (auto& slot : t.streckFactor)
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
                t.streckFactor[r][h] =
                    static_cast<double>(std::max<std::int64_t>(1, PercentHalfEven(streck, sum)));
        }
    }
}

Tests PrepareTests(const ReductionSettings& settings)
{
    Tests t;
    t.on = settings.restrictions;
    t.allowedPattern = PrepareAllowedPatterns(t.on);
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            t.patternPart[r][h] = (GroupOf(r, h) - 1) << (2 * (RaceSlots - r));
    if (t.on.startNumbers)
        PrepareStartNrTests(t, settings.groups);
    if (t.on.points)
        PreparePointsTests(t);
    ConstructionSwitches shared;
    shared.otherNumbers = t.on.otherNumbers;
    shared.payout = settings.payoutSwitch;
    t.shared = PrepareRowConditions(shared, settings.groups);
    t.payoutTest = t.shared.payoutTest();
    PrepareStreckFactors(t);
    return t;
}

bool PassesStartNr(const Tests& t, const Row& row)
{
    std::array<int, StartNrGroupCount + 1> met{};
    for (const StartNrTest& test : t.startNr) {
        int hits = 0;
        for (int r = 1; r <= RaceSlots; ++r)
            hits += (test.marks[r] & Bit(row[r])) != 0;
        if (test.groups == 0) {
            if ((test.rejectingHits >> hits) & 1)
                return false;
            continue;
        }
        if ((test.metHits >> hits) & 1)
            for (int g = 1; g <= StartNrGroupCount; ++g)
                met[g] += (test.groups >> g) & 1;
    }
    if (!t.anyGroupActive)
        return true;
    for (int g = 1; g <= StartNrGroupCount; ++g)
        if (t.groupActive[g] && (met[g] < t.groupLow[g] || met[g] > t.groupHigh[g]))
            return false;
    return true;
}

bool PassesPayout(const Tests& t, const Row& row)
{
    double product = 1.0;
    for (int r = 1; r <= RaceSlots; ++r)
        product *= t.streckFactor[r][row[r]];
    const PreparedRowConditions& s = t.shared;
    return !(s.payoutHighOn && product < s.boundHigh) && !(s.payoutLowOn && product > s.boundLow);
}

bool PassesRestrictions(const Tests& t, const Row& row)
{
    int pattern = 0;
    for (int r = 1; r <= RaceSlots; ++r)
        pattern += t.patternPart[r][row[r]];
    if (!t.allowedPattern[static_cast<std::size_t>(pattern)])
        return false;
    if (t.on.startNumbers && !PassesStartNr(t, row))
        return false;
    if (t.on.points && !PassesPointsTests(t.sums, t.products, row))
        return false;
    if (t.payoutTest && !PassesPayout(t, row))
        return false;
    return !t.on.otherNumbers || PassesOtherNumberConditions(t.shared, CountNumbers(row));
}

Row UnpackRow(std::uint32_t packed)
{
    Row row{};
    for (int r = 1; r <= RaceSlots; ++r)
        row[r] = static_cast<int>((packed >> NibbleShift(r)) & 0xF);
    return row;
}

// The single rows 1..count that the row store holds, packed.
std::vector<std::uint32_t> StoredSingleRows(int32 count)
{
    std::vector<std::uint32_t> rows;
    rows.reserve(static_cast<std::size_t>(std::clamp(SingleRowTarget, count, MaxSingleRows)));
    for (int32 i = 1; i <= count; ++i) {
        Row row{};
        for (int r = 1; r <= RaceSlots; ++r)
            row[r] = RowStore[r][i];
        rows.push_back(PackRow(row));
    }
    return rows;
}

void StoreRows(std::vector<std::uint32_t>& rows)
{
    std::sort(rows.begin(), rows.end());
    EnsurePackedRowsCapacity(static_cast<int32>(rows.size()) + 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto entry = static_cast<int32>(i + 1);
        PackedRows[entry] = static_cast<int32>(rows[i]);
        const Row row = UnpackRow(rows[i]);
        RowStore[0][entry] = 1;
        for (int r = 1; r <= RaceSlots; ++r)
            RowStore[r][entry] = row[r];
    }
}

// The single rows and the main window's counts after a run; drawn rows make the system
// unsaved, so that closing or a construction asks before they are lost.
void PublishSingleRows(int32 rows, bool rowsDrawn)
{
    SingleRowTarget = rows;
    SingleRowCount = rows;
    SingleRowsBuilt = rows >= 1 ? 1 : 0;
    if (rows < 1)
        return;
    CouponsBuilt = 0;
    if (rowsDrawn)
        SystemSaved = SingleRowsSaved = 0;
    ResultLabels.Radantal = QString::number(rows);
    ResultLabels.Kup = QStringLiteral("enkelrader");
    ResultLabels.Prisrader = QString::number(rows);
    ResultLabels.Prisavg = QString();
    ResultLabels.Pristot = QString();
    ResultLabels.PriceVisible = true;
}

// Why the run may not draw, as the message to show; empty when it may.
QString RefusalBeforeDrawing(const ReductionSettings& settings)
{
    if (const int race = HighestZeroPercentRace(); race != 0)
        return ZeroPercentMessage(race);
    if (settings.extend && SingleRowsBuilt != 1)
        return NoSingleRowsToExtendMessage;
    if (settings.extend && SingleRowTarget <= SingleRowCount)
        return CannotExtendMessage(SingleRowCount, SingleRowTarget);
    if (SingleRowTarget <= 0 || SingleRowTarget > MaxSingleRows)
        return NoTargetMessage;
    if (SingleRowTarget > UnreducedRowCount)
        return TargetAboveRowCountMessage(UnreducedRowCount);
    return QString();
}

class Reporter {
public:
    explicit Reporter(const ReductionProgress& progress) : progress_(progress) {}
    // False when the run is to stop.
    bool Tick(std::int64_t candidates, int32 rows)
    {
        if (candidates % CandidatesBetweenClockChecks == 0 && Clock::now() >= next_) {
            next_ = Clock::now() + TimeBetweenReports;
            if (progress_.progress && !progress_.progress(rows))
                return false;
        }
        return ReduceAbort != 1;
    }

private:
    using Clock = std::chrono::steady_clock;
    const ReductionProgress& progress_;
    Clock::time_point next_ = Clock::now() + TimeBetweenReports;
};

int32 DrawRows(const Tests& tests, const DrawTable& draw, int rowDifference, std::vector<std::uint32_t>& rows,
               const ReductionProgress& progress, std::int64_t& candidates)
{
    RowDifferenceIndex index(rowDifference);
    for (std::uint32_t packed : rows)
        index.Add(packed);
    Reporter reporter(progress);
    Row row{};
    while (static_cast<int32>(rows.size()) < SingleRowTarget) {
        std::uint32_t packed = 0;
        for (int r = 1; r <= RaceSlots; ++r) {
            row[r] = draw[r][RandomBelow(DrawRange)];
            packed |= static_cast<std::uint32_t>(row[r]) << NibbleShift(r);
        }
        ++candidates;
        if (PassesRestrictions(tests, row) && !index.TooClose(packed)) {
            index.Add(packed);
            rows.push_back(packed);
        }
        if (!reporter.Tick(candidates, static_cast<int32>(rows.size())))
            break;
    }
    return static_cast<int32>(rows.size());
}

}  // namespace

QString ZeroPercentMessage(int race)
{
    return QStringLiteral("Det är bara nollprocentare i avd. %1. Ändra!").arg(race);
}

QString TargetAboveRowCountMessage(int32 rows)
{
    return rows == 1 ? QStringLiteral("Systemet har bara 1 rad. Ange ett mindre radantal.")
                     : QStringLiteral("Systemet har bara %1 rader. Ange ett mindre radantal.").arg(rows);
}

QString CannotExtendMessage(int32 rows, int32 target)
{
    return QStringLiteral("%1 rader kan inte utökas till %2.").arg(rows).arg(target);
}

std::uint32_t PackRow(const Row& row)
{
    std::uint32_t packed = 0;
    for (int r = 1; r <= RaceSlots; ++r)
        packed |= (static_cast<std::uint32_t>(row[r]) & 0xF) << NibbleShift(r);
    return packed;
}

RowDifferenceIndex::RowDifferenceIndex(int rowDifference)
{
    // Two rows that share `shared` of the races 1-6 are too close.
    const int shared = Races + 1 - std::clamp(rowDifference, 1, 5);
    for (unsigned mask = 0; mask < (1u << Races); ++mask) {
        if (std::popcount(mask) != shared)
            continue;
        Subset subset;
        for (int r = 1; r <= Races; ++r)
            if (mask & (1u << (r - 1)))
                subset.shifts[subset.size++] = NibbleShift(r);
        subset.bits.assign((std::size_t{1} << (4 * shared)) / 64 + 1, 0);
        subsets_.push_back(std::move(subset));
    }
}

std::uint32_t RowDifferenceIndex::Subset::Key(std::uint32_t packed) const
{
    std::uint32_t key = 0;
    for (int i = 0; i < size; ++i)
        key = (key << 4) | ((packed >> shifts[i]) & 0xF);
    return key;
}

bool RowDifferenceIndex::TooClose(std::uint32_t packed) const
{
    for (const Subset& subset : subsets_) {
        const std::uint32_t key = subset.Key(packed);
        if ((subset.bits[key / 64] >> (key % 64)) & 1)
            return true;
    }
    return false;
}

void RowDifferenceIndex::Add(std::uint32_t packed)
{
    for (Subset& subset : subsets_) {
        const std::uint32_t key = subset.Key(packed);
        subset.bits[key / 64] |= std::uint64_t{1} << (key % 64);
    }
}

ReductionResult RunVaryingReduction(const ReductionSettings& settings, const ReductionProgress& progress)
{
    ReductionResult result;
    if (running) {
        result.outcome = ReductionOutcome::AlreadyRunning;
        return result;
    }
    struct RunningGuard {
        RunningGuard() { running = true; }
        ~RunningGuard() { running = false; }
    } guard;

    if (settings.fixedCode)
        SeedFromRandomCode(RandomCode);
    ReduceAbort = 0;
    NormalizeReducePoints();
    ForceDummyRace();
    if (const QString refusal = RefusalBeforeDrawing(settings); !refusal.isEmpty()) {
        result.outcome = ReductionOutcome::Refused;
        result.message = refusal;
        return result;
    }

    const Tests tests = PrepareTests(settings);
    const DrawTable draw = BuildDrawTables();
    std::vector<std::uint32_t> rows = StoredSingleRows(settings.extend ? SingleRowCount : 0);
    const auto rowsBefore = static_cast<int32>(rows.size());
    if (progress.started)
        progress.started();
    result.rows = DrawRows(tests, draw, settings.rowDifference, rows, progress, result.candidates);
    if (progress.finished)
        progress.finished();
    StoreRows(rows);
    PublishSingleRows(result.rows, result.rows > rowsBefore);
    ShowReducedPercentages();
    Events::SingleRowsReplaced.Emit(result.rows);
    return result;
}

bool ReductionRunning()
{
    return running;
}
