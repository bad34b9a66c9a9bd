#pragma once
// Every window of the program, created once at start in a fixed order and reached through
// its global reference until the program ends.

// Creates the 64 windows hidden, in start order; each window's reference is set before its
// create handler runs.
void CreateAllForms();
