#pragma once
// The column settings file "visa.rnn" of the race-data window: five lines, each compared
// whole and case-sensitively with one word, that set the window's column switches at start.
// The program only reads it.

#include <QString>
#include <QStringList>

// The switch states; the defaults are the window's design states, which also hold when the
// file is missing.
struct ColumnSettings {
    bool showRank = true;  // line 1 "Visaejrank" hides the rank labels
    bool odds = false;     // line 2 "Odds"
    bool streck = true;    // line 3 "Streck"
    bool str100 = true;    // line 4 "Str100"
    bool startNr = false;  // line 5 "Startnr"

    friend bool operator==(const ColumnSettings&, const ColumnSettings&) = default;
};

inline const QString ColumnSettingsFileName = QStringLiteral("visa.rnn");

// The settings that the lines give. The lines are applied in order; the first missing line
// ends the reading, so the later settings keep their design states. Lines after the fifth
// are ignored.
ColumnSettings ParseColumnSettings(const QStringList& lines);
// The settings of the file in folder (a path ending in a separator, as ProgramDir does); the
// design states when the file is missing or cannot be read.
ColumnSettings ReadColumnSettings(const QString& folder);
