#include "grading/grading.h"

#include <QStringList>
#include <algorithm>

#include "model/variabl.h"
#include "output/reserves.h"

namespace {

constexpr THorseMask AllHorses = (1u << StartNumbers) - 1;

// The correct horse of race slot race, 0 when none (or no start number) is entered.
int WinnerOf(int race)
{
    const int winner = CorrectRow[race];
    return IsHorse(winner) ? winner : 0;
}

THorseMask ScratchedMask(int race)
{
    THorseMask mask = 0;
    for (int h = 1; h <= StartNumbers; ++h)
        if (IsScratchedInGrading(race, h))
            mask |= HorseBit(h);
    return mask;
}

// The candidate list of a race before filtering: reserve 1, reserve 2, official order.
int RawCandidates(int race, THorseMask horses, int candidates, int (&list)[CouponCandidates])
{
    const ReservePair reserves = PickReserves(race, horses, true, false);
    list[0] = reserves.first;
    list[1] = reserves.second;
    const int officialPositions = std::min(candidates, CouponCandidates) - 2;
    for (int p = 1; p <= officialPositions; ++p)
        list[1 + p] = OfficialOrder[race][p];
    return officialPositions + 2;
}

// The start numbers of a group-system coupon by TGroupSetCode, per race slot, as the marks
// stand now.
struct GroupCodeHorses {
    THorseMask of[RaceSlots + 1][16] = {};
    GroupCodeHorses()
    {
        for (int race = 1; race <= RaceSlots; ++race)
            for (int code = 1; code <= 15; ++code)
                of[race][code] = HorsesOfGroupCode(race, code);
    }
};

// The horses of kept coupon `coupon` in race slot race; none outside the tables.
THorseMask KeptCouponHorses(const GroupCodeHorses& groupHorses, int race, int coupon)
{
    if (coupon < 1 || coupon > MaxCoupons)
        return 0;
    if (GroupSystemBuilt == 1) {
        const int code = CouponGroupCodes[race][coupon];
        return code <= 15 ? groupHorses.of[race][code] : 0;
    }
    return static_cast<THorseMask>(RowStore[race][coupon] & AllHorses);
}

// Hits and misses of a coupon's race for winner (0: none).
struct RaceTally {
    int hits = 0;
    int misses = 0;
    bool anyScratched = false;
};

RaceTally TallyCouponRace(int race, THorseMask horses, THorseMask scratched, int winner)
{
    RaceTally tally;
    const int n = HorseCountOf(horses);
    if ((horses & scratched) != 0) {
        const CouponRaceLines lines = LinesOfCouponRace(race, horses);
        tally.hits = winner != 0 ? lines.weight[winner] : 0;
        tally.anyScratched = true;
    } else {
        tally.hits = winner != 0 && (horses & HorseBit(winner)) != 0 ? 1 : 0;
    }
    tally.misses = n - tally.hits;
    return tally;
}

// A number with blanks in front by its size: thresholds 10, 100, 1000 and the pads below
// each and at or above the last.
QString PaddedCell(std::int64_t value, const int (&pads)[4])
{
    const int pad = value < 10 ? pads[0] : value < 100 ? pads[1] : value < 1000 ? pads[2] : pads[3];
    return QString(pad, QLatin1Char(' ')) + QString::number(value);
}

bool SingleRowSystemFits()
{
    return SingleRowCount >= 0 && SingleRowCount <= MaxGradedSingleRows - 1;
}

bool CouponSystemFits()
{
    return KeptCouponCount >= 0 && KeptCouponCount <= MaxCoupons;
}

// Single rows: each row's correct slots into RowCorrectCounts, counted by class.
bool GradeSingleRows()
{
    bool anyScratched = false;
    for (int k = 1; k <= SingleRowCount; ++k)
        RowCorrectCounts[k] = 0;
    for (int race = 1; race <= RaceSlots; ++race) {
        const int winner = WinnerOf(race);
        byte correct[StartNumbers + 1] = {};
        bool scratched[StartNumbers + 1] = {};
        for (int h = 1; h <= StartNumbers; ++h) {
            scratched[h] = IsScratchedInGrading(race, h);
            correct[h] = winner != 0 && SingleRowHorse(race, h) == winner ? 1 : 0;
        }
        const int32* column = RowStore[race];
        for (int k = 1; k <= SingleRowCount; ++k) {
            const int32 stored = column[k];
            const int h = stored >= 1 && stored <= StartNumbers ? stored : 0;
            RowCorrectCounts[k] = static_cast<byte>(RowCorrectCounts[k] + correct[h]);
            anyScratched = anyScratched || scratched[h];
        }
    }
    for (int k = 1; k <= SingleRowCount; ++k)
        ++CorrectCounts[RaceSlots - RowCorrectCounts[k]];
    WinningRowCount = CorrectCounts[0] + CorrectCounts[1] + CorrectCounts[2] + CorrectCounts[3];
    WinningRowsFirst = 1;
    return anyScratched;
}

// Kept coupons: the rows of each by class, counted by the product formula.
bool GradeCoupons()
{
    bool anyScratched = false;
    for (TCouponResult& result : CouponResults)
        result = TCouponResult{};
    const GroupCodeHorses groupHorses;
    THorseMask scratched[RaceSlots + 1] = {};
    int winners[RaceSlots + 1] = {};
    for (int race = 1; race <= RaceSlots; ++race) {
        scratched[race] = ScratchedMask(race);
        winners[race] = WinnerOf(race);
    }
    std::int64_t counts[RaceSlots + 1] = {};
    for (int j = 1; j <= KeptCouponCount; ++j) {
        const int coupon = KeptCoupons[j];
        int hits[RaceSlots + 1] = {};
        int misses[RaceSlots + 1] = {};
        for (int race = 1; race <= RaceSlots; ++race) {
            const RaceTally tally = TallyCouponRace(race, KeptCouponHorses(groupHorses, race, coupon),
                                                    scratched[race], winners[race]);
            hits[race] = tally.hits;
            misses[race] = tally.misses;
            anyScratched = anyScratched || tally.anyScratched;
        }
        const RowsByCorrect rows = CountRowsByCorrect(hits, misses);
        for (int i = 0; i <= RaceSlots; ++i)
            counts[i] += rows[RaceSlots - i];
        TCouponResult& result = CouponResults[j];
        result.Rows4 = static_cast<int32>(rows[4]);
        result.Rows5 = static_cast<int32>(rows[5]);
        result.Rows6 = static_cast<int32>(rows[6]);
        result.Rows7 = static_cast<int32>(rows[7]);
        result.Winning = rows[4] > 0 || rows[5] > 0 || rows[6] > 0 || rows[7] > 0 ? 1 : 0;
    }
    for (int i = 0; i <= RaceSlots; ++i)
        CorrectCounts[i] = static_cast<int32>(counts[i]);
    return anyScratched;
}

void FillCouponGrid(GradingResult& result)
{
    static constexpr int positionPads[4] = {6, 5, 3, 2};
    static constexpr int sixPads[4] = {5, 3, 1, 0};
    static constexpr int fivePads[4] = {7, 5, 3, 0};
    WinningCouponCount = 0;
    for (int j = 1; j <= KeptCouponCount; ++j) {
        const TCouponResult& coupon = CouponResults[j];
        if (coupon.Winning != 1)
            continue;
        ++WinningCouponCount;
        result.couponGrid.push_back({PaddedCell(j, positionPads), PaddedCell(coupon.Rows6, sixPads),
                                     PaddedCell(coupon.Rows5, fivePads), PaddedCell(coupon.Rows4, fivePads)});
    }
    if (WinningCouponCount == 1)
        result.winnersText = QStringLiteral("1 kupong");
    else if (WinningCouponCount > 1)
        result.winnersText = QString::number(WinningCouponCount) + QStringLiteral(" kuponger");
}

QString WinningRowsText()
{
    if (WinningRowCount == 0)
        return QStringLiteral("Ingen vinstrad");
    if (WinningRowCount == 1)
        return QStringLiteral("1 vinstrad");
    return QString::number(WinningRowCount) + QStringLiteral(" vinstrader");
}

void WorkOutWinnings(GradingResult& result)
{
    Graded = 1;
    result.total = 0;
    for (int i = 0; i <= 3; ++i) {
        WinningsPerClass[i] = static_cast<std::int64_t>(PayoutPerHits[i]) * CorrectCounts[3 - i];
        result.total += WinningsPerClass[i];
        result.amountTexts[i] = AmountText(WinningsPerClass[i]);
    }
    result.totalText = AmountText(result.total);
    for (int i = 0; i <= RaceSlots; ++i)
        result.countTexts[i] = i <= 3 ? QString::number(CorrectCounts[i]) + QStringLiteral(" st")
                                      : QString::number(CorrectCounts[i]);
}

// A correct row entered for races 1 to m - 1 only (m = 1: none at all) prepares the next race.
void PrepareNextRace(GradingResult& result)
{
    int first = 0;
    for (int race = 1; race <= PoolRaces && first == 0; ++race)
        if (CorrectRow[race] == 0)
            first = race;
    if (first == 0)
        return;
    for (int race = first + 1; race <= PoolRaces; ++race)
        if (CorrectRow[race] != 0)
            return;
    NextRaceNo = static_cast<byte>(first);
    NextRaceCorrect = 0;
    for (int k = 5; k >= 1 && NextRaceCorrect == 0; --k)
        if (CorrectCounts[RaceSlots - k] > 0)
            NextRaceCorrect = static_cast<byte>(k);
    result.nextRaceEnabled = true;
}

}  // namespace

