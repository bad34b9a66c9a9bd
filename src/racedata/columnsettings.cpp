#include "racedata/columnsettings.h"

namespace {

// Line n + 1 of the file: its word, the state it sets, and that state when the line is the word.
struct SettingsLine {
    const char* word;
    bool ColumnSettings::*state;
    bool whenWord;
};

constexpr SettingsLine SettingsLines[] = {
    {"Visaejrank", &ColumnSettings::showRank, false}, {"Odds", &ColumnSettings::odds, true},
    {"Streck", &ColumnSettings::streck, true},        {"Str100", &ColumnSettings::str100, true},
    {"Startnr", &ColumnSettings::startNr, true},
};

}  // namespace

ColumnSettings ReadColumnSettings(const QStringList& lines)
{
    ColumnSettings settings;
    for (qsizetype i = 0; i < qsizetype(std::size(SettingsLines)) && i < lines.size(); ++i) {
        const SettingsLine& line = SettingsLines[i];
        settings.*line.state = (lines.at(i) == QLatin1String(line.word)) == line.whenWord;
    }
    return settings;
}
