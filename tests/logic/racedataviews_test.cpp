#include <gtest/gtest.h>

#include "model/variabl.h"
#include "racedata/popupcontent.h"
#include "racedata/startlistview.h"
#include "support/startlists.h"

TEST(RacePopup, ScaledStreckRoundsHalfToEven)
{
    const struct {
        int32 streck, expected;
    } cases[] = {{13, 12}, {39, 38}, {26, 25}, {0, 0}, {104, 100}};
    for (const auto& c : cases)
        EXPECT_EQ(ScaledStreck(c.streck, 104), c.expected) << c.streck;
}

TEST(RacePopup, StreckCellShowsOnePercentSign)
{
    const struct {
        const char* stored;
        const char* shown;
    } cases[] = {{"  0", "  0 %"}, {"12", "12 %"}, {"12%", "12 %"}, {"12 %", "12 %"}, {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(PopupStreckText(QString::fromUtf8(c.stored)), QString::fromUtf8(c.shown)) << c.stored;
}

TEST(RacePopup, BeforeAnyStartListLinesShowOnlyTheNumberAndNoScaledStreck)
{
    ResetGlobals();
    const PopupContent content = BuildPopupContent(2, PopupSwitches{true, true, true, true});
    for (int h = 1; h <= StartNumbers; ++h) {
        EXPECT_EQ(content.lines[h].line, QString::number(h) + QStringLiteral("   "));
        EXPECT_EQ(content.lines[h].streck, QStringLiteral("  0 %"));
        EXPECT_TRUE(content.lines[h].scaled.isEmpty());
        EXPECT_TRUE(content.lines[h].points.isEmpty());
    }
}

TEST(RacePopup, LinesFollowTheTablesAndTheSwitches)
{
    ResetGlobals();
    FillRace3();
    HorsePoints[HorseIndex(3, 1)] = 1;
    HorsePoints[HorseIndex(3, 2)] = -4;
    OddsTexts[3][1] = QStringLiteral("5,43");
    const PopupContent all = BuildPopupContent(3, PopupSwitches{true, true, true, true});
    EXPECT_EQ(all.lines[1].line, QStringLiteral("1 1 Häst1  Kusk1"));
    EXPECT_EQ(all.lines[1].points, QStringLiteral("1"));
    EXPECT_TRUE(all.lines[2].points.isEmpty());
    EXPECT_EQ(all.lines[1].odds, QStringLiteral("5,43"));
    EXPECT_EQ(all.lines[1].streck, QStringLiteral("13 %"));
    EXPECT_EQ(all.lines[1].scaled, QStringLiteral("12 %"));
    EXPECT_EQ(all.lines[2].scaled, QStringLiteral("38 %"));
    EXPECT_TRUE(all.lines[5].scaled.isEmpty());  // no name: no scaled cell

    const PopupContent none = BuildPopupContent(3, PopupSwitches{false, false, false, false});
    for (int h = 1; h <= 4; ++h) {
        const PopupLine& line = none.lines[h];
        EXPECT_TRUE(line.points.isEmpty() && line.odds.isEmpty() && line.streck.isEmpty() &&
                    line.scaled.isEmpty());
    }

    HorseNames[7][1] = QStringLiteral("1 Dummy");
    DriverNames[7][1] = QStringLiteral("Ingen");
    EXPECT_EQ(BuildPopupContent(7, PopupSwitches{}).lines[1].line, QStringLiteral("1 1 Dummy  "));

    StreckValues[HorseIndex(3, 1)] = -200;
    EXPECT_TRUE(BuildPopupContent(3, PopupSwitches{}).keepScaled);
}

TEST(StartListView, ColumnLeftsFollowTheSwitches)
{
    ResetGlobals();
    StartListLoaded = 1;
    const struct {
        bool streck, odds, name;
        int streckLeft, oddsLeft, numberLeft, nameLeft;
    } cases[] = {
        {true, true, true, 0, 33, 59, 77},   {true, true, false, 0, 33, 59, -1},
        {true, false, true, 0, -1, 33, 51},  {true, false, false, 0, -1, 33, -1},
        {false, true, true, -1, 0, 26, 44},  {false, true, false, -1, 0, 26, -1},
        {false, false, true, -1, -1, 0, 18}, {false, false, false, -1, -1, 0, -1},
    };
    for (const auto& c : cases) {
        const StartListView view = BuildStartListView(1, {c.streck, c.odds, c.name});
        EXPECT_EQ(view.streckLeft, c.streckLeft);
        EXPECT_EQ(view.oddsLeft, c.oddsLeft);
        EXPECT_EQ(view.numberLeft, c.numberLeft);
        EXPECT_EQ(view.nameLeft, c.nameLeft);
        EXPECT_EQ(view.hint.isEmpty(), c.streck || c.odds || c.name);
    }
    EXPECT_EQ(BuildStartListView(1, {false, false, false}).hint,
              QStringLiteral("Klicka på streck, odds eller häst."));
}

TEST(StartListView, TextsBeforeAndAfterAStartList)
{
    ResetGlobals();
    const StartListView empty = BuildStartListView(3, {true, true, true});
    EXPECT_EQ(empty.nameLeft, 0);
    EXPECT_EQ(empty.numberLeft, HiddenColumn);
    EXPECT_EQ(empty.rows[1].name, QStringLiteral("För att se startlistan måste"));
    EXPECT_EQ(empty.rows[2].name, QStringLiteral("du för först hämta in den"));
    EXPECT_EQ(empty.rows[3].name, QStringLiteral("till programmet."));
    EXPECT_TRUE(empty.rows[4].name.isEmpty());

    FillRace3();
    StartListLoaded = 1;
    StreckValues[HorseIndex(3, 4)] = 0;
    Scratched[HorseIndex(3, 2)] = 1;
    HorseNames[3][6] = QStringLiteral("6 Gammal");
    const StartListView view = BuildStartListView(3, {true, true, true});
    EXPECT_EQ(view.rows[1].streck, QStringLiteral("13 %"));
    EXPECT_EQ(view.rows[1].odds, QStringLiteral("0"));
    EXPECT_EQ(view.rows[2].odds, QStringLiteral("Str"));
    EXPECT_EQ(view.rows[2].streck, QStringLiteral("39 %"));
    EXPECT_TRUE(view.rows[2].scratched);
    EXPECT_EQ(view.rows[4].streck, QStringLiteral("0 %"));
    EXPECT_TRUE(view.rows[6].streck.isEmpty() && view.rows[6].odds.isEmpty());
    EXPECT_EQ(view.rows[6].number, QStringLiteral("6"));
    EXPECT_EQ(view.rows[6].name, QStringLiteral("6 Gammal"));
}

TEST(StartListListing, AlignsNumberOddsAndStreckAndMarksScratchedHorses)
{
    ResetGlobals();
    FillRace3();
    RaceInfoLines[3][0] = QStringLiteral("Lopp 5 ");
    OddsTexts[3][1] = QStringLiteral("7");
    OddsTexts[3][2] = QStringLiteral("12");
    OddsTexts[3][3] = QStringLiteral("135");
    Scratched[HorseIndex(3, 4)] = 1;
    StreckTexts[3][1] = QStringLiteral("5");
    HorsePresent[HorseIndex(3, 12)] = 1;
    HorseNames[3][12] = QStringLiteral("Tolvan");
    OddsTexts[3][12] = QString();
    StreckTexts[3][12] = QString();

    const QStringList lines = StartListListing();
    const int race3 = static_cast<int>(lines.indexOf(QStringLiteral(" Lopp 5 Avd 3")));
    ASSERT_GE(race3, 0);
    const QStringList expected = {QStringLiteral(" Lopp 5 Avd 3"),
                                  QString(),
                                  QStringLiteral("  1    7   5 %  1 Häst1"),
                                  QStringLiteral("  2   12  39% %  2 Häst2"),
                                  QStringLiteral("  3  135  26% %  3 Häst3"),
                                  QStringLiteral("  4    EJ 26% %  4 Häst4"),
                                  QStringLiteral(" 12        %  Tolvan"),
                                  QString(),
                                  QString()};
    EXPECT_EQ(lines.mid(race3, expected.size()), expected);
    EXPECT_EQ(lines.size(), 6 * 4 + 5);  // five present horses, races 1-6 with their four fixed lines
}
