#pragma once
// What the two coupon viewers show for the coupon at CurrentCouponPos / CurrentCoupon, and
// how their step buttons move through the kept coupons.

#include <QString>
#include <optional>

#include "model/variabl.h"

// The texts of one filling of a viewer, [1..7] per race slot. A text that is not set
// (std::nullopt) keeps what the label shows.
struct CouponViewTexts {
    std::optional<QString> kupongnummer;
    std::optional<QString> startnr[RaceSlots + 1];
    std::optional<QString> abc[RaceSlots + 1];  // group viewer only
    std::optional<QString> reservnr[RaceSlots + 1];
    std::optional<QString> rowLine;  // antalraderikup
    // The coupon's horses do not multiply to its stored row count: the viewer shows
    // CouponMismatchAlarm after the texts.
    bool mismatch = false;
};

inline const QString CouponMismatchAlarm = QStringLiteral("Något blev FEL!   AVBRYT!");

// The group viewer (TKuponger) and the viewer of coupons built with row conditions
// (TKupongerE). With no coupon to show (CurrentCoupon 0) both say so in Startnr2 and Startnr3.
CouponViewTexts GroupCouponTexts();
CouponViewTexts RowCouponTexts();

// The letters of the groups a TGroupSetCode names, each in its own column: 6 -> "A C".
QString GroupCodeLetters(int code);

// The viewers' steps: +-1, +-10, +-100, +-1000 over N kept coupons. The new position, or
// nothing when the step does nothing (a step of 1 at an end).
std::optional<int32> SteppedCouponPosition(int32 position, int step, int32 count);
// Applies a step to CurrentCouponPos and CurrentCoupon; false when nothing happens.
bool StepCurrentCoupon(int step);
