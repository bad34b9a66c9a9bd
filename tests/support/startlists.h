#pragma once
// Start lists for the race-data tests, written straight into the tables.

// Race 3 with horses 1-4: names "h Hästh", drivers "Kusk<h>", streck 13, 39, 26, 26 (sum 104).
void FillRace3();
