#pragma once
// What a start-list window shows for one race: fifteen fixed rows of streck, odds, start
// number and name, with the columns that the main window's three switches choose.

#include <QString>
#include <QStringList>

#include "model/variabl.h"

struct StartListSwitches {
    bool streck = true;  // Signalstreck lime
    bool odds = false;   // Signalodds lime
    bool name = true;    // Signalhest lime
};

constexpr int HiddenColumn = -1;

struct StartListRow {
    QString streck, odds, number, name;
    bool scratched = false;
};

struct StartListView {
    // Left edges of the four columns, HiddenColumn for a column that is not shown. Before
    // any start list exists only the name column is shown, at left 0, with three lines of
    // text in rows 1-3.
    int streckLeft = HiddenColumn;
    int oddsLeft = HiddenColumn;
    int numberLeft = HiddenColumn;
    int nameLeft = HiddenColumn;
    StartListRow rows[StartNumbers + 1];  // [1..15]
    // With every switch off: the hint that row 1's name label shows at HintLeft.
    QString hint;
};

constexpr int StartListHintLeft = 20;

// The screen offset of start-list window r from the main window's top left corner.
int StartListLeftOffset(int race);
constexpr int StartListTopOffset = 138;

StartListView BuildStartListView(int race, const StartListSwitches& switches);

// The start lists of races 1-6 as the text of the never-shown start-list window's memo, as a
// load rebuilds it: per race a heading line and an empty line, a line per present horse
// (number, odds or "  EJ ", streck, name) and two empty lines.
QStringList StartListListing();
