#pragma once
// The streck grids that the percentage and reduction windows show: per race the streck cells
// of start numbers 1-15 and the race's total, painted from the tables.

class QLabel;

// cells[1..15] are the race's streck cells, sum its total.
void PaintStreckRace(int race, QLabel* const* cells, QLabel* sum);
