#pragma once
// The per-horse figures that the reduction window and the streck window show beside the
// marks: the share of the single rows that hold each horse.

// SystemStreckPercent of every race slot and start number: the share in whole percent
// (rounded half to even) of the single rows 1..SingleRowCount that hold the horse. With no
// single rows nothing changes. A stored number outside 1-15 counts for no horse. Announces
// the new figures with Events::SystemStreckPercentChanged.
void ShowReducedPercentages();
