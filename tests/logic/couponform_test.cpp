#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

#include "model/variabl.h"
#include "output/couponform.h"
#include "output/reserves.h"
#include "platform/textfile.h"
#include "support/coupons.h"

namespace {

// Ten printer pixels a millimetre: the margins are 100 pixels, a column step 44.4, a row step
// 63.3.
const PageMetrics TenPerMm{2100, 2970, 210, 297};

class CouponFormTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }

    static std::vector<QString> Texts(const CouponFormPage& page)
    {
        std::vector<QString> texts;
        for (const FormText& text : page.texts)
            texts.push_back(text.text);
        return texts;
    }
    static bool Has(const CouponFormPage& page, int row, int column)
    {
        return std::find(page.cells.begin(), page.cells.end(), FormCell{row, column}) != page.cells.end();
    }
};

TEST_F(CouponFormTest, PointTransform)
{
    struct Case {
        const char* what;
        int32 width, sideShift, verticalShift, rotation;
        int x, y;
    };
    const Case cases[] = {{"defaults", 1600, 0, 0, 0, 322, 163},
                          {"width 1700", 1700, 0, 0, 0, 336, 163},
                          {"rotation 10", 1600, 0, 0, 10, 322, 162},
                          {"shifts 50 and -50", 1600, 50, -50, 0, 336, 152}};
    for (const Case& c : cases) {
        TCouponFormSettings settings;
        settings.width = c.width;
        settings.sideShift = c.sideShift;
        settings.verticalShift = c.verticalShift;
        settings.rotation = c.rotation;
        const FormPoint point = CouponFormCell(ScaleCouponForm(TenPerMm, settings), settings, 1, 5);
        EXPECT_EQ(point.x, c.x) << c.what;
        EXPECT_EQ(point.y, c.y) << c.what;
    }
}

TEST_F(CouponFormTest, TestCoupon)
{
    TCouponFormSettings settings;
    const CouponFormPage page = LayOutTestCoupon(ScaleCouponForm(TenPerMm, settings), settings);
    EXPECT_EQ(Texts(page), (std::vector<QString>{"6", "4", "4", "4", "4", "4", "6", "36864", "Kup. 1"}));
    EXPECT_TRUE(Has(page, 1, 0));   // race 1, number 5
    EXPECT_TRUE(Has(page, 6, 0));   // its reserve box on the new coupon
    EXPECT_TRUE(Has(page, 7, 27));  // race 7, reserve 12
    EXPECT_TRUE(Has(page, 9, 25));  // race 7's reserve order: 8 before 12

    settings.kind = CouponFormKind::OldLong;
    settings.numbering = true;
    const CouponFormPage oldLong = LayOutTestCoupon(ScaleCouponForm(TenPerMm, settings), settings);
    EXPECT_EQ(Texts(oldLong), (std::vector<QString>{"K 1", "av 1", "4", "4", "4", "4", "6", "36864"}));
    EXPECT_TRUE(Has(oldLong, 7, 0));  // reserve 5 one row lower on the old coupon
}

