#include "output/couponview.h"

#include <QStringList>

#include "output/couponhorses.h"
#include "output/reserves.h"

namespace {

QStringList StartNumbersOf(THorseMask horses)
{
    QStringList numbers;
    for (int h = 1; h <= StartNumbers; ++h)
        if (horses & HorseBit(h))
            numbers << QString::number(h);
    return numbers;
}

QString RowLine(const THorseMask horses[RaceSlots + 1])
{
    QStringList factors;
    std::int64_t product = 1;
    for (int race = 1; race <= RaceSlots; ++race) {
        factors << QString::number(HorseCountOf(horses[race]));
        product *= HorseCountOf(horses[race]);
    }
    return factors.join(QStringLiteral(" x ")) + QStringLiteral(" = ") + QString::number(product) +
           (product > 1 ? QStringLiteral(" rader") : QStringLiteral(" rad"));
}

QString CouponNumberLine()
{
    return QStringLiteral("Kupong %1 av %2").arg(CurrentCouponPos).arg(KeptCouponCount);
}

// Both viewers say the same when there is no coupon; the reserve labels keep their texts.
CouponViewTexts NoCouponTexts()
{
    CouponViewTexts texts;
    texts.kupongnummer = QString();
    for (int race = 1; race <= RaceSlots; ++race) {
        texts.startnr[race] = QString();
        texts.abc[race] = QString();
    }
    texts.startnr[2] = QStringLiteral("Det finns inga kuponger att visa.");
    texts.startnr[3] = QStringLiteral("Systemet är inte konstruerat.");
    texts.rowLine = QString();
    return texts;
}

QString JoinPair(const ReservePair& pair, const QString& separator)
{
    return QString::number(pair.first) + separator + QString::number(pair.second);
}

// The group viewer shows in chosen order only the free numbers it found.
QString GroupViewerReserveText(const ReservePair& pair)
{
    switch (ReserveMode) {
        case ReserveModeChosenOrder:
            if (pair.count == 0)
                return QString();
            return pair.count == 1 ? QString::number(pair.first) : JoinPair(pair, QStringLiteral(",  "));
        case ReserveModeFixed:
        case ReserveModeNextLower:
            return JoinPair(pair, QStringLiteral(", "));
        default:
            return QString();
    }
}

bool CouponShown()
{
    return CurrentCoupon >= 1 && CurrentCoupon <= CouponCount && CouponsBuilt == 1;
}

// The texts of the current coupon that both viewers show alike (its number, the row line after
// rowLinePrefix, whether its product matches); fillRace writes a race's own texts from the
// race's horses.
template <typename FillRace>
CouponViewTexts CurrentCouponTexts(const QString& rowLinePrefix, FillRace fillRace)
{
    if (!CouponShown())
        return NoCouponTexts();
    CouponViewTexts texts;
    THorseMask horses[RaceSlots + 1] = {};
    for (int race = 1; race <= RaceSlots; ++race) {
        horses[race] = CouponHorses(race, CurrentCoupon);
        fillRace(texts, race, horses[race]);
    }
    texts.kupongnummer = CouponNumberLine();
    texts.rowLine = rowLinePrefix + RowLine(horses);
    texts.mismatch = CouponRowProduct(CurrentCoupon) != CouponRowCounts[CurrentCoupon];
    return texts;
}

}  // namespace

QString GroupCodeLetters(int code)
{
    const unsigned groups = GroupsOfCode(code);
    QString letters;
    for (int group = 1; group <= 4; ++group)
        letters += (groups & (1u << (group - 1))) ? QChar(u'A' + group - 1) : QChar(u' ');
    while (letters.endsWith(u' '))
        letters.chop(1);
    return letters;
}

CouponViewTexts GroupCouponTexts()
{
    return CurrentCouponTexts(QStringLiteral(" "), [](CouponViewTexts& texts, int race, THorseMask horses) {
        QString numbers;
        for (const QString& number : StartNumbersOf(horses))
            numbers += u' ' + number;
        texts.startnr[race] = numbers;
        texts.abc[race] = GroupCodeLetters(CouponGroupCodes[race][CurrentCoupon]);
        texts.reservnr[race] = GroupViewerReserveText(PickReserves(race, horses, false, false));
    });
}

// A coupon whose product does not match still shows its own number and reserves.
CouponViewTexts RowCouponTexts()
{
    return CurrentCouponTexts(QString(), [](CouponViewTexts& texts, int race, THorseMask horses) {
        texts.startnr[race] = StartNumbersOf(horses).join(QStringLiteral(", "));
        const ReservePair pair = PickReserves(race, horses, true, false);
        texts.reservnr[race] =
            ReserveMode == ReserveModeNone ? QString() : JoinPair(pair, QStringLiteral(", "));
    });
}

std::optional<int32> SteppedCouponPosition(int32 position, int step, int32 count)
{
    if (step == 1)
        return position >= count ? std::nullopt : std::optional<int32>(position + 1);
    if (step == -1)
        return position <= 1 ? std::nullopt : std::optional<int32>(position - 1);
    if (step > 0)
        return position < count - (step - 1) ? position + step : count;
    const int32 size = -step;
    if (position <= 1)
        return position;
    return position <= size ? 1 : position - size;
}

bool StepCurrentCoupon(int step)
{
    const std::optional<int32> position = SteppedCouponPosition(CurrentCouponPos, step, KeptCouponCount);
    if (!position)
        return false;
    CurrentCouponPos = *position;
    const bool inList = *position >= 1 && *position <= KeptCouponCount;
    CurrentCoupon = inList && CouponsBuilt == 1 ? KeptCoupons[*position] : 0;
    return true;
}