bool IsScratchedInGrading(int race, int startNr)
{
    return IsRace(race) && IsHorse(startNr) && ScratchedInGrading[HorseIndex(race, startNr)] == 1;
}

Substitutes SubstituteScratched(int race, THorseMask horses, int candidates)
{
    Substitutes result;
    if (!IsRace(race))
        return result;
    horses &= AllHorses;
    const THorseMask scratchedHorses = horses & ScratchedMask(race);
    if (scratchedHorses == 0)
        return result;
    result.anyScratched = true;
    int raw[CouponCandidates] = {};
    const int rawCount = RawCandidates(race, horses, candidates, raw);
    int list[CouponCandidates] = {};
    int count = 0;
    for (int i = 0; i < rawCount; ++i) {
        const int candidate = raw[i];
        const bool official = i >= 2;
        if (!IsHorse(candidate) || IsScratchedInGrading(race, candidate) ||
            (official && (horses & HorseBit(candidate)) != 0))
            continue;
        list[count++] = candidate;
    }
    int next = 0;
    for (int h = 1; h <= StartNumbers; ++h)
        if ((scratchedHorses & HorseBit(h)) != 0 && next < count)
            result.of[h] = static_cast<byte>(list[next++]);
    return result;
}

int SingleRowHorse(int race, int startNr)
{
    if (!IsRace(race) || !IsHorse(startNr))
        return 0;
    if (!IsScratchedInGrading(race, startNr))
        return startNr;
    return SubstituteScratched(race, HorseBit(startNr), SingleRowCandidates).of[startNr];
}

