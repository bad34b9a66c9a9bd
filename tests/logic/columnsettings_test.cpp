// The column settings file of the race-data window: exact words, and short files that keep the
// design states of the lines they lack.

#include <gtest/gtest.h>

#include "racedata/columnsettings.h"

namespace {

TEST(ColumnSettings, LinesSetTheirColumnsAndMissingLinesKeepTheDesign)
{
    struct Case {
        QStringList lines;
        ColumnSettings expected;
    };
    const Case cases[] = {
        {{}, {true, false, true, true, false}},
        {{"Visaejrank", "Odds", "Streck", "Str100", "Startnr"}, {false, true, true, true, true}},
        {{"Visaejrank"}, {false, false, true, true, false}},
        {{"x", "odds", "Streck "}, {true, false, false, true, false}},
        {{"", "Odds ", "", "", "", "Startnr"}, {true, false, false, false, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseColumnSettings(c.lines), c.expected) << c.lines.join(QLatin1Char('|')).toStdString();
}

}  // namespace
