#pragma once
// Manual coupon reduction: dropping coupons of a constructed system by hand (a range of
// kept coupons, coupons beyond a maximum of rows, single coupons), with one step of undo.
// Each operation only changes keep flags; the caller recounts with
// RecomputeCouponSelection afterwards.

#include <QString>

#include "model/variabl.h"

// "Alla", "Varannan", "Var tredje": of the kept positions from..to, the first and every
// step-th kept one after it is dropped.
enum class RangeDropStep { All = 1, EverySecond = 2, EveryThird = 3 };

// Drops over the positions from..to of KeptCoupons and marks the dropped ones in
// CouponUndo (cleared first). False, with nothing dropped, when a position lies outside
// 1..KeptCouponCount or from lies after to.
bool DropCouponRange(int32 from, int32 to, RangeDropStep step);
// Gives the coupons marked in CouponUndo their keep flag back; the marks stay.
void UndoCouponRange();
// Walks the coupons in order and drops each kept one whose rows would bring the running
// total of kept rows above maxRows.
void DropCouponsAboveRows(int32 maxRows);
// Flips the keep flag of coupon 1..CouponCount; false for any other number.
bool ToggleCouponKept(int32 coupon);
// "Ta bort all reducering": every coupon 1..CouponCount kept.
void KeepEveryCoupon();

// The coupon shown after stepping from current by step (positive up, negative down),
// within 1..CouponCount; up at or above CouponCount and down at 1 stay where they are.
int32 SteppedCoupon(int32 current, int32 step);
// The shown coupon brought into 1..CouponCount (1 when there is none).
int32 ShownCouponInRange(int32 coupon);
// The rows of coupon 1..CouponCount; 0 for any other number.
int32 CouponRows(int32 coupon);
// The caption of KnTB for the coupon.
QString CouponToggleCaption(int32 coupon);
