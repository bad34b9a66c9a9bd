#pragma once
// Saving and loading the whole system as one file.

// Asks for a file name in the main window's save dialog and writes the system there.
// Returns true when the system was written; false when the user cancelled or it failed.
bool WriteSystemFile();

// Asks for a file in the main window's open dialog and loads the system from it.
// Returns true when a system was loaded; false when the user cancelled or it failed.
bool ReadSystemFile();
