#include "grading/chance.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "conditions/rowconditions.h"
#include "model/variabl.h"
#include "platform/numbers.h"
#include "reduction/candidatetest.h"

namespace {

constexpr int FirstWalkedSlot = 3;  // slots 1 and 2 choose the block
constexpr int32 PayoutCeiling = 100000000;
constexpr int32 MaxSystemRows = 1000000;
constexpr auto TimeBetweenReports = std::chrono::milliseconds(30);

std::atomic<bool> running = false;

// Exact sums of row weights: a weight is at most 255^7, and at most 15^6 rows are summed.
__extension__ using Weight = unsigned __int128;

struct Sums {
    std::int64_t passed = 0;
    Weight all = 0;
    std::array<Weight, 3> byHits{};  // [0] 5 hits (four races right), [1] 6, [2] 7 (all six)

    void Add(const Sums& other)
    {
        passed += other.passed;
        all += other.all;
        for (std::size_t k = 0; k < byHits.size(); ++k)
            byHits[k] += other.byHits[k];
    }
};

// What the walk reads, prepared before it starts: per race slot the marked start numbers in
// ascending order, the points copy and the correct horse.
struct WalkPlan {
    explicit WalkPlan(const CandidateTest& candidateTest) : test(candidateTest)
    {
        for (int r = 1; r <= RaceSlots; ++r) {
            for (int h = 1; h <= StartNumbers; ++h) {
                points[r][h] = ReductionPoints[HorseIndex(r, h)];
                if (HorseGroups[r][0][h] > 0)
                    horses[r].push_back(h);
            }
            correct[r] = ChanceCorrectRow[r];
        }
    }

    bool EveryRaceMarked() const
    {
        return std::all_of(horses.begin() + 1, horses.end(), [](const auto& h) { return !h.empty(); });
    }
    std::size_t Blocks() const { return horses[1].size() * horses[2].size(); }

    const CandidateTest& test;
    std::array<std::vector<int>, RaceSlots + 1> horses;
    std::array<std::array<std::uint64_t, StartNumbers + 1>, RaceSlots + 1> points{};
    std::array<int, RaceSlots + 1> correct{};
};

// One block of rows (a horse of race 1 and one of race 2), walked as an odometer: level r
// holds the tally, weight and hits of slots 1..r and is extended from level r - 1.
template <typename Sink>
class BlockWalk {
public:
    BlockWalk(const WalkPlan& plan, Sink& sink, const std::atomic<bool>& stop)
        : plan_(plan), sink_(sink), stop_(stop)
    {
    }

    void Run(std::size_t block)
    {
        tally_[0] = plan_.test.Start();
        const std::size_t second = plan_.horses[2].size();
        Enter(1, plan_.horses[1][block / second]);
        Enter(2, plan_.horses[2][block % second]);
        Descend(FirstWalkedSlot);
    }

private:
    // With one horse in the last slot (the dummy race) its tally is made in place of the level
    // above, which the next horse of that level makes afresh.
    CandidateTally& Level(int slot)
    {
        return slot == RaceSlots && lastInPlace_ ? tally_[slot - 1] : tally_[slot];
    }

    void Enter(int slot, int h)
    {
        row_[slot] = h;
        plan_.test.Extend(tally_[slot - 1], slot, h, Level(slot));
        weight_[slot] = weight_[slot - 1] * plan_.points[slot][h];
        hits_[slot] = hits_[slot - 1] + (h == plan_.correct[slot]);
    }

    void Descend(int slot)
    {
        for (int h : plan_.horses[slot]) {
            Enter(slot, h);
            if (slot == RaceSlots) {
                if (plan_.test.Passes(Level(slot)))
                    sink_.Pass(row_, weight_[slot], hits_[slot]);
                continue;
            }
            if (slot == RaceSlots - 2 && stop_.load(std::memory_order_relaxed))
                return;
            Descend(slot + 1);
        }
        if (slot == FirstWalkedSlot + 1)
            sink_.Report();
    }

    const WalkPlan& plan_;
    Sink& sink_;
    const std::atomic<bool>& stop_;
    const bool lastInPlace_ = plan_.horses[RaceSlots].size() == 1;
    std::array<CandidateTally, RaceSlots + 1> tally_{};
    std::array<std::uint64_t, RaceSlots + 1> weight_{1, 0, 0, 0, 0, 0, 0, 0};
    std::array<int, RaceSlots + 1> hits_{};
    RowNumbers row_{};
};

// Sums the passing rows of a block, handing the count on to the progress now and then.
class SumSink {
public:
    explicit SumSink(std::atomic<std::int64_t>& passed) : passed_(passed) {}
    void Pass(const RowNumbers&, std::uint64_t weight, int hits)
    {
        ++sums.passed;
        sums.all += weight;
        if (hits >= 5)
            sums.byHits[static_cast<std::size_t>(hits - 5)] += weight;
    }
    void Report()
    {
        passed_.fetch_add(sums.passed - reported_, std::memory_order_relaxed);
        reported_ = sums.passed;
    }

