// Taking in a start list from pasted page text: both browser layouts, the streck and odds
// readings, the refusals, and the limits that keep a strange text from doing harm.

#include <gtest/gtest.h>
#include <QStringList>

#include "model/variabl.h"
#include "racedata/startlistimport.h"

namespace {

struct Horse {
    QString name;
    QString driver;
    QString streck;  // as the page shows it, "12,34%"
    QString odds;    // "3,45", "EJ"
};

const QString Tab = QStringLiteral("\t");

QString Joined(const QStringList& lines)
{
    return lines.join(QLatin1Char('\n'));
}

// The top of a copied page, up to and including the race marker.
QStringList PageTop(const QString& pool, int race)
{
    return {QStringLiteral("Spel och resultat"), QStringLiteral("Välj spel"), QStringLiteral("V4"), pool,
            QStringLiteral("Avdelning %1,").arg(race)};
}

// Chrome's copy: an almost empty line after the marker, heading and title at fixed places,
// then a block per horse.
QStringList ChromeRace(int race, const QList<Horse>& horses, bool simpleList = false)
{
    QStringList lines = PageTop(QStringLiteral("V65"), race);
    lines << QString() << QStringLiteral("Startlista") << QStringLiteral("Solvalla lördag")
          << QStringLiteral("Spelstopp 15:55") << QString() << QString() << QStringLiteral("Lopp 5")
          << QString() << QStringLiteral("2140 meter autostart");
    int number = 0;
    for (const Horse& horse : horses) {
        lines << QString::number(++number) << horse.name;
        if (!simpleList)
            lines << QString();
        lines << horse.driver << QStringLiteral("Tränare X");
        lines << (simpleList ? horse.streck + QStringLiteral("x")
                             : horse.streck + Tab + horse.odds + Tab + QStringLiteral("45 000 kr"));
    }
    return lines;
}

// Firefox's copy: a header with bullets, then per horse its name, driver and horse line.
QStringList FirefoxRace(int race, const QList<Horse>& horses)
{
    QStringList lines = PageTop(QStringLiteral("V64"), race);
    lines << QStringLiteral("Lopp 3 – startlista")
          << QStringLiteral("Åby • V64-%1 • Lopp 3 • 2140 m 20:15• Prispengar").arg(race) << QString();
    for (const Horse& horse : horses)
        lines << horse.name << QStringLiteral("Tränare Y") << horse.driver << QString()
              << QStringLiteral("1") + horse.streck + Tab + horse.odds + Tab + QStringLiteral("1 200 000 kr");
    lines << QStringLiteral("Sidfot") << QString() << QString() << QString() << QString();
    return lines;
}

const QList<Horse> ThreeHorses = {
    {QStringLiteral("Alfa Boy"), QStringLiteral("Ann Kusk"), QStringLiteral("12,34%"),
     QStringLiteral("3,45")},
    {QStringLiteral("Beta Girl"), QStringLiteral("Bo Kusk"), QStringLiteral("0,00%"), QStringLiteral("EJ")},
    {QStringLiteral("Gamma"), QStringLiteral("Cilla Kusk"), QStringLiteral("87,66%"), QStringLiteral("1,25")},
};

StartListImport Import(const QStringList& lines, int race, const StartListState& current = StartListState())
{
    return ImportStartList(Joined(lines), race, current);
}

TEST(StartListImport, ChromeFullListFillsTheRace)
{
    const StartListImport result = Import(ChromeRace(2, ThreeHorses), 2);
    ASSERT_TRUE(result.accepted);
    EXPECT_TRUE(result.message.isEmpty());
    const StartListState& s = result.state;
    EXPECT_EQ(s.gameName, QStringLiteral("V65"));
    EXPECT_EQ(s.gameType, QStringLiteral("v65"));
    EXPECT_EQ(s.heading, QStringLiteral("Solvalla lördag"));
    EXPECT_EQ(s.raceTitle, QStringLiteral("Lopp 5  2140"));
    EXPECT_EQ(s.horses[1],
              (StartListHorse{QStringLiteral("1 Alfa Boy"), QStringLiteral("Ann Kusk"),
                              QStringLiteral("3,45"), QStringLiteral("12%"), 12, 3, false, true}));
    EXPECT_EQ(s.horses[2], (StartListHorse{QStringLiteral("2 Beta Girl"), QStringLiteral("Bo Kusk"),
                                           QStringLiteral("EJ"), QStringLiteral("0%"), 0, 0, true, true}));
    EXPECT_EQ(s.horses[3].streck, 88);
    EXPECT_EQ(s.horses[3].odds, 1);
    for (int h = 4; h <= StartNumbers; ++h)
        EXPECT_FALSE(s.horses[h].present) << h;
}

TEST(StartListImport, ChromeSimpleListHasNoOddsAndSaysSo)
{
    const StartListImport result = Import(ChromeRace(1, ThreeHorses, true), 1);
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(result.message, QStringLiteral("Strukna hästar markeras inte när du har valt Enkel lista."));
    EXPECT_EQ(result.state.horses[1].driver, QStringLiteral("Ann Kusk"));
    EXPECT_EQ(result.state.horses[1].streck, 12);
    for (int h = 1; h <= 3; ++h) {
        EXPECT_TRUE(result.state.horses[h].oddsText.isEmpty());
        EXPECT_FALSE(result.state.horses[h].scratched);
    }
}

TEST(StartListImport, ChromeSkipsTheBracketLineBeforeTheStreck)
{
    QStringList lines = ChromeRace(1, ThreeHorses);
    const int streckLine = static_cast<int>(lines.indexOf(
        QStringLiteral("12,34%") + Tab + QStringLiteral("3,45") + Tab + QStringLiteral("45 000 kr")));
    lines.insert(streckLine, QStringLiteral("(tillägg)"));
    lines.insert(streckLine + 1, QStringLiteral("20 m"));
    const StartListImport result = Import(lines, 1);
    EXPECT_EQ(result.state.horses[1].streck, 12);
    EXPECT_EQ(result.state.horses[1].oddsText, QStringLiteral("3,45"));
}

TEST(StartListImport, FirefoxLayoutReadsHeaderAndHorseLines)
{
    QList<Horse> horses = ThreeHorses;
    horses[0].streck = QStringLiteral("12,50%");
    const StartListImport result = Import(FirefoxRace(3, horses), 3);
    ASSERT_TRUE(result.accepted);
    const StartListState& s = result.state;
    EXPECT_EQ(s.gameName, QStringLiteral("V64"));
    EXPECT_EQ(s.gameType, QStringLiteral("v64"));
    EXPECT_EQ(s.heading, QStringLiteral("Åby "));
    EXPECT_EQ(s.raceTitle, QStringLiteral(" Lopp 3    2140 m "));
    EXPECT_EQ(s.horses[1].name, QStringLiteral("1 Alfa Boy"));
    EXPECT_EQ(s.horses[1].driver, QStringLiteral("Ann Kusk"));
    EXPECT_EQ(s.horses[1].streck, 12);  // half to even in this layout
    EXPECT_EQ(s.horses[1].streckText, QStringLiteral("12%"));
    EXPECT_TRUE(s.horses[2].scratched);
    EXPECT_EQ(s.horses[3].name, QStringLiteral("3 Gamma"));
    EXPECT_FALSE(s.horses[4].present);
}

TEST(StartListImport, FirefoxNameLinesMoveUpWhenTheLineAboveIsLong)
{
    QStringList lines = PageTop(QStringLiteral("V64"), 1);
    lines << QStringLiteral("Lopp 1") << QStringLiteral("Bana • a • b • c • d") << QStringLiteral("Alfa")
          << QStringLiteral("x") << QStringLiteral("Kusk A") << QStringLiteral("y")
          << QStringLiteral("Tränare mm")
          << QStringLiteral("1") + QStringLiteral("7%") + Tab + QStringLiteral("5,00") + Tab +
                 QStringLiteral("1 000 kr")
          << QString() << QString() << QString() << QString() << QString();
    const StartListImport result = Import(lines, 1);
    EXPECT_EQ(result.state.horses[1].name, QStringLiteral("1 Alfa"));
    EXPECT_EQ(result.state.horses[1].driver, QStringLiteral("Kusk A"));
    EXPECT_EQ(result.state.horses[1].streck, 7);
    EXPECT_EQ(result.state.horses[1].odds, 5);
}

TEST(StartListImport, FirefoxLookupAboveTheFirstLineReadsEmpty)
{
    const QString horseLine = QStringLiteral("1") + QStringLiteral("9%") + Tab + QStringLiteral("2,00") +
                              Tab + QStringLiteral("rest of line");
    QStringList lines = {QStringLiteral("x"), QStringLiteral("Välj spel"), QStringLiteral("V64"),
                         QStringLiteral("Avdelning 1,"), horseLine};
    lines << QString() << QString() << QString() << QString() << QString();
    const StartListImport result = Import(lines, 1);
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(result.state.horses[1].streck, 9);
    EXPECT_EQ(result.state.horses[1].name, QStringLiteral("1 "));
}

TEST(StartListImport, StreckReadingsOfBothLayouts)
{
    struct Case {
        QString text;
        int32 chrome;
        int32 firefox;
    };
    const Case cases[] = {
        {QStringLiteral("12,34"), 12, 12}, {QStringLiteral("12,50"), 13, 12},
        {QStringLiteral("13,50"), 14, 14}, {QStringLiteral("0,50"), 1, 0},
        {QStringLiteral("12"), 12, 12},    {QStringLiteral("7"), 7, 7},
        {QStringLiteral("100"), 100, 100}, {QStringLiteral("12,3"), 12, 12},
        {QStringLiteral("0,00"), 0, 0},    {QStringLiteral("EJ"), 0, 0},
        {QStringLiteral("abc,de"), 0, 0},  {QStringLiteral("250"), 0, 0},
        {QStringLiteral("-5"), 0, 0},      {QString(), 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadChromeStreck(c.text + QStringLiteral("%"), false).value, c.chrome)
            << c.text.toStdString();
        EXPECT_EQ(ReadFirefoxStreck(c.text).value, c.firefox) << c.text.toStdString();
        EXPECT_EQ(ReadFirefoxStreck(c.text).text, QString::number(c.firefox) + QStringLiteral("%"));
    }
}

TEST(StartListImport, ChromeShortStreckKeepsItsTextAndScratchedGivesZero)
{
    EXPECT_EQ(ReadChromeStreck(QStringLiteral("12%"), false), (StreckReading{12, QStringLiteral("12%")}));
    EXPECT_EQ(ReadChromeStreck(QStringLiteral("12%"), true), (StreckReading{0, QStringLiteral("12%")}));
    EXPECT_EQ(ReadChromeStreck(QStringLiteral("12,50%"), false), (StreckReading{13, QStringLiteral("13%")}));
    EXPECT_EQ(ReadChromeStreck(QStringLiteral("100%"), false), (StreckReading{100, QStringLiteral("100%")}));
}

// The whole odds that files keep, and the odds in hundredths that the odds order uses.
TEST(StartListImport, OddsTextsBecomeWholeOddsAndHundredths)
{
    const struct {
        QString text;
        int32 whole;
        int32 hundredths;
    } cases[] = {
        {QStringLiteral("3,45"), 3, 345},      {QStringLiteral("2,50"), 2, 250},
        {QStringLiteral("3,50"), 4, 350},      {QStringLiteral("12"), 12, 1200},
        {QStringLiteral("5,1"), 5, 510},       {QStringLiteral("4,705"), 5, 470},
        {QStringLiteral("4,715"), 5, 472},     {QStringLiteral("4,7051"), 5, 471},
        {QStringLiteral("EJ"), 0, 0},          {QString(), 0, 0},
        {QStringLiteral("1.5"), 0, 0},         {QStringLiteral("-3"), 0, 0},
        {QStringLiteral("99999999999"), 0, 0}, {QStringLiteral("999999999,99"), 1000000000, 2147483647},
        {QStringLiteral(" 7,9 "), 8, 790},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OddsValueOf(c.text), c.whole) << c.text.toStdString();
        EXPECT_EQ(OddsHundredthsOf(c.text), c.hundredths) << c.text.toStdString();
    }
}

