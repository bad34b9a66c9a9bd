#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <functional>

#include "model/variabl.h"
#include "output/reserves.h"
#include "output/systemprint.h"
#include "output/systemprintsettings.h"
#include "platform/numbers.h"
#include "platform/printcanvas.h"
#include "platform/textfile.h"
#include "support/coupons.h"
#include "support/marks.h"

namespace {

// ---- Settings file ----

QStringList SavedLines()
{
    SystemPrintSettings s;
    s.ranking = false;
    s.conditions = false;
    s.topMm = 12;
    s.bottomMm = 8;
    s.leftMm = 20;
    s.rightMm = 5;
    s.spacing = LineSpacing::Small;
    s.font = PrintFont{QStringLiteral("DejaVu Serif"), 11, true, false, true, false};
    return SystemPrintSettingsLines(s, false);
}

TEST(SystemPrintSettingsFile, RoundTripThroughTheFolderKeepsEverySetting)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + QLatin1Char('/');
    const SystemPrintSettings saved = *ReadSystemPrintSettings(SystemPrintSettings(), SavedLines());
    ASSERT_TRUE(SaveSystemPrintSettings(saved, false, folder).isEmpty());
    const std::optional<QStringList> lines = ReadTextLines(folder + SystemPrintSettingsFileName);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 18);
    EXPECT_EQ(lines->at(0), QStringLiteral("ejRank"));
    EXPECT_EQ(lines->at(10), QStringLiteral("litet"));
    EXPECT_EQ(lines->at(13), QStringLiteral("Landscape"));
    const SystemPrintSettingsLoad load = LoadSystemPrintSettings(SystemPrintSettings(), folder);
    EXPECT_EQ(load.settings, saved);
    EXPECT_EQ(load.message, QString());
    EXPECT_EQ(saved.font, (PrintFont{QStringLiteral("DejaVu Serif"), 11, true, false, true, false}));
    EXPECT_FALSE(SaveSystemPrintSettings(saved, true, folder + QStringLiteral("missing/")).isEmpty());
}

TEST(SystemPrintSettingsFile, ReadingRules)
{
    const SystemPrintSettings defaults;
    struct Case {
        const char* name;
        int line;  // 1-based line to replace, 0 to keep all, negative: keep only -line lines
        const char* text;
        std::function<bool(const SystemPrintSettings&)> expect;
    };
    const Case cases[] = {
        {"box word in lower case clears", 3, "vinnare",
         [](const auto& s) { return !s.winners && s.chances; }},
        {"margin kept within 0-999", 7, "1500", [](const auto& s) { return s.topMm == 999; }},
        {"unknown spacing keeps the choice", 11, "tät",
         [](const auto& s) { return s.spacing == LineSpacing::Normal; }},
        {"short file keeps what was read", -9, "",
         [](const auto& s) { return s.leftMm == 20 && s.rightMm == 0 && s.spacing == LineSpacing::Normal; }},
        {"file without styles keeps the styles", -17, "",
         [](const auto& s) { return s.font.pointSize == 11 && !s.font.bold; }},
    };
    for (const Case& c : cases) {
        QStringList lines = SavedLines();
        if (c.line > 0)
            lines[c.line - 1] = QString::fromUtf8(c.text);
        if (c.line < 0)
            lines = lines.mid(0, -c.line);
        const std::optional<SystemPrintSettings> read = ReadSystemPrintSettings(defaults, lines);
        ASSERT_TRUE(read) << c.name;
        EXPECT_TRUE(c.expect(*read)) << c.name;
    }
}

// A line that is not what its place holds refuses the whole file, however early it stands.
TEST(SystemPrintSettingsFile, ALineOutOfPlaceRefusesTheFile)
{
    const struct {
        int line;
        QString text;
    } cases[] = {
        {1, QStringLiteral("Rank\x01")},
        {6, QString()},
        {8, QStringLiteral("x")},
        {10, QStringLiteral("12 mm")},
        {11, QStringLiteral("normalt!")},
        {12, QString()},
        {12, QString(65, QLatin1Char('A'))},
        {12, QStringLiteral("Arial\tBold")},
        {13, QStringLiteral("elva")},
        {13, QStringLiteral("0")},
        {14, QStringLiteral("Portrait 2")},
        {18, QStringLiteral("ejGenomstruken\x7f")},
    };
    for (const auto& c : cases) {
        QStringList lines = SavedLines();
        lines[c.line - 1] = c.text;
        EXPECT_FALSE(ReadSystemPrintSettings(SystemPrintSettings(), lines))
            << c.line << " " << c.text.toStdString();
    }
}