CouponRaceLines LinesOfCouponRace(int race, THorseMask horses)
{
    CouponRaceLines lines;
    horses &= AllHorses;
    lines.horses = HorseCountOf(horses);
    for (int h = 1; h <= StartNumbers; ++h)
        if ((horses & HorseBit(h)) != 0)
            lines.weight[h] = 1;
    const Substitutes substitutes = SubstituteScratched(race, horses, CouponCandidates);
    lines.anyScratched = substitutes.anyScratched;
    for (int h = 1; h <= StartNumbers; ++h)
        if (substitutes.of[h] != 0)
            ++lines.weight[substitutes.of[h]];
    return lines;
}

RowsByCorrect CountRowsByCorrect(const int hits[RaceSlots + 1], const int misses[RaceSlots + 1])
{
    RowsByCorrect rows{};
    rows[0] = 1;
    for (int race = 1; race <= RaceSlots; ++race) {
        for (int k = race; k >= 1; --k)
            rows[k] = rows[k] * misses[race] + rows[k - 1] * hits[race];
        rows[0] *= misses[race];
    }
    return rows;
}

QString AmountText(std::int64_t value)
{
    int blanks = 0;
    for (std::int64_t bound = 10; bound <= 10000000; bound *= 10)
        if (value < bound)
            ++blanks;
    return QString(blanks, QLatin1Char(' ')) + QString::number(value);
}