TEST(StartListImport, OddsInTheLastColumnAreRead)
{
    QStringList lines = ChromeRace(1, ThreeHorses);
    for (QString& line : lines)
        if (line.endsWith(QStringLiteral("45 000 kr")))
            line.chop(QStringLiteral("\t45 000 kr").size());
    const StartListImport result = Import(lines, 1);
    EXPECT_EQ(result.state.horses[1].oddsText, QStringLiteral("3,45"));
    EXPECT_TRUE(result.state.horses[2].scratched);
}

TEST(StartListImport, RefusedTextsChangeNothing)
{
    StartListState current;
    current.heading = QStringLiteral("Förra rubriken");
    current.gameName = QStringLiteral("V64");
    current.horses[4] = {QStringLiteral("4 Kvar"),
                         QStringLiteral("K"),
                         QStringLiteral("2,00"),
                         QStringLiteral("20%"),
                         20,
                         2,
                         false,
                         true};
    const QString wrongCopy = QStringLiteral("Märk rätt avd med ctrl+A och välj sedan ctrl+C");
    QStringList gameOnFirstLine = ChromeRace(1, ThreeHorses);
    gameOnFirstLine[0] = QStringLiteral("Välj spel");
    gameOnFirstLine[1] = QStringLiteral("Spel");
    QStringList noPool = ChromeRace(1, ThreeHorses);
    noPool.removeAll(QStringLiteral("V65"));
    QStringList noHorses = ChromeRace(1, {});
    const std::pair<QString, QString> cases[] = {
        {QString(), wrongCopy},
        {Joined(gameOnFirstLine), wrongCopy},
        {Joined(noPool), QStringLiteral("Hittar inte V65/V64.")},
        {Joined(ChromeRace(2, ThreeHorses)), QStringLiteral("Fel avdelning.")},
        {Joined(noHorses), QStringLiteral("Ingen häst hittades i avd 1.")},
        {Joined(FirefoxRace(1, {})),
         QStringLiteral("Med Firefox får man anpassa startlistan till något annat än Enkel lista.")},
    };
    for (const auto& [text, message] : cases) {
        const StartListImport result = ImportStartList(text, 1, current);
        EXPECT_FALSE(result.accepted) << message.toStdString();
        EXPECT_EQ(result.message, message);
        EXPECT_EQ(result.state, current);
    }
}

