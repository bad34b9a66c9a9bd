#include "conditions/groupsystem.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "conditions/horsepercent.h"
#include "model/patterns.h"
#include "model/variabl.h"

namespace {

// Inside the builder a group set is a 4-bit mask, bit g - 1 for group g (A 1 .. D 4),
// and a coupon packs its seven masks into one word, position m in bits 4(m-1)..4m-1.
// Equal codes are equal masks, so comparing words compares the codes of all positions.
using GroupMask = std::uint8_t;
using PackedCoupon = std::uint32_t;
using RaceOrder = std::array<int, RaceSlots + 1>;  // position 1..7 -> race slot

constexpr std::array<GroupMask, 16> MaskOfCode = {0, 1, 2, 4, 8, 3, 5, 9, 6, 10, 12, 7, 11, 13, 14, 15};
constexpr PackedCoupon PositionFlags = 0x1111111;  // bit 0 of each of the seven nibbles

constexpr std::array<int, 16> CodeOfMask = [] {
    std::array<int, 16> codes{};
    for (int code = 1; code <= 15; ++code)
        codes[MaskOfCode[code]] = code;
    return codes;
}();

const char* const OverlapAlarm = "Något blev FEL!   AVBRYT!";

int Shift(int position)
{
    return 4 * (position - 1);
}

GroupMask MaskAt(PackedCoupon coupon, int position)
{
    return static_cast<GroupMask>((coupon >> Shift(position)) & 0xF);
}

// One flag bit (bit 0 of the position's nibble) for every position where a and b differ.
PackedCoupon DifferingPositions(PackedCoupon a, PackedCoupon b)
{
    const PackedCoupon x = a ^ b;
    return (x | x >> 1 | x >> 2 | x >> 3) & PositionFlags;
}

int GroupSize(int race, int group)
{
    return HorseGroups[race][group][0];
}

std::array<int, RaceSlots + 1> NonEmptyGroupsPerRace()
{
    std::array<int, RaceSlots + 1> counts{};
    for (int r = 1; r <= RaceSlots; ++r)
        for (int g = GroupA; g <= GroupD; ++g)
            counts[r] += GroupSize(r, g) > 0;
    return counts;
}

// A pattern belongs to the system when it has rows and all three pattern conditions allow it.
void MarkSystemPatterns()
{
    auto& planes = AbcdPatternPlanes;
    for (int p = 1; p <= PatternCount; ++p)
        planes[PlaneTakesPart][p] = planes[PlaneHasRows][p] == 1 && planes[PlaneWinnerCounts][p] == 1 &&
                                    planes[PlaneCompositionList][p] == 1 &&
                                    planes[PlaneGroupConditions][p] == 1;
}

// One coupon per system pattern, in ascending order of the pattern read in race order as
// an odometer (position 1 slowest): each pattern's reading is marked in a table that is
// then walked, so no comparison sort is needed.
std::vector<PackedCoupon> InitialCoupons(const RaceOrder& order)
{
    std::vector<bool> isSystemPattern(PatternCount, false);
    for (int p = 1; p <= PatternCount; ++p) {
        if (AbcdPatternPlanes[PlaneTakesPart][p] != 1)
            continue;
        int reading = 0;
        for (int m = 1; m <= RaceSlots; ++m)
            reading = reading * 4 + (AbcdPatternPlanes[order[m]][p] - 1);
        isSystemPattern[reading] = true;
    }
    std::vector<PackedCoupon> coupons;
    for (int reading = 0; reading < PatternCount; ++reading) {
        if (!isSystemPattern[reading])
            continue;
        PackedCoupon coupon = 0;
        for (int m = 1; m <= RaceSlots; ++m) {
            const int group = ((reading >> 2 * (RaceSlots - m)) & 3) + 1;
            coupon |= PackedCoupon{MaskOfCode[group]} << Shift(m);
        }
        coupons.push_back(coupon);
    }
    return coupons;
}

struct PassOutcome {
    bool merged = false;
    bool overlap = false;
};

// One merge pass: every coupon q absorbs each later coupon that differs from it in exactly
// one position, that position being p (or any position when p is 0); q keeps being
// compared under its grown code. The survivors close up in their order.
PassOutcome RunMergePass(std::vector<PackedCoupon>& coupons, int p)
{
    PassOutcome outcome;
    const PackedCoupon wanted = p > 0 ? PackedCoupon{1} << Shift(p) : 0;
    const std::size_t n = coupons.size();
    for (std::size_t q = 0; q + 1 < n; ++q) {
        PackedCoupon current = coupons[q];
        if (current == 0)
            continue;
        for (std::size_t l = q + 1; l < n; ++l) {
            const PackedCoupon other = coupons[l];
            if (other == 0)
                continue;
            const PackedCoupon differs = DifferingPositions(current, other);
            if (p > 0 ? differs != wanted : !std::has_single_bit(differs))
                continue;
            if ((current & other & differs * 0xF) != 0) {
                outcome.overlap = true;  // no union code; both coupons stay as they are
                continue;
            }
            current |= other;
            coupons[l] = 0;
            outcome.merged = true;
        }
        coupons[q] = current;
    }
    std::erase(coupons, PackedCoupon{0});
    return outcome;
}

// Passes for positions 7 down to 1, then pass 0 (any position) until it merges nothing.
bool MergeCoupons(std::vector<PackedCoupon>& coupons, const CouponCountProgress& showCouponCount)
{
    bool overlap = false;
    int p = RaceSlots;
    for (;;) {
        if (showCouponCount)
            showCouponCount(static_cast<int32>(coupons.size()));
        const PassOutcome outcome = RunMergePass(coupons, p);
        overlap = overlap || outcome.overlap;
        if (p > 0)
            --p;
        else if (!outcome.merged)
            return overlap;
    }
}

struct SlotCoupon {
    std::array<GroupMask, RaceSlots + 1> masks{};  // by race slot 1..7
    int32 rows = 0;
};

std::vector<SlotCoupon> ToRaceSlots(const std::vector<PackedCoupon>& coupons, const RaceOrder& order)
{
    std::vector<SlotCoupon> result(coupons.size());
    for (std::size_t k = 0; k < coupons.size(); ++k)
        for (int m = 1; m <= RaceSlots; ++m)
            result[k].masks[order[m]] = MaskAt(coupons[k], m);
    return result;
}

int HorsesInMask(int race, GroupMask mask)
{
    int horses = 0;
    for (int g = GroupA; g <= GroupD; ++g)
        if (mask & (1 << (g - 1)))
            horses += GroupSize(race, g);
    return horses;
}

// Rows of each coupon (the product of its horses per race) and the rows of every horse.
void CountCouponAndHorseRows(std::vector<SlotCoupon>& coupons)
{
    std::memset(static_cast<void*>(RowsPerHorseUnreduced), 0, sizeof RowsPerHorseUnreduced);
    for (SlotCoupon& coupon : coupons) {
        std::array<int32, RaceSlots + 1> width{};
        coupon.rows = 1;
        for (int r = 1; r <= RaceSlots; ++r) {
            width[r] = HorsesInMask(r, coupon.masks[r]);
            coupon.rows *= width[r];
        }
        for (int r = 1; r <= RaceSlots; ++r) {
            if (width[r] == 0)
                continue;
            const int32 share = coupon.rows / width[r];
            for (int h = 1; h <= StartNumbers; ++h) {
                const int g = HorseGroups[r][0][h];
                if (IsGroup(g) && (coupon.masks[r] & (1 << (g - 1))))
                    RowsPerHorseUnreduced[HorseIndex(r, h)] += share;
            }
        }
    }
}

// Exchange sort, descending by rows; not stable, and the coupon numbers depend on it.
void OrderCouponsByRows(std::vector<SlotCoupon>& coupons)
{
    for (std::size_t i = 0; i + 1 < coupons.size(); ++i)
        for (std::size_t j = i + 1; j < coupons.size(); ++j)
            if (coupons[j].rows > coupons[i].rows)
                std::swap(coupons[i], coupons[j]);
}

void StoreCoupons(const std::vector<SlotCoupon>& coupons)
{
    for (int plane = 0; plane <= RaceSlots; ++plane)
        std::memset(CouponGroupCodes[plane], 0, sizeof(TPatternPlane));
    for (std::size_t i = 0; i < coupons.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        CouponGroupCodes[0][k] = 1;
        for (int r = 1; r <= RaceSlots; ++r)
            CouponGroupCodes[r][k] = static_cast<byte>(CodeOfMask[coupons[i].masks[r]]);
        CouponRowCounts[k] = coupons[i].rows;
    }
    CouponCount = static_cast<int32>(coupons.size());
}

void RecordConstructedSystem(GroupSystemResult& result)
{
    RowsKept = RowsConstructed = RowsAfterGroupConditions;
    CouponsBuilt = 1;
    SingleRowsBuilt = 0;
    PriceRows = RowsKept;
    result.couponsExist = true;
    result.rows = QString::number(RowsKept);
}

}  // namespace

