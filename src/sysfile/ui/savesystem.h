#pragma once
// The save of the whole system as the windows start it: the save dialog, the question before
// an existing file is replaced, and the message of a failed write. The main window's
// "Spara system", its questions before a load and at closing, and the grading window's
// "Spara omgången" call it; each sets SaveRoundInFile first as it needs.

class QWidget;

// True when the system was written; false when the user cancelled the dialog, declined to
// replace the file, or the write failed (its message shown).
bool WriteSystemFile(QWidget* parent);