// A file that is no settings file keeps the settings in use and says so; so does one larger
// than any settings file, whatever it starts with.
TEST(SystemPrintSettingsFile, AFileThatIsNoSettingsFileChangesNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + QLatin1Char('/');
    QByteArray binary;
    for (int i = 0; i < 600; ++i)
        binary += static_cast<char>((i * 37) % 256);
    QByteArray large = EncodeWindows1252(SavedLines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    large += QByteArray(5000, 'x');
    SystemPrintSettings current;
    current.topMm = 7;
    for (const QByteArray& bytes : {binary, large}) {
        ASSERT_TRUE(WriteFileBytes(folder + SystemPrintSettingsFileName, bytes));
        const SystemPrintSettingsLoad load = LoadSystemPrintSettings(current, folder);
        EXPECT_EQ(load.settings, current);
        EXPECT_EQ(load.message, QStringLiteral("Filen ninst.pap är ingen inställningsfil och lästes inte in. "
                                               "Inställningarna är oförändrade."));
    }
}

// ---- The print-out ----

// A small group system of two coupons; coupon 1 plays 2, 1, 3, 1, 1 and 2 horses.
void SmallCouponSystem()
{
    MarkRaces({"AC", "A", "AAA", "AB", "A", "AA"});
    StoreSmallGroupCoupons();
    RowsKept = 20;
    UnreducedRowCount = 120;
    RowsConstructed = 20;
    SystemName = QStringLiteral("Lördag");
    SystemDate = QStringLiteral("DD");
}

// count group coupons, each A in every race.
void ManyCoupons(int count)
{
    MarkEveryRace("AAB");
    for (int k = 1; k <= count; ++k)
        for (int race = 1; race <= RaceSlots; ++race)
            CouponGroupCodes[race][k] = 1;
    GroupSystemBuilt = 1;
    KeepCoupons(count);
}

// Every kind of condition filled to its limit: 100 ABCD, 100 start-number and 100 points
// conditions, three groups, every other rule, 120 win chances.
void EveryConditionInUse()
{
    GroupSystemBuilt = 0;
    GroupCondCount = ConditionCount;
    StartNrCondActiveCount = ConditionCount;
    ActivePointsCondCount = ConditionCount;
    for (int c = 1; c <= ConditionCount; ++c) {
        GroupCondCells[0][0][c] = 1;
        GroupCondCells[1 + c % 6][1 + c % 4][c] = 1;
        StartNrCondActive[c] = 1;
        CondActive[c] = 1;
        CondSumActive[c] = CondProdActive[c] = 1;
        PointsCondNames[c] = "Poäng";
        for (int race = 1; race <= 6; ++race)
            for (int h = 1; h <= StartNumbers; ++h) {
                StartNrCondMarks[race][h][c] = h % 3 == c % 3;
                CondPoints[race][h][c] = static_cast<byte>(h);
            }
        for (int g = 1; g <= 3; ++g)
            ConditionGroupMembers[g][c] = 1;
    }
    for (int g = 1; g <= 3; ++g)
        ConditionGroupActive[g] = 1;
    for (int n = 1; n <= StartNumbers; ++n)
        NrCountForbidden[n][n % 7] = 1;
    NrSetCondCount = NrSetCondCount_;
    for (int i = 1; i <= NrSetCondCount_; ++i)
        NrSetCondMarks[1 + i % StartNumbers][i] = 1;
    EqualNrRule[2] = OddCountForbidden[0] = 1;
    PairRules[1] = 1;
    PairRules[2] = 2;
    for (int row = 1; row <= CompositionCount; ++row) {
        AbcdListCells[row][0] = QStringLiteral("  3  2  1  0");
        AbcdListCells[row][2] = QStringLiteral("  37 %");
    }
}

SystemPrintOptions AllSections()
{
    SystemPrintOptions o;
    o.settings.topMm = o.settings.bottomMm = o.settings.leftMm = o.settings.rightMm = 10;
    return o;
}

const CanvasOp* FindText(const RecordingCanvas& canvas, const QString& text)
{
    for (const CanvasOp& op : canvas.Ops())
        if (op.kind == CanvasOp::Kind::Text && op.text == text)
            return &op;
    return nullptr;
}

class SystemPrintTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
};