TEST(StartListImport, FirstPoolLineAfterTheGameMarkerCounts)
{
    QStringList lines = ChromeRace(1, ThreeHorses);
    lines.insert(2, QStringLiteral("V64"));
    EXPECT_EQ(Import(lines, 1).state.gameType, QStringLiteral("v64"));
}

TEST(StartListImport, NewListClearsStreckAndOddsButKeepsOtherNames)
{
    const StartListState twelve = Import(ChromeRace(1, QList<Horse>(12, ThreeHorses[0])), 1).state;
    const StartListState ten = Import(ChromeRace(1, QList<Horse>(10, ThreeHorses[2])), 1, twelve).state;
    EXPECT_TRUE(ten.horses[10].present);
    EXPECT_FALSE(ten.horses[11].present);
    EXPECT_EQ(ten.horses[11].name, QStringLiteral("11 Alfa Boy"));
    EXPECT_TRUE(ten.horses[11].streckText.isEmpty());
    EXPECT_EQ(ten.horses[11].streck, 0);
    EXPECT_EQ(ten.horses[11].odds, 0);
}

TEST(StartListImport, MissingStartNumberEndsTheChromeList)
{
    QStringList lines = ChromeRace(1, QList<Horse>(6, ThreeHorses[0]));
    lines[lines.indexOf(QStringLiteral("4"))] = QStringLiteral("4a");
    const StartListState s = Import(lines, 1).state;
    EXPECT_TRUE(s.horses[3].present);
    EXPECT_FALSE(s.horses[4].present);
    EXPECT_FALSE(s.horses[5].present);
}