TEST_F(CouponFormTest, CouponMarksCountsAndReserves)
{
    // Horses 2, 3, 1, 4, 2, 1 a race; race 3 plays 14 of the 15.
    const int masks[RaceSlots] = {0b11, 0b111, (1 << 15) - 1 - (1 << 6), 0b1111, 0b11, 1, 1};
    for (int race = 1; race <= RaceSlots; ++race)
        RowStore[race][1] = masks[race - 1];
    GroupSystemBuilt = 0;
    KeepCoupons(1);
    ReserveMode = ReserveModeChosenOrder;
    TCouponFormSettings settings;
    settings.v6 = true;
    const CouponFormScale scale = ScaleCouponForm(TenPerMm, settings);
    const CouponFormPage page = LayOutCouponForm(scale, settings, 1);
    EXPECT_EQ(Texts(page), (std::vector<QString>{"2", "3", "14", "4", "2", "1", "672"}));
    EXPECT_TRUE(Has(page, 10, 22));  // V6
    // Race 3 in chosen order: the scan ends at position 15 with the one free number, 7, and
    // no reserve-order box.
    EXPECT_TRUE(Has(page, 1 + 5, 8 + 2));
    EXPECT_FALSE(Has(page, 9, 9));
    EXPECT_FALSE(Has(page, 9, 10));
    EXPECT_TRUE(Has(page, 9, 1));  // race 1: reserves 3 and 4, the lower first

    // A row count below 100 stands half a column further right, below 10 once more.
    const int masks2[RaceSlots] = {0b11, 0b111, 1, 0b1111, 0b11, 1, 1};
    for (int race = 1; race <= RaceSlots; ++race)
        RowStore[race][1] = masks2[race - 1];
    const CouponFormPage small = LayOutCouponForm(scale, settings, 1);
    EXPECT_EQ(small.texts.back().text, QStringLiteral("48"));
    EXPECT_EQ(small.texts.back().at.x - page.texts.back().at.x, 22);

    // Fixed reserves 5 and 0: the box of 5, no reserve-order box.
    ReserveMode = ReserveModeFixed;
    FixedReserves[2][1] = 5;
    FixedReserves[2][2] = 0;
    const CouponFormPage fixed = LayOutCouponForm(scale, settings, 1);
    EXPECT_TRUE(Has(fixed, 1 + 5, 4));
    EXPECT_FALSE(Has(fixed, 9, 5));
    EXPECT_FALSE(Has(fixed, 9, 6));
}

TEST_F(CouponFormTest, PrintsTheRangeOnePageEach)
{
    KeepCoupons(6);
    for (int k = 1; k <= 6; ++k)
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][k] = 1;
    GroupSystemBuilt = 0;
    SystemName = "Lördag";
    TCouponFormSettings settings;
    settings.numbering = true;
    RecordingCanvas canvas(TenPerMm);
    EXPECT_EQ(PrintCouponForms(canvas, settings, 3, 5), QString());
    EXPECT_EQ(canvas.Titles(), QStringList{QStringLiteral("Lördag")});
    EXPECT_EQ(canvas.PageCount(0), 3);
    const QStringList texts = canvas.Texts(0);
    EXPECT_TRUE(texts.contains("Kup. 3") && texts.contains("Kup. 4") && texts.contains("Kup. 5"));
    EXPECT_EQ(canvas.Ops().front().penWidth, 10);

    EXPECT_EQ(PrintCouponForms(canvas, settings, 5, 3), QStringLiteral("     Kupongnumren??     "));
    canvas.FailNextBegin();
    EXPECT_EQ(PrintCouponForms(canvas, settings, 1, 1), PrinterStartFailedMessage);
    EXPECT_EQ(canvas.DocumentCount(), 1);
    canvas.FailRunningDocument();
    EXPECT_EQ(PrintTestCoupon(canvas, settings), PrintFailedMessage);

    ResetGlobals();
    EXPECT_EQ(PrintCouponForms(canvas, settings, 1, 1), CouponFormNoSystemMessage);
}

TEST_F(CouponFormTest, SettingsFileRoundTrip)
{
    TCouponFormSettings settings;
    settings.topMargin = 0;
    settings.leftMargin = 35;
    settings.height = 600;
    settings.width = 1650;
    settings.strokeThickness = -3;
    settings.strokeLength = 55;
    settings.fillStake = false;
    settings.kind = CouponFormKind::OldShort;
    settings.font = PrintFont{QStringLiteral("Liberation Mono"), 12, true, false, true, false};
    settings.portrait = false;
    settings.storedNumber = 7;
    settings.sideShift = -20;
    settings.verticalShift = 30;
    settings.rotation = 4;
    settings.numbering = true;
    settings.v6 = true;
    const QStringList lines = CouponFormSettingsLines(settings);
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(ParseCouponFormSettings(lines, TCouponFormSettings()), settings);

    // Through the file, whose name may be in any letter case.
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    ASSERT_TRUE(WriteTextLines(folder + QStringLiteral("NINSTV75.KUP"), lines));
    EXPECT_EQ(ReadCouponFormSettings(folder), QString());
    EXPECT_EQ(CouponFormSettings, settings);
    CouponFormSettings.rotation = -9;
    ASSERT_TRUE(WriteCouponFormSettings(folder));
    EXPECT_EQ(ReadTextLines(folder + QStringLiteral("NINSTV75.KUP"))->at(18), QStringLiteral("-9"));
}