TEST_F(SystemPrintTest, RefusalsComeBeforeAnyDocument)
{
    struct Case {
        const char* name;
        std::function<void(SystemPrintOptions&)> change;
        bool system;
        QString message;
    };
    const Case cases[] = {
        {"range backwards",
         [](SystemPrintOptions& o) {
             o.chosenRange = true;
             o.from = 2;
             o.to = 1;
         },
         true, CouponRangeWrongMessage},
        {"margins leave no width", [](SystemPrintOptions& o) { o.settings.leftMm = o.settings.rightMm = 90; },
         true, PrintAreaTooSmallMessage},
        {"font too large for 18 lines", [](SystemPrintOptions& o) { o.settings.font.pointSize = 60; }, true,
         PrintAreaTooSmallMessage},
    };
    for (const Case& c : cases) {
        ResetGlobals();
        if (c.system)
            SmallCouponSystem();
        SystemPrintOptions o = AllSections();
        c.change(o);
        RecordingCanvas canvas;
        const SystemPrintResult result = PrintSystem(canvas, o);
        EXPECT_EQ(result.messages, QStringList{c.message}) << c.name;
        EXPECT_EQ(canvas.DocumentCount(), 0) << c.name;
    }
}

TEST_F(SystemPrintTest, HeaderLinesSitAtTheirPitches)
{
    SmallCouponSystem();
    ResultLabels.Prisrader = QStringLiteral("20");
    ResultLabels.Prisavg = QStringLiteral("2");
    ResultLabels.Pristot = QStringLiteral("22");
    RecordingCanvas canvas;
    const SystemPrintOptions o = AllSections();
    ASSERT_TRUE(PrintSystem(canvas, o).messages.isEmpty());
    const SystemPrintGeometry g = SystemPrintPage(canvas.Page(), o.settings);
    EXPECT_EQ(SystemDate.str(), QString());  // "DD" clears the date
    const CanvasOp* title = FindText(canvas, QStringLiteral("Lördag"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x1, g.left);
    EXPECT_EQ(title->y1, g.top);
    EXPECT_TRUE(title->font.bold);
    const struct {
        QString text;
        double k;
    } lines[] = {{QStringLiteral("Storlek: 20 rader, 2 kuponger."), 1.5},
                 {QStringLiteral("Insats: 20 kr + avg. 2 kr = 22 kr."), 2.5},
                 {QStringLiteral("Inom ramen: 120 rader."), 3.7},
                 {QStringLiteral("Utvalda: 20 rader."), 4.7}};
    for (const auto& line : lines) {
        const CanvasOp* op = FindText(canvas, line.text);
        ASSERT_NE(op, nullptr) << line.text.toStdString();
        EXPECT_EQ(op->y1, g.top + RoundHalfEven(line.k * g.pitch)) << line.text.toStdString();
        EXPECT_FALSE(op->font.bold);
    }
    const CanvasOp* ranking = FindText(canvas, QStringLiteral("Ranking"));
    ASSERT_NE(ranking, nullptr);
    EXPECT_EQ(ranking->y1, RoundHalfEven(5.5 * g.pitch + g.top) + g.pitch);
    // "Vinnare" beside "Ranking", on its band line.
    const CanvasOp* winners = FindText(canvas, QStringLiteral("Vinnare"));
    ASSERT_NE(winners, nullptr);
    EXPECT_GT(winners->x1, ranking->x1);
    EXPECT_EQ(winners->y1, g.top + RoundHalfEven(6.5 * g.pitch));
    EXPECT_NE(FindText(canvas, QStringLiteral("2x1x3x1x1x2 = 12 r")), nullptr);
}

TEST_F(SystemPrintTest, CouponBlocksNeverSplitOverPages)
{
    ManyCoupons(300);
    RecordingCanvas canvas;
    const SystemPrintOptions o = AllSections();
    ASSERT_TRUE(PrintSystem(canvas, o).messages.isEmpty());
    ASSERT_EQ(canvas.DocumentCount(), 1);
    EXPECT_GT(canvas.PageCount(0), 3);
    const SystemPrintGeometry g = SystemPrintPage(canvas.Page(), o.settings);
    int page = -1;
    int coupons = 0;
    for (const CanvasOp& op : canvas.Ops()) {
        EXPECT_LT(op.y1, g.page.heightPx - g.bottom) << op.text.toStdString();
        if (op.text.startsWith(QStringLiteral("Kupong "))) {
            page = op.page;
            ++coupons;
        } else if (op.text.endsWith(QStringLiteral(" r")) && page >= 0) {
            EXPECT_EQ(op.page, page) << "size line of coupon " << coupons;
        }
    }
    EXPECT_EQ(coupons, 300);
}

// The reserve heading of a coupon block stands clear of the block's title, also on a narrow
// coupon of one horse per race, and of the block beside it.
TEST_F(SystemPrintTest, TheReserveHeadingStandsClearOfTheCouponTitle)
{
    for (const char* marks : {"A", "AA", "AAAAAAA"}) {
        ResetGlobals();
        MarkEveryRace(marks);
        for (int k = 1; k <= 167; ++k)
            for (int race = 1; race <= RaceSlots; ++race)
                CouponGroupCodes[race][k] = 1;
        GroupSystemBuilt = 1;
        KeepCoupons(167);
        ReserveMode = ReserveModeFixed;
        RecordingCanvas canvas;
        ASSERT_TRUE(PrintSystem(canvas, AllSections()).messages.isEmpty()) << marks;
        // The right edge of the text and the blank after it.
        const auto rightEdge = [&canvas](const CanvasOp& op) {
            RecordingCanvas measure(canvas.Page());
            measure.SetFont(op.font);
            return op.x1 + measure.TextWidth(op.text + QLatin1Char(' '));
        };
        const CanvasOp* title = nullptr;
        const CanvasOp* heading = nullptr;
        int headings = 0;
        for (const CanvasOp& op : canvas.Ops()) {
            if (op.text.startsWith(QStringLiteral("Kupong "))) {
                if (heading && heading->page == op.page && title->y1 == op.y1) {
                    EXPECT_LE(rightEdge(*heading), op.x1) << marks << " " << op.text.toStdString();
                }
                title = &op;
            } else if (op.text == QStringLiteral("Reserv")) {
                ASSERT_NE(title, nullptr) << marks;
                EXPECT_GE(op.x1, rightEdge(*title)) << marks << " " << title->text.toStdString();
                heading = &op;
                ++headings;
            }
        }
        EXPECT_EQ(headings, 167) << marks;
    }
}

TEST_F(SystemPrintTest, EverySectionStaysWithinItsPages)
{
    ManyCoupons(40);
    EveryConditionInUse();
    OwnTextLines = QStringList(80, QStringLiteral("rad"));
    for (LineSpacing spacing : {LineSpacing::ExtraLarge, LineSpacing::Small}) {
        SystemPrintOptions o = AllSections();
        o.settings.spacing = spacing;
        RecordingCanvas canvas;
        ASSERT_TRUE(PrintSystem(canvas, o).messages.isEmpty());
        const SystemPrintGeometry g = SystemPrintPage(canvas.Page(), o.settings);
        for (const CanvasOp& op : canvas.Ops()) {
            EXPECT_GE(op.y1, 0) << op.text.toStdString();
            EXPECT_LT(std::max(op.y1, op.y2), g.page.heightPx - g.bottom) << op.text.toStdString();
            EXPECT_LE(std::max(op.x1, op.x2), g.page.widthPx) << op.text.toStdString();
        }
        const QStringList texts = canvas.Texts(0);
        for (const char* caption : {"Villkor på ABCD, 100 st", "Villkor på startnr, 100 st aktiva",
                                    "Gruppvillkor 3", "Villkor på chansvärdering/poäng, 100 st aktiva",
                                    "Övriga villkor på startnr", "Vinstchanser", "Kupong 40"})
            EXPECT_TRUE(texts.contains(QString::fromUtf8(caption))) << caption;
        EXPECT_EQ(texts.count(QStringLiteral("rad")), 80);
    }
}

TEST_F(SystemPrintTest, RankingCellsSplitOnlyWhenTheTableIsTooWide)
{
    // At 10 points a character is 41.7 pixels wide and the gap W three of them.
    const double pixelsPerMm = 4960 / 210.0;
    struct Case {
        const char* name;
        std::array<std::string, 6> races;
        double pageWidth;
        QStringList shown;
        QStringList absent;
    };
    const Case cases[] = {
        // Just wide enough for the widest fixed line: the quarter column is 414 pixels, which
        // " 1 2 3" and "  15" fill.
        {"narrow page splits group A",
         {"AAAAAAAAAAAAAAA", "A", "A", "A", "A", "A"},
         2200,
         {QStringLiteral(" 1 2 3"), QStringLiteral("För lite plats")},
         {}},
        // 96 characters of columns fit A4's 106 less three gaps, though not less four.
        {"a table that fits is printed whole",
         {"AAAAAAAAAAAAAAA", "BBBBBBBBBBBBBBB", "CCCCCCCCC", "DDD", "A", "A"},
         4960,
         {QStringLiteral(" 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15")},
         {QStringLiteral("För"), QStringLiteral("lite"), QStringLiteral("plats"),
          QStringLiteral("För lite plats")}},
    };
    for (const Case& c : cases) {
        ResetGlobals();
        MarkRaces(c.races);
        StoreSmallGroupCoupons();
        RecordingCanvas canvas(PageMetrics{c.pageWidth, 7016, c.pageWidth / pixelsPerMm, 297});
        SystemPrintOptions o = AllSections();
        o.settings.leftMm = o.settings.rightMm = 0;
        o.points = false;
        ASSERT_EQ(PrintSystem(canvas, o).messages, QStringList()) << c.name;
        const QStringList texts = canvas.Texts(0);
        for (const QString& text : c.shown)
            EXPECT_TRUE(texts.contains(text)) << c.name << ": " << text.toStdString();
        for (const QString& text : c.absent)
            EXPECT_FALSE(texts.contains(text)) << c.name << ": " << text.toStdString();
    }
}

TEST_F(SystemPrintTest, AHeaderWiderThanThePaperEndsTheCopyOnThePage)
{
    SmallCouponSystem();
    ResultLabels.Prisrader = QString(120, QLatin1Char('9'));  // wider than A4 at 10 points
    SystemPrintOptions o = AllSections();
    o.copies = 2;
    RecordingCanvas canvas;
    ASSERT_TRUE(PrintSystem(canvas, o).messages.isEmpty());
    ASSERT_EQ(canvas.DocumentCount(), 2);
    const CanvasOp* notice = FindText(canvas, PaperTooNarrowText);
    ASSERT_NE(notice, nullptr);
    const SystemPrintGeometry g = SystemPrintPage(canvas.Page(), o.settings);
    EXPECT_EQ(notice->y1, g.top + 8 * g.pitch);
    EXPECT_FALSE(canvas.Texts(1).contains(QStringLiteral("Ranking")));
}

// Before any construction, or after a mark change, the print-out shows the header with the
// title and the rows within the frame, the ranking, the winner counts and the conditions;
// only the coupon and row sections are left out.
TEST_F(SystemPrintTest, WithoutCouponsOrRowsTheHeaderAndConditionsPrint)
{
    MarkRaces({"AC", "A", "AAA", "AB", "A", "AA"});
    UnreducedRowCount = 12;
    GroupSystemBuilt = 0;  // a system of row conditions whose marks changed
    ActivePointsCondCount = 1;
    CondActive[1] = CondSumActive[1] = 1;
    RecordingCanvas canvas;
    ASSERT_TRUE(PrintSystem(canvas, AllSections()).messages.isEmpty());
    ASSERT_EQ(canvas.DocumentCount(), 1);
    const QStringList texts = canvas.Texts(0);
    for (const char* text : {"Vimsta för V64", "Inom ramen: 12 rader.", "Ranking", "Vinnare",
                             "Villkor på ABCD", "Villkor på chansvärdering/poäng, 1 st aktiva"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;
    for (const char* start : {"Storlek", "Insats", "Utvalda", "Kupong", "Enkelrader"})
        EXPECT_FALSE(std::any_of(texts.begin(), texts.end(), [start](const QString& t) {
            return t.startsWith(QString::fromUtf8(start));
        })) << start;
}

// The upper row-sum bound prints as the points window shows it: the 700 of a cleared
// condition as 600.
TEST_F(SystemPrintTest, RowSumBoundsPrintAsThePointsWindowShowsThem)
{
    SmallCouponSystem();
    GroupSystemBuilt = 0;  // row conditions: the points conditions are printed
    ActivePointsCondCount = 1;
    CondActive[1] = CondSumActive[1] = 1;
    CondSumMin[1] = 250;
    const struct {
        int32 max;
        const char* shown;
    } cases[] = {{700, "Radsumma: 250-600 "}, {450, "Radsumma: 250-450 "}};
    for (const auto& c : cases) {
        CondSumMax[1] = c.max;
        RecordingCanvas canvas;
        ASSERT_TRUE(PrintSystem(canvas, AllSections()).messages.isEmpty());
        const QStringList texts = canvas.Texts(0);
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&c](const QString& t) {
            return t.contains(QString::fromUtf8(c.shown));
        })) << c.max;
    }
}

