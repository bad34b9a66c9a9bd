#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "model/variabl.h"
#include "platform/textfile.h"
#include "racedata/columnsettings.h"
#include "racedata/filenames.h"
#include "racedata/ownorderfile.h"

namespace {

QStringList StartOrderLines()
{
    QStringList lines;
    for (int r = 1; r <= RaceSlots; ++r)
        for (int s = 1; s <= StartNumbers; ++s)
            lines << QString::number(s);
    return lines;
}

}  // namespace

TEST(ColumnSettingsFile, LinesSetTheSwitchesInOrderAndAShortFileStopsAtItsEnd)
{
    struct Case {
        QStringList lines;
        bool showRank, odds, streck, str100, startNr;
    };
    const Case cases[] = {
        {{}, true, false, true, true, false},
        {{"Visaejrank"}, false, false, true, true, false},
        {{"x", "Odds", "Streck", "Str100", "Startnr", "ignored"}, true, true, true, true, true},
        {{"Visaejrank", "odds", "Streck "}, false, false, false, true, false},
        {{"visaejrank", "Odds", "", "", ""}, true, true, false, false, false},
        {{"", "", "Streck", "Str100"}, true, false, true, true, false},
    };
    for (const Case& c : cases) {
        const ColumnSettings s = ParseColumnSettings(c.lines);
        SCOPED_TRACE(c.lines.join(QLatin1Char('|')).toStdString());
        EXPECT_EQ(s.showRank, c.showRank);
        EXPECT_EQ(s.odds, c.odds);
        EXPECT_EQ(s.streck, c.streck);
        EXPECT_EQ(s.str100, c.str100);
        EXPECT_EQ(s.startNr, c.startNr);
    }
}

TEST(ColumnSettingsFile, IsReadFromTheFolderAndMissingMeansDesignStates)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const ColumnSettings missing = ReadColumnSettings(folder);
    EXPECT_TRUE(missing.showRank && missing.streck && missing.str100);
    EXPECT_FALSE(missing.odds || missing.startNr);

    ASSERT_TRUE(WriteTextLines(folder + QStringLiteral("visa.rnn"), {"Visaejrank", "Odds"}));
    const ColumnSettings read = ReadColumnSettings(folder);
    EXPECT_FALSE(read.showRank);
    EXPECT_TRUE(read.odds);
    EXPECT_TRUE(read.streck);
}

TEST(FileNames, OnlyTheLastExtensionOfTheFileNameIsReplaced)
{
    const struct {
        const char* chosen;
        const char* forced;
    } cases[] = {{"mitt", "mitt.odg"},
                 {"mitt.txt", "mitt.odg"},
                 {"/tmp/a.b.txt", "/tmp/a.b.odg"},
                 {"/tmp/dir.x/mitt", "/tmp/dir.x/mitt.odg"},
                 {"C:\\dir.x\\mitt", "C:\\dir.x\\mitt.odg"},
                 {"mitt.odg", "mitt.odg"}};
    for (const auto& c : cases)
        EXPECT_EQ(WithExtension(QString::fromUtf8(c.chosen), QStringLiteral(".odg")),
                  QString::fromUtf8(c.forced));
    EXPECT_EQ(FileNameOf(QStringLiteral("/tmp/dir.x/mitt.odg")), QStringLiteral("mitt.odg"));
}

TEST(OwnOrderFile, StartOrderIsWrittenAs105LinesAndReadsBack)
{
    ResetGlobals();
    int32 order[RaceSlots + 1][StartNumbers + 1] = {};
    for (int r = 1; r <= RaceSlots; ++r)
        for (int s = 1; s <= StartNumbers; ++s)
            order[r][s] = s;
    EXPECT_EQ(OwnOrderFileLines(order), StartOrderLines());

    order[2][1] = 7;  // race 2: 7 first, then 1-6, 8-15
    for (int s = 2; s <= 7; ++s)
        order[2][s] = s - 1;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mitt.odg"));
    ASSERT_TRUE(WriteTextLines(path, OwnOrderFileLines(order)));
    const std::optional<QStringList> lines = ReadTextLines(path);
    ASSERT_TRUE(lines);
    const OwnOrderFileResult read = ParseOwnOrderFile(*lines);
    ASSERT_TRUE(read.table);
    for (int r = 1; r <= RaceSlots; ++r)
        for (int s = 1; s <= StartNumbers; ++s)
            EXPECT_EQ(read.table->order[r][s], order[r][s]);
}

TEST(OwnOrderFile, ShortNonNumericAndNonPermutationFilesAreRefused)
{
    const auto with = [](int line, const char* text) {
        QStringList lines = StartOrderLines();
        lines[line - 1] = QString::fromUtf8(text);
        return lines;
    };
    QStringList shortFile = StartOrderLines();
    shortFile.removeLast();
    const QStringList refused[] = {
        shortFile,     with(5, "fem"), with(5, ""),    with(1, "300"),
        with(1, "-1"), with(1, "2"),   with(105, "1"), with(20, "0"),
    };
    for (const QStringList& lines : refused) {
        const OwnOrderFileResult result = ParseOwnOrderFile(lines);
        EXPECT_FALSE(result.table);
        EXPECT_TRUE(result.error.startsWith(QStringLiteral("Den egna ordningen kunde inte läsas in")));
    }
    EXPECT_TRUE(ParseOwnOrderFile(StartOrderLines() << QStringLiteral("extra")).table);
}
