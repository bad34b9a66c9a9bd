#pragma once
// What a race popup beside the race-data window shows: per start number a line with number,
// name and driver, the points, the odds, the streck and the streck scaled so that the race
// sums to 100 %.

#include <QString>

#include "model/variabl.h"

// The race-data window's column switches that the popup follows.
struct PopupSwitches {
    bool points = false;  // CBPoeng
    bool odds = false;    // CBOdds
    bool streck = true;   // CBStreck
    bool str100 = true;   // CBStr100
};

struct PopupLine {
    QString line;  // "number name  driver"
    QString points;
    QString odds;
    QString streck;
    QString scaled;
};

struct PopupContent {
    PopupLine lines[StartNumbers + 1];  // [1..15]
    // True when the scaled column keeps what it showed before (a race whose streck sum to
    // less than 0); the scaled texts above are then empty.
    bool keepScaled = false;
};

// Distance from the race-data window's left edge to popup r's left edge; the popup's top lies
// PopupTopOffset below the race-data window's top.
int PopupLeftOffset(int race);
constexpr int PopupTopOffset = 32;

// The streck cell for a stored streck text: empty stays empty, a text that already ends in
// "%" keeps one sign ("12%" -> "12 %"), a bare number gets " %".
QString PopupStreckText(const QString& stored);

// streck x 100 / sum rounded half to even: the streck of a race scaled to 100 %.
int32 ScaledStreck(int32 streck, std::int64_t sum);

// The popup of race slot race (1-7), from the race-data tables. Race slot 7 shows no driver.
PopupContent BuildPopupContent(int race, const PopupSwitches& switches);