TEST_F(SystemPrintTest, RangeAndCopies)
{
    ManyCoupons(10);
    SystemPrintOptions o = AllSections();
    o.chosenRange = true;
    o.from = o.to = 5;
    o.copies = 2;
    RecordingCanvas canvas;
    ASSERT_TRUE(PrintSystem(canvas, o).messages.isEmpty());
    ASSERT_EQ(canvas.DocumentCount(), 2);
    EXPECT_EQ(canvas.Texts(0), canvas.Texts(1));
    EXPECT_EQ(canvas.Titles(), QStringList(2, SystemPrintDefaultTitle));  // a system without a name
    EXPECT_TRUE(canvas.Texts(0).contains(SystemPrintDefaultTitle));
    EXPECT_TRUE(canvas.Texts(0).contains(QStringLiteral("Kupong 5")));
    EXPECT_FALSE(canvas.Texts(0).contains(QStringLiteral("Kupong 4")));
    EXPECT_FALSE(canvas.Texts(0).contains(QStringLiteral("Kupong 6")));
}

TEST_F(SystemPrintTest, EmptyChancesAndSeventhEqualNumberPrintWithoutFault)
{
    SmallCouponSystem();
    for (int row = 1; row <= CompositionCount; ++row) {
        AbcdListCells[row][0] = QStringLiteral("  6  0  0  0");
        AbcdListCells[row][2] = row % 2 ? QStringLiteral("  Nej ") : QStringLiteral("   0 %");
    }
    GroupSystemBuilt = 0;  // row conditions: the other conditions are printed
    EqualNrRule[7] = 1;
    RecordingCanvas canvas;
    ASSERT_TRUE(PrintSystem(canvas, AllSections()).messages.isEmpty());
    const QStringList texts = canvas.Texts(0);
    EXPECT_TRUE(texts.contains(QStringLiteral("Vinstchanser utan ev. tilläggsvillkor och reduc.")));
    EXPECT_FALSE(texts.contains(QStringLiteral("6 rätt")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Förbjudet antal lika nr: 7")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Övriga villkor på startnr, 0 st")));
}

