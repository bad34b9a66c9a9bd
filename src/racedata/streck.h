#pragma once
// Questions about the streck (the share of the pool staked on each horse) of the races.

// True when each of races 1-6 has streck: its 15 values do not sum to 0.
bool StreckInEveryRace();
