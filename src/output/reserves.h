#pragma once
// The reserve rule of the system. Every race of every coupon and single row carries a first
// and a second reserve that follow from ReserveMode, the race's ReserveOrder and its
// FixedReserves (model/variabl.h); nothing stores or caches them.

#include <QString>

#include "output/couponhorses.h"

constexpr int ReserveModeNone = 1;
constexpr int ReserveModeChosenOrder = 2;
constexpr int ReserveModeFixed = 3;
constexpr int ReserveModeNextLower = 4;

struct ReservePair {
    int count = 0;   // how many of the two are in force, 0-2
    int first = 0;   // 0 none
    int second = 0;  // 0 none
    friend bool operator==(const ReservePair&, const ReservePair&) = default;
};

// The reserves of race slot 1-7 for a coupon or row that plays horses, read from the reserve
// tables now. fallBack: in chosen order, a coupon that leaves fewer than two numbers free
// takes the numbers at positions 14 and 15 to make up the pair. compact: fixed reserves of 0
// are dropped and the others moved to the front.
//
// Who passes what:
//   group-coupon viewer        no fall-back, not compacted
//   row-tested coupon viewer   fall-back, not compacted
//   bet file                   fall-back, compacted
//   system print-out           no fall-back, not compacted
//   text report                no fall-back for group coupons, fall-back otherwise; not compacted
//   single-row viewer          fall-back, compacted
//   grading                    fall-back, not compacted
ReservePair PickReserves(int race, THorseMask horses, bool fallBack, bool compact);

// Rebuilds ReserveDefaultOrder of race slot 1-7 from the marks (the A horses, then B, C, D and
// the unmarked, each in ascending order) and puts label k at slot k.
void BuildDefaultReserveOrder(int race);

// ReserveOrder of every race from the strips: the start number of each label at its slot.
void WriteReserveOrderFromStrips();

// The letter of a reserve mode: "-", "V", "F", "L".
QString ReserveModeLetter(int mode);

// ---- The reserve window's strips ----

// Left edges of slots 1-16 of a strip and the offset added to the pointer while dragging.
struct ReserveStripGeometry {
    int xBase = 0;
    int slotX[17] = {};  // [1..16]
};
ReserveStripGeometry StripGeometry(int stripLeft, int stripWidth, int labelWidth);

// The slot 1-15 where a label dragged from fromSlot settles when released with its left
// edge at dropLeft.
int DropSlot(const ReserveStripGeometry& geometry, int dropLeft, int fromSlot);

// Moves the label of race slot 1-7 that stood at fromSlot to toSlot (both 1-15); the labels
// between shift one slot towards fromSlot. The slots stay a permutation of 1-15.
void MoveReserveLabel(int race, int fromSlot, int toSlot);

// The label 1-15 of race slot 1-7 that stands at slot 1-15; 0 when none does.
int ReserveLabelAtSlot(int race, int slot);
