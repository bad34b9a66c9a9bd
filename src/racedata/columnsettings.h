#pragma once
// The column settings file "visa.rnn" of the race-data window: five lines, each compared
// whole, exactly and with case, with one word. The file is only read.

#include <QStringList>

// The states a file gives; a line the file lacks leaves the design state.
struct ColumnSettings {
    bool showRank = true;  // line 1 "Visaejrank" hides the rank labels
    bool odds = false;     // line 2 "Odds"
    bool streck = true;    // line 3 "Streck"
    bool str100 = true;    // line 4 "Str100"
    bool startNr = false;  // line 5 "Startnr"

    friend bool operator==(const ColumnSettings&, const ColumnSettings&) = default;
};

// The settings of the file's lines (no lines: no file, or one that could not be read).
ColumnSettings ReadColumnSettings(const QStringList& lines);
