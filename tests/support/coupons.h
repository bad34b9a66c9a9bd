#pragma once
// Built systems for the coupon viewers' tests, written straight into the tables.

// Coupons 1..count built and kept, as a construction leaves them.
void KeepCoupons(int count);

// The two group coupons over the marks A at 2 and 7, C at 5 in race 1 and A at 1, B at 3 and 4
// in races 2-6 (the caller marks them): coupon 1 plays AC, AB, A, B, A, A (18 rows), coupon 2
// only A (2 rows). Both are kept.
void StoreSmallGroupCoupons();
