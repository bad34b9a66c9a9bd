#include "reduction/varyingreduction.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <limits>
#include <optional>

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
constexpr std::size_t AllOfThem = std::numeric_limits<std::size_t>::max();

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

    // Calls visit(row, packed) for the rows in ascending packed order (as an odometer) until
    // it returns false.
    template <typename Visit>
    void ForEach(Visit&& visit) const
    {
        std::array<std::size_t, RaceSlots + 1> at{};
        Row row{};
        for (;;) {
            std::uint32_t packed = 0;
            for (int r = 1; r <= RaceSlots; ++r) {
                row[r] = horses_[r][at[r]];
                packed |= static_cast<std::uint32_t>(row[r]) << NibbleShift(r);
            }
            if (!visit(row, packed))
                return;
            int r = RaceSlots;
            while (r >= 1 && ++at[r] == horses_[r].size())
                at[r--] = 0;
            if (r < 1)
                return;
        }
    }

private:
    std::array<std::vector<std::uint8_t>, RaceSlots + 1> horses_;
    std::int64_t count_ = 1;
};

// A row's chance as the product of its races' chances in percent (race slot 7 always 100).
std::uint64_t RowChance(std::uint32_t packed)
{
    std::uint64_t chance = 1;
    for (int r = 1; r <= Races; ++r)
        chance *= ReductionChance[HorseIndex(r, static_cast<int>((packed >> NibbleShift(r)) & 0xF))];
    return chance;
}

// One run's drawing into rows (which holds the rows kept before it): candidates are drawn and
// tested until the target is reached, the run is stopped, or the rows still to be kept are
// taken without drawing (see the header).
class RowDrawing {
public:
    RowDrawing(const CandidateTest& tests, const DrawTable& draw, const ReductionSettings& settings,
               std::vector<std::uint32_t>& rows, const ReductionProgress& progress)
        : tests_(tests),
          draw_(draw),
          drawable_(draw),
          index_(settings.rowDifference),
          maxCandidates_(settings.maxCandidates),
          rows_(rows),
          reporter_(progress)
    {
        for (std::uint32_t packed : rows_)
            index_.Add(packed);
    }

    // True when the run ended short of the target because no drawable row could be kept any
    // more; false when it reached the target or was stopped.
    bool Run(std::int64_t& candidates)
    {
        std::int64_t turnedAway = 0;  // since the last row kept
        Row row{};
        while (Kept() < SingleRowTarget) {
            if (candidates >= maxCandidates_) {
                std::optional<std::vector<std::uint32_t>> left = KeepableRows(AllOfThem);
                return left && TakeInOrderOfChance(std::move(*left));
            }
            const std::uint32_t packed = DrawCandidate(row);
            ++candidates;
            if (KeepIfAllowed(row, packed)) {
                turnedAway = 0;
            } else if (++turnedAway == drawable_.Count()) {
                // Sought once per row kept: until the next one, the same rows would be found.
                std::optional<std::vector<std::uint32_t>> left = KeepableRows(Wanted() + 1);
                if (!left)
                    return false;
                if (OnlyTheseCanEnd(*left))
                    return TakeInOrderOfChance(std::move(*left));
            }
            if (!reporter_.Tick(Kept()))
                return false;
        }
        return false;
    }

private:
    int32 Kept() const { return static_cast<int32>(rows_.size()); }
    std::size_t Wanted() const { return static_cast<std::size_t>(SingleRowTarget - Kept()); }

    std::uint32_t DrawCandidate(Row& row) const
    {
        std::uint32_t packed = 0;
        for (int r = 1; r <= RaceSlots; ++r) {
            row[r] = draw_[r][RandomBelow(DrawRange)];
            packed |= static_cast<std::uint32_t>(row[r]) << NibbleShift(r);
        }
        return packed;
    }

    bool WouldBeKept(const Row& row, std::uint32_t packed) const
    {
        return tests_.Passes(row) && !index_.TooClose(packed);
    }

    bool KeepIfAllowed(const Row& row, std::uint32_t packed)
    {
        if (!WouldBeKept(row, packed))
            return false;
        Keep(packed);
        return true;
    }

    void Keep(std::uint32_t packed)
    {
        index_.Add(packed);
        rows_.push_back(packed);
    }

    // The drawable rows that would be kept now, in ascending order, until `enough` are found;
    // none when the run is stopped meanwhile.
    std::optional<std::vector<std::uint32_t>> KeepableRows(std::size_t enough)
    {
        std::vector<std::uint32_t> found;
        bool stopped = false;
        drawable_.ForEach([&](const Row& row, std::uint32_t packed) {
            stopped = !reporter_.Tick(Kept());
            if (!stopped && WouldBeKept(row, packed))
                found.push_back(packed);
            return !stopped && found.size() < enough;
        });
        if (stopped)
            return std::nullopt;
        return found;
    }

    // Every later kept row is one of `left`. When the target wants all of them and none is too
    // close to another, the draws could only end by finding each one.
    bool OnlyTheseCanEnd(const std::vector<std::uint32_t>& left) const
    {
        return left.size() <= Wanted() && !index_.AnyTwoTooClose(left);
    }

    // Keeps the rows of `left` that are still allowed, the likeliest first (ties in ascending
    // order), until the target is reached. True when it is not reached: no drawable row can be
    // kept any more. False as well when the run is stopped meanwhile.
    bool TakeInOrderOfChance(std::vector<std::uint32_t> left)
    {
        std::sort(left.begin(), left.end(), [](std::uint32_t a, std::uint32_t b) {
            const std::uint64_t chanceA = RowChance(a);
            const std::uint64_t chanceB = RowChance(b);
            return chanceA != chanceB ? chanceA > chanceB : a < b;
        });
        for (std::uint32_t packed : left) {
            if (Kept() == SingleRowTarget || !reporter_.Tick(Kept()))
                return false;
            if (!index_.TooClose(packed))
                Keep(packed);
        }
        return Kept() < SingleRowTarget;
    }

    const CandidateTest& tests_;
    const DrawTable& draw_;
    const DrawableRows drawable_;
    RowDifferenceIndex index_;
    const std::int64_t maxCandidates_;
    std::vector<std::uint32_t>& rows_;
    Reporter reporter_;
};

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

bool RowDifferenceIndex::AnyTwoTooClose(const std::vector<std::uint32_t>& rows) const
{
    std::vector<std::uint32_t> keys(rows.size());
    for (const Subset& subset : subsets_) {
        std::transform(rows.begin(), rows.end(), keys.begin(),
                       [&subset](std::uint32_t packed) { return subset.Key(packed); });
        std::sort(keys.begin(), keys.end());
        if (std::adjacent_find(keys.begin(), keys.end()) != keys.end())
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
    const bool noMoreRows = RowDrawing(tests, draw, settings, rows, progress).Run(result.candidates);
    result.rows = static_cast<int32>(rows.size());
    if (noMoreRows) {
        result.outcome = ReductionOutcome::NoMoreRows;
        result.message = NoMoreRowsMessage(result.rows);
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
