#pragma once
// Taking in the start list of one race from the text of the operator's start-list page, as
// the user copied it in a browser (Ctrl+A, Ctrl+C). Two layouts are read: the one Chrome and
// Edge give (the full list, or the "Enkel lista" without odds) and the one Firefox gives.
//
// ImportStartList is a pure function of the text, the race and the race data as they stand;
// it touches no table. The window takes the clipboard text, stores an accepted result with
// StoreStartList and shows the message. A refused text changes nothing.

#include <QString>

#include "model/variabl.h"

// One start number of a race as a start list gives it.
struct StartListHorse {
    QString name;        // HorseNames: the start number, one blank, the name as the page gives it
    QString driver;      // DriverNames
    QString oddsText;    // OddsTexts: as copied; "EJ" for a scratched horse
    QString streckText;  // StreckTexts
    int32 streck = 0;    // StreckValues, whole percent 0-100
    int32 odds = 0;      // OddsValues, whole odds, 0 = none
    bool scratched = false;
    bool present = false;  // HorsePresent: the start number is in the start list

    friend bool operator==(const StartListHorse&, const StartListHorse&) = default;
};

// What an import reads and writes: the entries of one race and the round's values.
struct StartListState {
    StartListHorse horses[StartNumbers + 1];  // [1..15]
    QString raceTitle;                        // RaceInfoLines[race][0]
    QString heading;                          // StartListHeading
    QString gameName;                         // GameName, "V65" or "V64"
    QString gameType;                         // GameType, "v65" or "v64"

    friend bool operator==(const StartListState&, const StartListState&) = default;
};

struct StartListImport {
    bool accepted = false;  // false: the text was refused and state is the given state
    StartListState state;
    QString message;  // a notice for the user, empty when there is none
};

// Reads the start list of race 1-6 from the pasted text. An accepted text replaces the race's
// streck, odds, scratched and present entries, and the names and drivers of the start numbers
// it holds (at most 15); the others keep their names and drivers.
StartListImport ImportStartList(const QString& text, int race, const StartListState& current);

// A streck text of the Chrome layout ("12,34%", "12%"): rounded half up. A text of at most
// three characters keeps its form and gives 0 for a scratched horse.
struct StreckReading {
    int32 value = 0;
    QString text;
    friend bool operator==(const StreckReading&, const StreckReading&) = default;
};
StreckReading ReadChromeStreck(const QString& streckText, bool scratched);
// The streck field of the Firefox layout without its "%" ("12,34", "7"): rounded half to even.
StreckReading ReadFirefoxStreck(const QString& field);
// Whole odds from an odds text ("3,45" -> 3): rounded half to even; "EJ", empty or not a
// number gives 0.
int32 OddsValueOf(const QString& oddsText);
// The odds of an odds text in hundredths ("4,70" -> 470, "5,1" -> 510), rounded half to even
// and at most the largest int32; "EJ", empty or not a number gives 0. The odds order uses it,
// so that odds rounding to the same whole number keep their order.
int32 OddsHundredthsOf(const QString& oddsText);

// The race data of race 1-6 as the tables hold them.
StartListState CurrentStartListState(int race);
// Writes an accepted import of race 1-6 into the tables: the race's entries, the round's
// values, the race-data window's caption, StartListLoaded := 1 and StreckPresent by its rule.
// The main window sets its own caption (MainFormCaption) when told of the import.
void StoreStartList(int race, const StartListState& state);

// The captions after an import: the main window's, ending with the maker's domain when one is
// given (the host of the update address; none when no address is set), and the race-data
// window's.
QString MainCaptionAfterImport(const QString& makerDomain);
QString DataCaptionAfterImport();
