#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "model/variabl.h"
#include "output/betfile.h"
#include "output/crc16.h"
#include "output/reserves.h"

namespace {

QByteArray Golden(const char* name)
{
    QFile file(QStringLiteral(VIMSTA_TEST_DATA "/betfile/%1.xml").arg(QLatin1String(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

QByteArray Bytes(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// The rules of the operator's file-betting schema 1.8.4 that the written values must meet.
// Returns the first broken rule, or an empty text.
QString SchemaFault(const QByteArray& bytes)
{
    QXmlStreamReader xml(bytes);
    const auto number = [&xml](const char* name, int low, int high) {
        bool ok = false;
        const int value = xml.attributes().value(QLatin1String(name)).toInt(&ok);
        return ok && value >= low && value <= high;
    };
    static const QRegularExpression marks(QStringLiteral("^[01]{15}$"));
    int coupons = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (name.endsWith(QStringLiteral("Coupon"))) {
            ++coupons;
            const QString date = attributes.value(QStringLiteral("date")).toString();
            if (!QDate::fromString(date, QStringLiteral("yyyy-MM-dd")).isValid())
                return QStringLiteral("date ") + date;
            if (!number("couponid", 1, 9999))
                return QStringLiteral("couponid");
            if (!number("betmultiplier", 1, 100))
                return QStringLiteral("betmultiplier");
            const QString v6 = attributes.value(QStringLiteral("v6")).toString();
            if (!QStringList{"0", "1", "true", "false"}.contains(v6))
                return QStringLiteral("v6");
        }
        if (name == QStringLiteral("leg")) {
            if (!marks.match(attributes.value(QStringLiteral("marks"))).hasMatch())
                return QStringLiteral("marks");
            if (!number("legno", 1, 6))
                return QStringLiteral("legno");
            for (const char* reserve : {"r1", "r2"})
                if (attributes.hasAttribute(QLatin1String(reserve)) && !number(reserve, 1, 15))
                    return QLatin1String(reserve);
        }
    }
    if (xml.hasError())
        return xml.errorString();
    return coupons > 0 ? QString() : QStringLiteral("no coupon");
}

class BetFileTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }

    static void OneSingleRow()
    {
        const int row[] = {0, 3, 1, 7, 12, 5, 2, 1};
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][1] = row[race];
        SingleRowCount = 1;
        SingleRowsBuilt = 1;
    }

    // Coupon 1 of a system built with row conditions: 2 x 1 x 3 x 1 x 1 x 2 rows.
    static void OneV65Coupon()
    {
        const int horses[][3] = {{1, 4}, {2}, {3, 5, 6}, {10}, {15}, {7, 8}, {1}};
        for (int race = 1; race <= RaceSlots; ++race)
            for (int h : horses[race - 1])
                if (h != 0)
                    RowStore[race][1] |= 1 << (h - 1);
        CouponRowCounts[1] = 12;
        CouponCount = KeptCouponCount = KeptCoupons[1] = 1;
        CouponKept[1] = 1;
        CouponsBuilt = 1;
        GroupSystemBuilt = 0;
    }

    static BetFileRequest Request(bool v65 = false, int multiplier = 1, bool v6 = false)
    {
        BetFileRequest request;
        request.v65 = v65;
        request.date = QStringLiteral("2024-04-14");
        request.multiplier = multiplier;
        request.v6 = v6;
        return request;
    }
};

TEST(Crc16ArcTest, CheckValue)
{
    EXPECT_EQ(Crc16Arc("123456789"), 0xBB3D);
    EXPECT_EQ(Crc16Arc(""), 0);
}

TEST_F(BetFileTest, WholeFilesMatchTheGoldenBytes)
{
    struct Case {
        const char* golden;
        const char* check;
        int mode;
        bool singleRow;
        BetFileRequest request;
    };
    const Case cases[] = {
        {"row_mode2", "0822", ReserveModeChosenOrder, true, Request()},
        {"row_mode1", "1DB9", ReserveModeNone, true, Request()},
        {"v65_fixed", "52A6", ReserveModeFixed, false, Request(true, 2, true)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.golden);
        ResetGlobals();
        c.singleRow ? OneSingleRow() : OneV65Coupon();
        ReserveMode = static_cast<byte>(c.mode);
        const byte fixed[][2] = {{4, 0}, {0, 6}, {9, 11}, {0, 0}, {0, 0}, {0, 0}, {0, 0}};
        for (int race = 1; race <= RaceSlots; ++race) {
            FixedReserves[race][1] = fixed[race - 1][0];
            FixedReserves[race][2] = fixed[race - 1][1];
        }
        const BetFileContent content = BuildBetFile(c.request);
        ASSERT_TRUE(content.refusal.isEmpty()) << content.refusal.toStdString();
        EXPECT_EQ(Bytes(content.lines), Golden(c.golden));
        EXPECT_EQ(BetFileCheckValue(content.lines), QLatin1String(c.check));
        EXPECT_EQ(SchemaFault(Bytes(content.lines)), QString());
    }
}

TEST_F(BetFileTest, RangesAreClampedNumberedFromOneAndLimited)
{
    ReserveMode = ReserveModeNextLower;
    SingleRowsBuilt = 1;
    SingleRowCount = 10000;
    for (int row = 1; row <= SingleRowCount; ++row)
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][row] = race == 7 ? 1 : 1 + row % 15;
    BetFileRequest request = Request();
    request.allItems = false;
    request.from = 3;
    request.to = 5;
    const BetFileContent three = BuildBetFile(request);
    ASSERT_EQ(three.lines.size(), 4 + 3 * 8 + 2);
    EXPECT_TRUE(three.lines[4].contains(QLatin1String("couponid=\"1\"")));
    EXPECT_TRUE(three.lines[20].contains(QLatin1String("couponid=\"3\"")));
    EXPECT_TRUE(three.lines[5].contains(QLatin1String("marks=\"000100000000000\"  r1=\"5\" r2=\"6\"/>")));
    EXPECT_EQ(SchemaFault(Bytes(three.lines)), QString());

    request.from = 9000;
    request.to = 20000;  // clamped to the last row: 1 001 coupons
    const BetFileContent tail = BuildBetFile(request);
    EXPECT_EQ(tail.lines.size(), 4 + 1001 * 8 + 2);
    EXPECT_EQ(SchemaFault(Bytes(tail.lines)), QString());

    request.from = 1;
    EXPECT_FALSE(BuildBetFile(request).refusal.isEmpty()) << "10 000 coupons in one file";
    request.allItems = true;
    EXPECT_FALSE(BuildBetFile(request).refusal.isEmpty());
    request.allItems = false;
    request.to = 9999;
    EXPECT_TRUE(BuildBetFile(request).refusal.isEmpty());
    request.from = 6;
    request.to = 5;
    EXPECT_EQ(BuildBetFile(request).refusal, BetRangeReversedMessage);
}

TEST_F(BetFileTest, RefusesWhatTheOperatorWouldNotTake)
{
    OneV65Coupon();
    const QString badDates[] = {"",       "2024-02-30", "2024-4-14",  "14-04-2024", "2024-04-14\"",
                                "<2024>", "2024&04-14", "abcd-ef-gh", "0000-01-01", " 2024-04-14"};
    for (const QString& date : badDates) {
        BetFileRequest request = Request();
        request.date = date;
        EXPECT_FALSE(BuildBetFile(request).refusal.isEmpty()) << date.toStdString();
    }
    EXPECT_TRUE(IsBetFileDate(QStringLiteral("2024-02-29")));
    for (int multiplier : {0, 6, 20, 99, 101})
        EXPECT_FALSE(BuildBetFile(Request(false, multiplier)).refusal.isEmpty()) << multiplier;
    for (int multiplier : {1, 2, 3, 4, 5, 10, 50, 100})
        EXPECT_TRUE(BuildBetFile(Request(false, multiplier)).refusal.isEmpty()) << multiplier;

    CouponsBuilt = 0;  // the rows-stale reset: the old coupons are no longer the system
    EXPECT_EQ(BuildBetFile(Request()).refusal,
              QStringLiteral("Systemet är inte konstruerat. Ingen fil har skrivits."));
    CouponsBuilt = 1;
    KeptCouponCount = 0;
    EXPECT_FALSE(BuildBetFile(Request()).refusal.isEmpty());
}

TEST_F(BetFileTest, FileNameKeepsTheCheckValueAndExtension)
{
    EXPECT_EQ(BetFileName(QStringLiteral("/tmp/system.xml"), QStringLiteral("0A1F")),
              QStringLiteral("/tmp/system-0A1F.xml"));
    EXPECT_EQ(BetFileName(QStringLiteral("/tmp/system"), QStringLiteral("0A1F")),
              QStringLiteral("/tmp/system-0A1F.xml"));
    EXPECT_EQ(BetFileName(QStringLiteral("/tmp/v.1/system.txt"), QStringLiteral("BB3D")),
              QStringLiteral("/tmp/v.1/system-BB3D.xml"));
    EXPECT_EQ(BetFileName(QStringLiteral("/tmp/system-0A1F.xml"), QStringLiteral("1234")),
              QStringLiteral("/tmp/system-0A1F-1234.xml"));
    const QString longName = QStringLiteral("/tmp/") + QString(230, u'a') + QStringLiteral(".xml");
    EXPECT_TRUE(BetFileName(longName, QStringLiteral("1234")).endsWith(QStringLiteral("a-1234.xml")));
}

TEST_F(BetFileTest, PriceMultipliesTheRowsPrice)
{
    EXPECT_EQ(BetPriceText(QStringLiteral("48"), 10), QStringLiteral("Pris, alla kup. 480 kr"));
    EXPECT_EQ(BetPriceText(QString(), 2), QStringLiteral("Pris, alla kup. 0 kr"));
}

}  // namespace
