#pragma once
// The order of the rows of the race-data window. Each race shows its 15 start numbers in 15
// display slots, slot 1 at the top; an order says which start number stands in which slot.
// The fixed orders sort by start number, streck, odds or points; the own order is arranged by
// dragging rows and kept in OwnOrder.

#include <array>

#include "model/domain.h"

// [slot 1-15] = start number; [0] unused.
using HorseOrder = std::array<int32, StartNumbers + 1>;

enum class RowSortKey { Streck, Odds, Points };

HorseOrder StartNumberOrder();

// The order of keys[1..15] (one per start number) by an exchange sort that starts from the
// start-number order: streck and points descending; odds ascending with every 0 (no odds)
// after all others. Equal keys end in the order the exchanges leave them.
HorseOrder SortedByKeys(RowSortKey key, const std::array<int32, StartNumbers + 1>& keys);
// The same with the keys of race slot 1-7 from the tables: StreckValues, HorsePoints, and for
// the odds the odds texts as the page gave them (OddsTexts, in hundredths), or the whole odds
// (OddsValues) where a text holds no number.
HorseOrder SortedRace(RowSortKey key, int race);

// After the streck order of race slot 1-7: while KeepOwnOrder is 0 it becomes the race's own
// order; after race slot 7 KeepOwnOrder := 1.
void HandStreckOrderToOwnOrder(int race, const HorseOrder& order);

// The own order of a race as a permutation of 1-15: every start number once. An order from an
// old file or an earlier fault keeps each start number at its first slot; slots holding a
// number twice or no valid number take the missing numbers in ascending order.
HorseOrder AsPermutation(const int32 (&order)[StartNumbers + 1]);

// The display slot of a row whose top is rowTop: the last slot whose top lies less than 8
// pixels below rowTop; current when there is none.
int DragSourceSlotOf(int rowTop, int current, const int32 (&rowTops)[StartNumbers + 1]);

// What a drop at height dropY does to the row dragged from rowTop: no move, up or down, and
// the slot it goes to.
enum class RowMove { None = 0, Up = 1, Down = 2 };
struct OwnOrderMove {
    RowMove direction = RowMove::None;
    int targetSlot = 1;
    friend bool operator==(const OwnOrderMove&, const OwnOrderMove&) = default;
};
OwnOrderMove DropMoveAt(int dropY, int dragRowTop, int rowHeight, int rowGap,
                        const int32 (&rowTops)[StartNumbers + 1]);

// Moves the start number in sourceSlot to targetSlot; the rows in between move one slot to
// make room. Entry [0] keeps the moved start number. The order is made a permutation first;
// a slot outside 1-15, or a target on the wrong side of the source, moves nothing.
void MoveInOwnOrder(int32 (&order)[StartNumbers + 1], RowMove direction, int sourceSlot, int targetSlot);

// The slot whose top is top, or 0.
int SlotAtTop(int top, const int32 (&rowTops)[StartNumbers + 1]);