    Sums sums;

private:
    std::atomic<std::int64_t>& passed_;
    std::int64_t reported_ = 0;
};

class RowSink {
public:
    void Pass(const RowNumbers& row, std::uint64_t, int)
    {
        std::uint32_t packed = 0;
        for (int r = 1; r <= RaceSlots; ++r)
            packed |= static_cast<std::uint32_t>(row[r]) << (4 * (RaceSlots - r));
        rows.push_back(packed);
    }
    void Report() {}

    std::vector<std::uint32_t> rows;
};

// Walks every block on all cores; the calling thread only reports, once before the walk starts
// (so that a run however short can be stopped) and then every few hundredths of a second.
// False when stopped.
bool WalkAllBlocks(const WalkPlan& plan, const ChanceProgress& progress, Sums& total,
                   std::int64_t& passedSoFar)
{
    if (progress && !progress(0))
        return false;
    const std::size_t blocks = plan.Blocks();
    std::vector<Sums> results(blocks);
    std::atomic<std::size_t> next = 0;
    std::atomic<bool> stop = false;
    std::atomic<std::int64_t> passed = 0;
    std::mutex mutex;
    std::condition_variable allDone;
    std::size_t working = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, blocks);

    auto work = [&] {
        for (std::size_t b = next.fetch_add(1); b < blocks && !stop.load(); b = next.fetch_add(1)) {
            SumSink sink(passed);
            BlockWalk<SumSink>(plan, sink, stop).Run(b);
            sink.Report();
            results[b] = sink.sums;
        }
        const std::lock_guard lock(mutex);
        if (--working == 0)
            allDone.notify_one();
    };
    std::vector<std::jthread> threads;
    for (std::size_t i = 0, n = working; i < n; ++i)
        threads.emplace_back(work);
    {
        std::unique_lock lock(mutex);
        while (!allDone.wait_for(lock, TimeBetweenReports, [&] { return working == 0; })) {
            lock.unlock();
            if (progress && !progress(passed.load()))
                stop = true;
            lock.lock();
        }
    }
    threads.clear();
    passedSoFar = passed.load();
    for (const Sums& block : results)
        total.Add(block);
    return !stop.load();
}

// Step 2 and 3: the correct row and the points; the first failing check's message.
QString RefusalBeforeWalk()
{
    ChanceCorrectRow[RaceSlots] = 1;
    for (int r = 1; r <= RaceSlots; ++r)
        if (ChanceCorrectRow[r] == 0)
            return IncompleteRowMessage;
    for (int r = 1; r <= RaceSlots; ++r) {
        bool anyPoints = false;
        for (int h = 1; h <= StartNumbers; ++h)
            anyPoints = anyPoints || ReductionPoints[HorseIndex(r, h)] != 0;
        if (!anyPoints)
            return OnlyZeroPointsMessage;
    }
    return QString();
}

// The groups over the start-number conditions as the window's group boxes tick them.
StartNrGroupSettings CountedGroups(const ChanceBoxes& boxes)
{
    StartNrGroupSettings groups = CurrentStartNrGroupSettings();
    for (int g = 1; g <= StartNrGroupCount; ++g) {
        groups.active[g] = boxes.groups[static_cast<std::size_t>(g)];
        for (int c = 1; c <= ConditionCount; ++c)
            groups.member[g][c] = groups.active[g] && ConditionGroupMembers[g][c] == 1;
    }
    return groups;
}

CandidateTest PrepareCandidateTest(const ChanceBoxes& boxes)
{
    const ReductionRestrictions on{boxes.winnerCounts, boxes.abcdList, boxes.groupConditions,
                                   boxes.startNumbers, boxes.points,   boxes.otherNumbers};
    return CandidateTest(on, boxes.payout && ConditionSwitches.payout, CountedGroups(boxes));
}

long double ToReal(Weight w)
{
    return static_cast<long double>(w);
}

