#pragma once
// Saving and loading the whole system as one file (*.SV6), and the name that the delete
// window erases. The window asks for the file name and shows the messages these return; the
// layout of the file is sysfile/systemfileformat.h.
//
// A load reads and checks the whole file before anything changes: a refused file changes
// nothing at all. Only a file that passes is applied: the reset before a load, the store, the
// derived tables and every window refreshed (Events::SystemLoaded), then the window rebuilds a
// constructed system in its saved construction mode and finishes with FinishLoadedRebuild
// (sysfile/sysload.h).

#include <QString>
#include <functional>

inline const QString SystemFileFilter = QStringLiteral("Vimsta V6 (*.SV6)|*.SV6");
inline const QString SystemFileRefusedMessage = QStringLiteral("Systemet kunde inte läsas in.");

// The chosen name with the extension ".SV6" forced (the path is never cut).
QString SystemFilePath(const QString& chosenPath);

// What a save or a load did, and what the user is to be told about it (empty: nothing).
struct SystemFileOutcome {
    bool done = false;
    QString message;
};

// The chosen name with the extension ".SV6" (replacing any other), the file a save writes and
// a load reads.
QString SystemFilePath(const QString& chosenPath);

// Asked before an existing file is replaced, with the question's text; true goes on.
using OverwriteQuestion = std::function<bool(const QString& question)>;

// Saves the system to the chosen path with the extension ".SV6", with the graded round when
// SaveRoundInFile is 1. An unbuilt system is saved with CouponCount 0, which stays in memory.
// The file is written beside the target and renamed, so a failed write leaves an old file
// whole. done: written, SystemSaved := 1. Not done without a message: the user declined to
// replace the file.
SystemFileOutcome SaveSystemFile(const QString& chosenPath, const OverwriteQuestion& askOverwrite);

// What a load leaves for the window to do.
struct SystemLoadOutcome {
    SystemFileOutcome file;        // done: the file was read and applied
    bool found = false;            // the file exists (read, whether applied or refused)
    bool rowCountDiffers = false;  // show LoadRowCountMismatchMessage, then go on
    bool rebuild = false;          // construct again in the loaded mode, then FinishLoadedRebuild
};

// Loads the file of the chosen path with the extension ".SV6". A missing file gives
// "Filen <name> finns ej.", a refused one SystemFileRefusedMessage; both change nothing.
// reading runs once the file is found, before it is read (the window shows its wait sign).
SystemLoadOutcome LoadSystemFile(const QString& chosenPath, const std::function<void()>& reading = {});

// The delete window's file: the typed name (a bare name is taken in the folder) with its
// extension replaced by ".V75"; exists tells whether that same file exists.
struct ErasableFile {
    QString path;
    QString shownName;  // the name as typed, with ".V75"
    bool exists = false;
};
ErasableFile FileToErase(const QString& folder, const QString& typedName);
// Erases the file; false when it could not be erased.
bool EraseFile(const QString& path);