TEST_F(SystemPrintTest, SingleRowsAndOwnText)
{
    MarkEveryRace("AB");
    const int row[RaceSlots] = {3, 5, 12, 1, 4, 7, 1};
    for (int r = 1; r <= RaceSlots; ++r)
        RowStore[r][1] = row[r - 1];
    SingleRowCount = 1;
    SingleRowsBuilt = 1;
    OwnTextLines = QStringList{QStringLiteral("Lycka till"), QStringLiteral("på banan")};
    SystemPrintOptions o = AllSections();
    o.reduction.winnerCounts = false;  // the varying reduction left the winner counts alone
    RecordingCanvas canvas;
    ASSERT_TRUE(PrintSystem(canvas, o).messages.isEmpty());
    const QStringList texts = canvas.Texts(0);
    EXPECT_FALSE(texts.contains(QStringLiteral("Vinnare")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Storlek: 1 rader")));
    EXPECT_TRUE(texts.contains(QStringLiteral(" 3,5,12,1,4,7")));
    EXPECT_EQ(texts.mid(texts.size() - 2), OwnTextLines);
    EXPECT_EQ(FindText(canvas, QStringLiteral("Lycka till"))->font, OwnTextFont);
}

TEST_F(SystemPrintTest, ConditionBlocksSpanTheirColumns)
{
    SmallCouponSystem();
    GroupSystemBuilt = 0;  // row conditions: the start-number conditions are printed
    GroupCondCount = 1;
    GroupCondCells[0][0][1] = 1;
    GroupCondCells[1][GroupA][1] = 1;
    StartNrCondActiveCount = 1;
    StartNrCondActive[1] = 1;
    StartNrCondMarks[1][1][1] = 1;
    StartNrCondMarks[7][1][1] = StartNrCondMarks[7][12][1] = 1;  // race slot 7 is the widest
    for (int hits = 0; hits <= 2; ++hits)
        StartNrCondUnreachableCounts[hits][1] = 0;
    const SystemPrintOptions o = AllSections();
    RecordingCanvas canvas;
    ASSERT_TRUE(PrintSystem(canvas, o).messages.isEmpty());
    const SystemPrintGeometry g = SystemPrintPage(canvas.Page(), o.settings);
    const auto width = [&canvas](const char* text) { return canvas.TextWidth(QString::fromUtf8(text)); };
    const double S = width(" ");
    const double V = g.pitch - RoundHalfEven(1.05 * g.textHeight);

    // The rule over the first race row of an ABCD block runs on over the hits column.
    const CanvasOp* abcd = FindText(canvas, QStringLiteral("Villkor på ABCD, 1 st"));
    ASSERT_NE(abcd, nullptr);
    const double blockRight = abcd->x1 + S + width(" Avd 5  ") + 5 * (width("A") + width("  "));
    const double ruleY = abcd->y1 + RoundHalfEven(2.5 * g.pitch) - V;
    EXPECT_TRUE(std::any_of(canvas.Ops().begin(), canvas.Ops().end(), [&](const CanvasOp& op) {
        return op.kind == CanvasOp::Kind::Line && op.y1 == ruleY && op.y2 == ruleY &&
               std::abs(op.x1 - (abcd->x1 + S)) < 0.5 && std::abs(op.x2 - blockRight) < 0.5;
    }));

    // A start-number block is as wide as its widest race text, race slot 7's included.
    const CanvasOp* startNr = FindText(canvas, QStringLiteral("Villkor på startnr, 1 st aktiv"));
    ASSERT_NE(startNr, nullptr);
    const double y = startNr->y1 + RoundHalfEven(1.5 * g.pitch);
    const double hitsX = g.left + S + width("  Avd 5  ") + width(" 1  12  ") + width("  ") + S;
    EXPECT_TRUE(std::any_of(canvas.Ops().begin(), canvas.Ops().end(), [&](const CanvasOp& op) {
        return op.text == QStringLiteral("2") && op.y1 == y + 5 * g.pitch && std::abs(op.x1 - hitsX) < 0.5;
    }));
}

TEST_F(SystemPrintTest, AnEmptyOwnTextPrintsNothing)
{
    ManyCoupons(4);
    OwnTextLines.clear();
    // However near the bottom margin the coupons end, an empty own text begins no page.
    for (int bottomMm = 10; bottomMm <= 150; ++bottomMm) {
        SystemPrintOptions with = AllSections();
        with.settings.bottomMm = bottomMm;
        SystemPrintOptions without = with;
        without.settings.ownText = false;
        RecordingCanvas withText;
        RecordingCanvas withoutText;
        ASSERT_TRUE(PrintSystem(withText, with).messages.isEmpty());
        ASSERT_TRUE(PrintSystem(withoutText, without).messages.isEmpty());
        EXPECT_EQ(withText.PageCount(0), withoutText.PageCount(0)) << "bottom margin " << bottomMm;
    }
}

TEST_F(SystemPrintTest, PrinterFailuresAreReported)
{
    SmallCouponSystem();
    RecordingCanvas notStarting;
    notStarting.FailNextBegin();
    EXPECT_EQ(PrintSystem(notStarting, AllSections()).messages, QStringList{SystemPrinterStartFailedMessage});
    EXPECT_EQ(notStarting.DocumentCount(), 0);

    RecordingCanvas failing;
    failing.FailRunningDocument();
    SystemPrintOptions two = AllSections();
    two.copies = 2;
    EXPECT_EQ(PrintSystem(failing, two).messages, QStringList{PrintFailedMessage});
    EXPECT_EQ(failing.DocumentCount(), 1);  // the second copy is not begun
}

}  // namespace
