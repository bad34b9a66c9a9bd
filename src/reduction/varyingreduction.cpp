#include "reduction/varyingreduction.h"

#include <algorithm>
#include <bit>
#include <chrono>

#include "conditions/price.h"
#include "model/notify.h"
#include "platform/random.h"
#include "reduction/normalise.h"
#include "reduction/percentdisplays.h"
#include "reduction/randomcode.h"

namespace {

constexpr int Races = 6;
constexpr int DrawRange = 100;
constexpr std::int64_t TicksBetweenClockChecks = 1024;
constexpr auto TimeBetweenReports = std::chrono::milliseconds(30);

bool running = false;

using Row = std::array<int, RaceSlots + 1>;

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
    ChanceSystemRows = rows;
    SingleRowsBuilt = rows >= 1 ? 1 : 0;
    if (rows < 1)
        return;
    CouponsBuilt = 0;
    if (rowsDrawn)
        SystemSaved = SingleRowsSaved = 0;
    ResultLabels.Radantal = QString::number(rows);
    ResultLabels.Kup = QStringLiteral("enkelrader");
    ShowSingleRowPrice(rows);
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
    // Called once per candidate drawn or row searched; false once the run is to stop.
    bool Tick(int32 rows)
    {
        if (++ticks_ % TicksBetweenClockChecks == 0 && Clock::now() >= next_) {
            next_ = Clock::now() + TimeBetweenReports;
            stopped_ = stopped_ || (progress_.progress && !progress_.progress(rows));
        }
        return !stopped_ && ReduceAbort != 1;
    }

private:
    using Clock = std::chrono::steady_clock;
    const ReductionProgress& progress_;
    std::int64_t ticks_ = 0;
    bool stopped_ = false;
    Clock::time_point next_ = Clock::now() + TimeBetweenReports;
};

// The rows that a draw can give: per race slot the start numbers with a chance above 0.
class DrawableRows {
public:
    explicit DrawableRows(const DrawTable& draw)
    {
        for (int r = 1; r <= RaceSlots; ++r) {
            horses_[r].assign(draw[r].begin(), draw[r].end());
            horses_[r].erase(std::unique(horses_[r].begin(), horses_[r].end()), horses_[r].end());
            count_ *= static_cast<std::int64_t>(horses_[r].size());
        }
    }

    std::int64_t Count() const { return count_; }

    // True when found(row, packed) is true for some row; the rows are walked as an odometer
    // and the walk ends at the first such row.
    template <typename Found>
    bool AnyOf(Found&& found) const
    {
        std::array<std::size_t, RaceSlots + 1> at{};
        Row row{};
        for (;;) {
            std::uint32_t packed = 0;
            for (int r = 1; r <= RaceSlots; ++r) {
                row[r] = horses_[r][at[r]];
                packed |= static_cast<std::uint32_t>(row[r]) << NibbleShift(r);
            }
            if (found(row, packed))
                return true;
            int r = RaceSlots;
            while (r >= 1 && ++at[r] == horses_[r].size())
                at[r--] = 0;
            if (r < 1)
                return false;
        }
    }

private:
    std::array<std::vector<std::uint8_t>, RaceSlots + 1> horses_;
    std::int64_t count_ = 1;
};

struct DrawnRows {
    int32 rows = 0;
    bool noMoreRows = false;  // no drawable row could be kept any more
};

// Draws until the target is reached or the run is stopped. Once as many candidates in a row
// as there are drawable rows were turned away, every drawable row is searched for one that
// would be kept; when there is none the run can add no row and ends. The search takes no
// draw, so a fixed code gives the same rows as before, and its cost stays below that of the
// candidates drawn before it.
DrawnRows DrawRows(const CandidateTest& tests, const DrawTable& draw, int rowDifference,
                   std::vector<std::uint32_t>& rows, const ReductionProgress& progress,
                   std::int64_t& candidates)
{
    RowDifferenceIndex index(rowDifference);
    for (std::uint32_t packed : rows)
        index.Add(packed);
    Reporter reporter(progress);
    const DrawableRows drawable(draw);
    auto keptCount = [&rows] { return static_cast<int32>(rows.size()); };
    auto wouldBeKept = [&](const Row& row, std::uint32_t packed) {
        return tests.Passes(row) && !index.TooClose(packed);
    };
    std::int64_t turnedAway = 0;
    Row row{};
    while (keptCount() < SingleRowTarget) {
        std::uint32_t packed = 0;
        for (int r = 1; r <= RaceSlots; ++r) {
            row[r] = draw[r][RandomBelow(DrawRange)];
            packed |= static_cast<std::uint32_t>(row[r]) << NibbleShift(r);
        }
        ++candidates;
        if (wouldBeKept(row, packed)) {
            index.Add(packed);
            rows.push_back(packed);
            turnedAway = 0;
        } else if (++turnedAway == drawable.Count()) {
            turnedAway = 0;
            const bool rowLeft = drawable.AnyOf([&](const Row& searched, std::uint32_t searchedPacked) {
                return !reporter.Tick(keptCount()) || wouldBeKept(searched, searchedPacked);
            });
            if (!rowLeft)
                return {keptCount(), true};
        }
        if (!reporter.Tick(keptCount()))
            break;
    }
    return {keptCount(), false};
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

QString NoMoreRowsMessage(int32 rows)
{
    if (rows == 0)
        return QStringLiteral("Ingen rad klarar begränsningarna.");
    return rows == 1 ? QStringLiteral("Bara 1 rad klarar begränsningarna och radskillnaden.")
                     : QStringLiteral("Bara %1 rader klarar begränsningarna och radskillnaden.").arg(rows);
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

    const CandidateTest tests(settings.restrictions, settings.payoutSwitch, settings.groups);
    const DrawTable draw = BuildDrawTables();
    std::vector<std::uint32_t> rows = StoredSingleRows(settings.extend ? SingleRowCount : 0);
    const auto rowsBefore = static_cast<int32>(rows.size());
    if (progress.started)
        progress.started();
    const DrawnRows drawn = DrawRows(tests, draw, settings.rowDifference, rows, progress, result.candidates);
    result.rows = drawn.rows;
    if (drawn.noMoreRows) {
        result.outcome = ReductionOutcome::NoMoreRows;
        result.message = NoMoreRowsMessage(drawn.rows);
    }
    if (progress.finished)
        progress.finished();
    StoreRows(rows);
    PublishSingleRows(result.rows, result.rows > rowsBefore);
    ShowReducedPercentages();
    Events::SingleRowsReplaced.Emit(result.rows);
    Events::ChanceSystemRowsChanged.Emit();
    return result;
}

bool ReductionRunning()
{
    return running;
}