TEST_F(CouponFormTest, SettingsFileReadingRules)
{
    QStringList lines = CouponFormSettingsLines(TCouponFormSettings());
    lines[3] = QStringLiteral("1800");
    lines[7] = QStringLiteral("NY");
    lines[10] = QStringLiteral("portrait");
    TCouponFormSettings start;
    start.kind = CouponFormKind::OldLong;
    const TCouponFormSettings read = *ParseCouponFormSettings(lines, start);
    EXPECT_EQ(read.width, 1700);
    EXPECT_EQ(read.kind, CouponFormKind::OldLong);
    EXPECT_FALSE(read.portrait);

    // Too few lines: what was read stays, the margins become 100 and the size 10.
    QStringList shortFile = lines.mid(0, 5);
    shortFile[0] = QStringLiteral("300");
    shortFile[2] = QStringLiteral("570");
    start.font.pointSize = 14;
    const TCouponFormSettings partial = *ParseCouponFormSettings(shortFile, start);
    EXPECT_EQ(partial.topMargin, 100);
    EXPECT_EQ(partial.height, 570);
    EXPECT_EQ(partial.font.pointSize, 10);
    EXPECT_EQ(partial.strokeLength, start.strokeLength);
}

// A line that is not what its place holds refuses the whole file, however late it stands.
TEST_F(CouponFormTest, ALineOutOfPlaceRefusesTheSettingsFile)
{
    const struct {
        int line;
        QString text;
    } cases[] = {
        {1, QStringLiteral("tio")},         {6, QString()},
        {7, QStringLiteral("ja ja")},       {9, QString()},
        {9, QString(65, QLatin1Char('M'))}, {10, QStringLiteral("12pt")},
        {15, QStringLiteral("\x01")},       {19, QStringLiteral("4,5")},
        {21, QStringLiteral("Ja\x7f")},
    };
    for (const auto& c : cases) {
        QStringList lines = CouponFormSettingsLines(TCouponFormSettings());
        lines[c.line - 1] = c.text;
        EXPECT_FALSE(ParseCouponFormSettings(lines, TCouponFormSettings())) << c.line;
    }
}

// A binary file, or one larger than any settings file, keeps the settings in use and says so.
TEST_F(CouponFormTest, AFileThatIsNoSettingsFileChangesNothing)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    QByteArray binary;
    for (int i = 0; i < 400; ++i)
        binary += static_cast<char>((i * 29 + 11) % 256);
    QByteArray large =
        EncodeWindows1252(CouponFormSettingsLines(TCouponFormSettings()).join(QStringLiteral("\r\n")));
    large += QByteArray(5000, '\n');
    CouponFormSettings.rotation = 5;
    const TCouponFormSettings before = CouponFormSettings;
    for (const QByteArray& bytes : {binary, large}) {
        ASSERT_TRUE(WriteFileBytes(folder + QStringLiteral("ninstV75.kup"), bytes));
        EXPECT_EQ(ReadCouponFormSettings(folder),
                  QStringLiteral("Filen ninstV75.kup är ingen inställningsfil och lästes inte in. "
                                 "Inställningarna är oförändrade."));
        EXPECT_EQ(CouponFormSettings, before);
    }
}

}  // namespace
