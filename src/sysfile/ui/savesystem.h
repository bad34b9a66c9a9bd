#pragma once
// The save of the whole system as the windows start it: the save dialog, the question before
// an existing file is replaced, and the message of a failed write. The main window's
// "Spara system", its questions before a load and at closing, and the grading window's
// "Spara omgången" call it; each sets SaveRoundInFile first as it needs.

#include <QString>

class QWidget;

// True when the system was written; false when the user cancelled the dialog, declined to
// replace the file, or the write failed (its message shown). The dialog offers the name last
// chosen in it, or the saved file with ".SV6" after a save.
bool WriteSystemFile(QWidget* parent);

// The open dialog of "Hämta system"; empty when cancelled. Like the save dialog it offers the
// name last chosen in it, or the file with ".SV6" once a load has found it.
QString ChooseSystemFileToLoad(QWidget* parent);
// A load found the chosen file: the open dialog offers it, with ".SV6", next time.
void OfferLoadedSystemFile(const QString& chosen);
// Both dialogs offer no name, as at start.
void ForgetSystemFileNames();
