#include "racedata/columnsettings.h"

#include "platform/textfile.h"

ColumnSettings ParseColumnSettings(const QStringList& lines)
{
    ColumnSettings settings;
    struct Line {
        const char* word;
        bool ColumnSettings::*setting;
        bool stateWithWord;
    };
    static const Line fileLines[] = {{"Visaejrank", &ColumnSettings::showRank, false},
                                     {"Odds", &ColumnSettings::odds, true},
                                     {"Streck", &ColumnSettings::streck, true},
                                     {"Str100", &ColumnSettings::str100, true},
                                     {"Startnr", &ColumnSettings::startNr, true}};
    for (qsizetype i = 0; i < std::ssize(fileLines) && i < lines.size(); ++i) {
        // "Visaejrank" hides the rank labels; every other word ticks its box, and any other
        // text shows the rank labels or unticks the box.
        settings.*fileLines[i].setting =
            (lines.at(i) == QLatin1String(fileLines[i].word)) == fileLines[i].stateWithWord;
    }
    return settings;
}

ColumnSettings ReadColumnSettings(const QString& folder)
{
    const std::optional<QStringList> lines = ReadTextLines(folder + ColumnSettingsFileName);
    return lines ? ParseColumnSettings(*lines) : ColumnSettings();
}