ChanceFigures Figures(const Sums& sums)
{
    ChanceFigures f;
    f.weight = ToReal(sums.all);
    f.weight6 = ToReal(sums.byHits[2]);
    f.weight5 = ToReal(sums.byHits[1]);
    f.weight4 = ToReal(sums.byHits[0]);
    f.value6 = PayoutPerHits[2] * 100.0L * f.weight6 / f.weight;
    f.value5 = PayoutPerHits[1] * 100.0L * f.weight5 / f.weight;
    f.value4 = PayoutPerHits[0] * 100.0L * f.weight4 / f.weight;
    f.valueSum = f.value6 + f.value5;
    const long double n = ChanceSystemRows;
    f.expected6 = n * f.weight6 / f.weight;
    f.expected5 = n * f.weight5 / f.weight;
    f.expected4 = n * f.weight4 / f.weight;
    return f;
}

ChanceTexts Texts(const ChanceFigures& f)
{
    ChanceTexts t;
    t.Lch7 = ExpectedRowsText(f.expected6);
    t.Lch6 = ExpectedRowsText(f.expected5);
    t.Lch5 = ExpectedRowsText(f.expected4);
    t.Lverde7 = RoundedText(f.value6);
    t.Lverde6 = RoundedText(f.value5);
    t.Lverde5 = RoundedText(f.value4);
    t.Lsumverde = RoundedText(f.valueSum);
    t.Lprocentavinsats = QStringLiteral(" ") + t.Lsumverde + QStringLiteral(" % ");
    return t;
}

}  // namespace

ChanceResult EvaluateChances(const ChanceBoxes& requested, const ChanceProgress& progress)
{
    ChanceResult result;
    if (running.exchange(true)) {
        result.outcome = ChanceOutcome::AlreadyRunning;
        return result;
    }
    struct RunningGuard {
        ~RunningGuard() { running = false; }
    } guard;

    result.outcome = ChanceOutcome::Refused;
    if (const QString refusal = RefusalBeforeWalk(); !refusal.isEmpty()) {
        result.messages << refusal;
        return result;
    }
    ChanceBoxes boxes = requested;
    if (boxes.payout && StreckPresent != 1) {
        result.messages << NoStreckForPayoutMessage;
        result.payoutUnticked = true;
        boxes.payout = false;
    }
    const CandidateTest test = PrepareCandidateTest(boxes);
    const WalkPlan plan(test);
    if (!plan.EveryRaceMarked()) {
        result.messages << NoMarkedRowMessage;
        return result;
    }

    Sums sums;
    if (!WalkAllBlocks(plan, progress, sums, result.rowsPassed)) {
        result.outcome = ChanceOutcome::Cancelled;
        result.messages << ChanceCancelledMessage;
        return result;
    }
    if (sums.all == 0) {
        result.outcome = ChanceOutcome::NoWeight;
        result.messages << OnlyZeroPointsMessage;
        return result;
    }
    result.outcome = ChanceOutcome::Evaluated;
    result.figures = Figures(sums);
    result.texts = Texts(result.figures);
    return result;
}

bool ChanceRunning()
{
    return running.load();
}

std::vector<std::uint32_t> ChancePassingRows(const ChanceBoxes& boxes)
{
    const CandidateTest test = PrepareCandidateTest(boxes);
    const WalkPlan plan(test);
    RowSink sink;
    if (!plan.EveryRaceMarked())
        return sink.rows;
    const std::atomic<bool> stop = false;
    for (std::size_t b = 0; b < plan.Blocks(); ++b)
        BlockWalk<RowSink>(plan, sink, stop).Run(b);
    return sink.rows;
}

QString RoundedText(long double value)
{
    return QString::number(RoundHalfEven(static_cast<double>(value)));
}

QString ExpectedRowsText(long double expected)
{
    if (expected > 0 && expected < 1) {
        const std::int64_t oneIn = RoundHalfEven(static_cast<double>(1 / expected));
        return oneIn == 1 ? QStringLiteral("1") : QStringLiteral("1 chans på ") + QString::number(oneIn);
    }
    return RoundedText(expected);
}

QString PayoutText(int32 payout)
{
    int blanks = 0;
    for (int32 bound : {10000000, 1000000, 100000, 10000, 1000, 100, 10})
        blanks += payout < bound;
    return QString(blanks, QLatin1Char(' ')) + QString::number(payout);
}

int32 AcceptedPayout(const QString& text, int32 previous)
{
    int32 value = 0;
    return TryParseInt(text, value) && value >= 0 && value <= PayoutCeiling ? value : previous;
}

int32 AcceptedSystemRows(const QString& text, int32 previous)
{
    int32 value = 0;
    return TryParseInt(text, value) && value > 0 && value <= MaxSystemRows ? value : previous;
}

int PickChanceHorse(int race, int startNr)
{
    const int before = ChanceCorrectRow[race];
    ChanceCorrectRow[race] = static_cast<byte>(before == startNr ? 0 : startNr);
    return before;
}
