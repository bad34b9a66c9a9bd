#include "views/rowdistribution.h"

#include <algorithm>

#include "output/couponhorses.h"
#include "platform/numbers.h"

namespace {

const QString TitleBefore = QStringLiteral("Radernas fördelning på startnr före ev. reducering");
const QString TitleAfter = QStringLiteral("Radernas fördelning på startnr efter ev. reducering");

bool AddCoupon(int32 coupon, THorseMask (*horsesOf)(int race, int32 coupon))
{
    if (coupon < 1 || coupon > CouponCount)
        return true;
    THorseMask horses[RaceSlots + 1] = {};
    std::int64_t product = 1;
    for (int race = 1; race <= RaceSlots; ++race) {
        horses[race] = horsesOf(race, coupon);
        product *= HorseCountOf(horses[race]);
    }
    const int32 rows = CouponRowCounts[coupon];
    for (int race = 1; race <= RaceSlots; ++race) {
        const int count = HorseCountOf(horses[race]);
        for (int h = 1; h <= StartNumbers; ++h)
            if (horses[race] & HorseBit(h))
                RowsPerHorseKept[HorseIndex(race, h)] += static_cast<int32>(DivideRoundHalfEven(rows, count));
    }
    return product == rows;
}

THorseMask MaskHorses(int race, int32 coupon)
{
    return static_cast<THorseMask>(RowStore[race][coupon] & 0x7FFF);
}

THorseMask GroupHorses(int race, int32 coupon)
{
    return HorsesOfGroupCode(race, CouponGroupCodes[race][coupon]);
}

void SelectView(flag counts, flag unreduced)
{
    StreckViewCounts = counts;
    StreckViewUnreduced = unreduced;
}

}  // namespace

bool AddMaskCouponToDistribution(int32 coupon)
{
    return AddCoupon(coupon, MaskHorses);
}

bool AddGroupCouponToDistribution(int32 coupon)
{
    return AddCoupon(coupon, GroupHorses);
}

bool ComputeRowsPerHorseKept()
{
    std::fill(std::begin(RowsPerHorseKept), std::end(RowsPerHorseKept), 0);
    bool allMatch = true;
    for (int32 coupon = 1; coupon <= std::min(CouponCount, MaxCoupons); ++coupon) {
        if (CouponKept[coupon] != 1)
            continue;
        const bool matches = GroupSystemBuilt == 1 ? AddGroupCouponToDistribution(coupon)
                                                   : AddMaskCouponToDistribution(coupon);
        allMatch = allMatch && matches;
    }
    StreckKeptComputed = 1;
    return allMatch;
}

QString RowDistributionTitle()
{
    return StreckViewUnreduced == 1 ? TitleBefore : TitleAfter;
}

QString RowSharePercentText(int32 count, int32 total)
{
    if (total == 0)
        return QStringLiteral("0 %");
    return QString::number(PercentHalfEven(count, total)) + QStringLiteral(" %");
}

// A percent view tests the before count for "-", the after view included.
QString RowDistributionCell(int race, int horse)
{
    const int index = HorseIndex(race, horse);
    const int32 before = RowsPerHorseUnreduced[index];
    const int32 shown = StreckViewUnreduced == 1 ? before : RowsPerHorseKept[index];
    if (StreckViewCounts == 1)
        return shown == 0 ? QStringLiteral("-") : QString::number(shown);
    if (before <= 0)
        return QStringLiteral("-");
    return RowSharePercentText(shown, StreckViewUnreduced == 1 ? RowsConstructed : RowsKept);
}

void SelectRowCountsBefore()
{
    SelectView(1, 1);
}

void SelectRowCountsAfter()
{
    SelectView(1, 0);
}

void SelectRowPercentBefore()
{
    SelectView(0, 1);
}

void SelectRowPercentAfter()
{
    SelectView(0, 0);
}

void ToggleRowDistributionUnit()
{
    StreckViewCounts = StreckViewCounts == 1 ? 0 : 1;
}

QString RowDistributionPrintHeading()
{
    if (SystemDate == QStringLiteral("DD"))
        SystemDate = QString();
    const QString name = SystemName;
    QString heading = name.isEmpty() || name == QStringLiteral("NN") ? QStringLiteral("Vimsta V75") : name;
    const QString date = SystemDate;
    if (!date.isEmpty())
        heading += QStringLiteral("  ") + date;
    return heading;
}

QString RowDistributionPrintTitle()
{
    return RowDistributionTitle() + (StreckViewCounts == 1 ? QString() : QStringLiteral(" [%]"));
}

QString RowDistributionPrintCell(const QString& screenText)
{
    if (StreckViewCounts == 1)
        return screenText;
    if (screenText == QStringLiteral("100 %"))
        return QStringLiteral("100");
    return screenText.left(2);
}
