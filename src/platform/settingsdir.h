#pragma once
// Where the program keeps its settings files.

#include <QString>

// The user's settings folder of the program, ending in a separator; it is created when it
// does not exist yet. Tests redirect it with QStandardPaths::setTestModeEnabled(true).
QString SettingsDir();
