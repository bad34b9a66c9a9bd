#pragma once
// Built systems for the tests and benchmarks, written straight into the tables.

// Coupons 1..count built and kept, as a construction leaves them.
void KeepCoupons(int count);

// The two group coupons over the marks A at 2 and 7, C at 5 in race 1 and A at 1, B at 3 and 4
// in races 2-6 (the caller marks them): coupon 1 plays AC, AB, A, B, A, A (18 rows), coupon 2
// only A (2 rows). Both are kept.
void StoreSmallGroupCoupons();

// Single rows 1..count as a varying reduction leaves them (SingleRowsBuilt, SingleRowCount):
// each another row of the marked system, in order with race 6 turning fastest, the dummy
// slot's start number 1 in slot 7. The caller marks at least count rows.
void StoreSingleRows(int count);