GradingResult GradeSystem()
{
    GradingResult result;
    result.singleRows = SingleRowsBuilt == 1;
    if (SingleRowsBuilt != 1 && CouponsBuilt != 1) {
        result.refusal = NoSystemToGradeMessage;
        return result;
    }
    if (result.singleRows ? !SingleRowSystemFits() : !CouponSystemFits()) {
        result.refusal = SystemTooLargeToGradeMessage;
        return result;
    }
    for (int32& count : CorrectCounts)
        count = 0;
    if (result.singleRows) {
        result.substituted = GradeSingleRows();
        result.winnersText = WinningRowsText();
    } else {
        result.substituted = GradeCoupons();
        FillCouponGrid(result);
    }
    WorkOutWinnings(result);
    PrepareNextRace(result);
    return result;
}

// ---- The winning-rows page ----

namespace {

QString WinningRowClass(int correct)
{
    switch (correct) {
        case 7:
            return QStringLiteral("7");
        case 6:
            return QStringLiteral("6");
        case 5:
            return QStringLiteral("  5");
        default:
            return QStringLiteral("     4");
    }
}

QString ShownStartNumbers(int row)
{
    QStringList numbers;
    for (int race = 1; race <= PoolRaces; ++race) {
        const int32 stored = RowStore[race][row];
        const int shown = IsScratchedInGrading(race, stored) ? SingleRowHorse(race, stored) : stored;
        numbers << QString::number(shown);
    }
    return numbers.join(QLatin1Char(','));
}

}  // namespace

std::array<WinningRowLine, 4> WinningRowsPage(int first)
{
    std::array<WinningRowLine, 4> lines;
    WinningRowsFirst = first;
    if (SingleRowsBuilt != 1 || !SingleRowSystemFits())
        return lines;
    int winning = 0;
    for (int row = 1; row <= SingleRowCount; ++row) {
        const int correct = RowCorrectCounts[row];
        if (correct < 4)
            continue;
        ++winning;
        if (winning < first)
            continue;
        if (winning > first + 3)
            break;
        lines[static_cast<std::size_t>(winning - first)] = {WinningRowClass(correct), QString::number(row),
                                                            ShownStartNumbers(row)};
    }
    return lines;
}

int WinningRowsScrollMaximum()
{
    return WinningRowCount >= 4 ? WinningRowCount : 3;
}

// ---- The next race ----

namespace {

// The counts of one next-race view, worked out once for every supposed winner: rows that
// reach `target` correct races when a horse wins race `next`.
class NextRaceCounter {
public:
    NextRaceCounter(int next, int target) : next_(next), target_(target)
    {
        if (SingleRowsBuilt == 1)
            PrepareSingleRows();
        else
            PrepareCoupons();
    }

    std::int64_t Count(int winner) const
    {
        if (!IsHorse(winner))
            return common_;
        return common_ + perWinner_[winner];
    }

private:
    int OtherWinner(int race) const { return race == next_ ? 0 : WinnerOf(race); }