TEST(StartListImport, EachRaceStopsAtTheNextRaceMarker)
{
    QStringList page = ChromeRace(1, QList<Horse>(2, ThreeHorses[0]));
    const QStringList second = ChromeRace(2, QList<Horse>(5, ThreeHorses[2]));
    page << second.mid(4);  // the next race's marker and its horses
    const StartListState s = Import(page, 1).state;
    EXPECT_TRUE(s.horses[2].present);
    EXPECT_FALSE(s.horses[3].present);

    QStringList firefox = FirefoxRace(1, QList<Horse>(2, ThreeHorses[0]));
    firefox << FirefoxRace(2, QList<Horse>(5, ThreeHorses[2])).mid(4);
    EXPECT_FALSE(Import(firefox, 1).state.horses[3].present);
}

// The horses are searched from the race marker found after the pool marker, not from an
// earlier line that reads the same (a menu above the game marker).
TEST(StartListImport, FirefoxHorsesAreSearchedFromTheRaceMarkerAfterThePool)
{
    const QList<Horse> menuHorse = {{QStringLiteral("Menyhäst"), QStringLiteral("Meny Kusk"),
                                     QStringLiteral("55,00%"), QStringLiteral("9,99")}};
    QStringList page = FirefoxRace(2, menuHorse).mid(4, 9);  // a marker of race 2 and a horse line
    page << FirefoxRace(2, ThreeHorses);
    const StartListImport result = Import(page, 2);
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(result.state.horses[1].name, QStringLiteral("1 Alfa Boy"));
    EXPECT_FALSE(result.state.horses[4].present);
}