int UnionGroupSetCode(int first, int second)
{
    if (first < 1 || first > 15 || second < 1 || second > 15)
        return 0;
    const GroupMask a = MaskOfCode[first];
    const GroupMask b = MaskOfCode[second];
    return (a & b) != 0 ? 0 : CodeOfMask[a | b];
}

std::array<int, RaceSlots + 1> GroupSystemRaceOrder(const std::array<int, RaceSlots + 1>& nonEmptyGroups)
{
    std::array<int, RaceSlots + 1> order{};
    std::array<bool, RaceSlots + 1> taken{};
    for (int m = 1; m <= RaceSlots; ++m) {
        int best = 0;
        for (int r = 1; r <= RaceSlots; ++r)
            if (!taken[r] && (best == 0 || nonEmptyGroups[r] < nonEmptyGroups[best]))
                best = r;
        order[m] = best;
        taken[best] = true;
    }
    return order;
}

GroupSystemResult SplitGroupSystemIntoCoupons(const CouponCountProgress& showCouponCount)
{
    GroupSystemResult result;
    MarkSystemPatterns();
    const auto order = GroupSystemRaceOrder(NonEmptyGroupsPerRace());
    std::vector<PackedCoupon> packed = InitialCoupons(order);
    bool alarm = MergeCoupons(packed, showCouponCount);
    if (packed.size() > static_cast<std::size_t>(MaxCoupons)) {
        // Only possible with marks outside the pool's races; the coupon tables cannot hold it.
        alarm = true;
        packed.clear();
    }

    std::vector<SlotCoupon> coupons = ToRaceSlots(packed, order);
    CountCouponAndHorseRows(coupons);
    OrderCouponsByRows(coupons);
    StoreCoupons(coupons);
    result.couponCount = CouponCount;
    if (!coupons.empty()) {
        RecordConstructedSystem(result);
        ComputeUnreducedPercent();
    }
    KeepAllCouponsAfterBuild(CouponCount);
    result.price = PriceCouponSystem(RowsKept, PricedCoupons::All);
    result.reductionWindow = CouponReductionTextsAfterBuild();
    if (alarm)
        result.alarmMessage = QString::fromUtf8(OverlapAlarm);
    return result;
}