    void PrepareSingleRows()
    {
        if (!SingleRowSystemFits())
            return;
        // byHorse[h][c]: rows that play h in the next race with c correct elsewhere.
        std::vector<std::array<std::int64_t, RaceSlots + 1>> byHorse(StartNumbers + 1);
        std::vector<byte> correct(static_cast<std::size_t>(SingleRowCount) + 1, 0);
        for (int race = 1; race <= RaceSlots; ++race) {
            if (race == next_ || OtherWinner(race) == 0)
                continue;
            byte hit[StartNumbers + 1] = {};
            for (int h = 1; h <= StartNumbers; ++h)
                hit[h] = SingleRowHorse(race, h) == OtherWinner(race) ? 1 : 0;
            for (int k = 1; k <= SingleRowCount; ++k) {
                const int32 stored = RowStore[race][k];
                correct[k] =
                    static_cast<byte>(correct[k] + hit[stored >= 1 && stored <= StartNumbers ? stored : 0]);
            }
        }
        int horseOf[StartNumbers + 1] = {};
        for (int h = 1; h <= StartNumbers; ++h)
            horseOf[h] = SingleRowHorse(next_, h);
        for (int k = 1; k <= SingleRowCount; ++k) {
            const int32 stored = RowStore[next_][k];
            ++byHorse[horseOf[stored >= 1 && stored <= StartNumbers ? stored : 0]][correct[k]];
        }
        for (int h = 0; h <= StartNumbers; ++h)
            common_ += byHorse[h][target_];
        for (int h = 1; h <= StartNumbers; ++h)
            perWinner_[h] = byHorse[h][target_ - 1] - byHorse[h][target_];
    }

    void PrepareCoupons()
    {
        if (!CouponSystemFits())
            return;
        const GroupCodeHorses groupHorses;
        THorseMask scratched[RaceSlots + 1] = {};
        for (int race = 1; race <= RaceSlots; ++race)
            scratched[race] = ScratchedMask(race);
        for (int j = 1; j <= KeptCouponCount; ++j) {
            const int coupon = KeptCoupons[j];
            int hits[RaceSlots + 1] = {};
            int misses[RaceSlots + 1] = {};
            for (int race = 1; race <= RaceSlots; ++race) {
                if (race == next_) {
                    misses[race] = 1;  // a factor of 1 leaves the others' product alone
                    continue;
                }
                const RaceTally tally = TallyCouponRace(race, KeptCouponHorses(groupHorses, race, coupon),
                                                        scratched[race], OtherWinner(race));
                hits[race] = tally.hits;
                misses[race] = tally.misses;
            }
            const RowsByCorrect others = CountRowsByCorrect(hits, misses);
            const CouponRaceLines lines =
                LinesOfCouponRace(next_, KeptCouponHorses(groupHorses, next_, coupon));
            // With w lines on the winner: target from the others and a miss, or target - 1
            // and a hit.
            common_ += others[target_] * lines.horses;
            for (int h = 1; h <= StartNumbers; ++h)
                perWinner_[h] += lines.weight[h] * (others[target_ - 1] - others[target_]);
        }
    }

    int next_;
    int target_;
    std::int64_t common_ = 0;
    std::int64_t perWinner_[StartNumbers + 1] = {};
};

bool NextRaceReady()
{
    return IsPoolRace(NextRaceNo) && NextRaceCorrect <= 5 && (SingleRowsBuilt == 1 || CouponsBuilt == 1);
}

bool MarkedInRace(int race, int startNr)
{
    return HorseGroups[race][0][startNr] != 0;
}

}  // namespace

NextRaceView ComputeNextRaceView()
{
    NextRaceView view;
    const int target = NextRaceCorrect + 1;
    view.title = QStringLiteral("Antal rader med %1 rätt efter %2 avd.").arg(target).arg(NextRaceNo);
    NextRaceRowCount = 0;
    if (!NextRaceReady())
        return view;
    const NextRaceCounter counter(NextRaceNo, target);
    for (int h = 1; h <= StartNumbers; ++h) {
        if (!MarkedInRace(NextRaceNo, h))
            continue;
        NextRaceWinner = h;
        NextRaceRowCount = static_cast<int32>(counter.Count(h));
        view.counts[h] = QString::number(NextRaceRowCount);
    }
    return view;
}

void CountRowsByCorrectForWinner()
{
    NextRaceRowCount = 0;
    if (!NextRaceReady())
        return;
    NextRaceRowCount =
        static_cast<int32>(NextRaceCounter(NextRaceNo, NextRaceCorrect + 1).Count(NextRaceWinner & 0xFF));
}