TEST(StartListImport, NoMoreThanFifteenHorsesAreRead)
{
    const QList<Horse> twenty(20, ThreeHorses[0]);
    for (const QStringList& lines : {ChromeRace(1, twenty), FirefoxRace(1, twenty)}) {
        const StartListImport result = Import(lines, 1);
        ASSERT_TRUE(result.accepted);
        EXPECT_TRUE(result.state.horses[15].present);
    }
}

TEST(StartListImport, LineBreaksOfEveryKindRead)
{
    const QString lf = Joined(ChromeRace(1, ThreeHorses));
    QString crlf = lf, cr = lf;
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    cr.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    const StartListState expected = ImportStartList(lf, 1, {}).state;
    EXPECT_EQ(ImportStartList(crlf, 1, {}).state, expected);
    EXPECT_EQ(ImportStartList(cr, 1, {}).state, expected);
    EXPECT_EQ(expected.horses[3].streck, 88);
}

TEST(StartListImport, LongLinesAreCutAndAreNoHarm)
{
    QStringList lines = ChromeRace(1, ThreeHorses);
    lines[lines.indexOf(QStringLiteral("Alfa Boy"))] = QString(100000, QLatin1Char('A'));
    lines.insert(0, QString(100000, QLatin1Char('%')));
    const StartListImport result = Import(lines, 1);
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(result.state.horses[1].name.size(), 2 + 4096);
}

TEST(StartListImport, StoringSetsStreckPresentByItsRule)
{
    ResetGlobals();
    StoreStartList(1, Import(ChromeRace(1, ThreeHorses), 1).state);
    EXPECT_EQ(StartListLoaded, 1);
    EXPECT_EQ(StreckPresent, 0);
    EXPECT_EQ(HorseNames[1][3], QStringLiteral("3 Gamma"));
    EXPECT_EQ(OddsValues[HorseIndex(1, 1)], 3);
    EXPECT_EQ(Scratched[HorseIndex(1, 2)], 1);
    for (int race = 2; race <= 6; ++race)
        StoreStartList(race, Import(ChromeRace(race, ThreeHorses), race).state);
    EXPECT_EQ(StreckPresent, 1);
    EXPECT_EQ(GameType.str(), QStringLiteral("v65"));
    EXPECT_EQ(CurrentStartListState(4), Import(ChromeRace(4, ThreeHorses), 4).state);
}

}  // namespace
