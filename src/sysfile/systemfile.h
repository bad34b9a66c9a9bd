#pragma once
// Saving and loading the whole system as one file.

#include <QString>

// What a save or a load did, and what the user is to be told about it (empty: nothing).
struct SystemFileOutcome {
    bool done = false;
    QString message;
};

// Writes the system. done is true when the system was written; false when the user cancelled
// or it failed.
SystemFileOutcome WriteSystemFile();

// Loads the system. done is true when a system was loaded; false when the user cancelled or it
// failed.
SystemFileOutcome ReadSystemFile();
