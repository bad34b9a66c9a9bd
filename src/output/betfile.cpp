#include "output/betfile.h"

#include <QDate>
#include <QRegularExpression>
#include <algorithm>

#include "output/couponhorses.h"
#include "output/crc16.h"
#include "output/reserves.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

namespace {

const QString NothingWritten = QStringLiteral(" Ingen fil har skrivits.");

QString Attribute(const QString& name, const QString& value)
{
    return QStringLiteral(" %1=\"%2\"").arg(name, value);
}

QString Attribute(const QString& name, int32 value)
{
    return Attribute(name, QString::number(value));
}

QStringList FileHead()
{
    return {
        QStringLiteral("<?xml") + Attribute(QStringLiteral("version"), QStringLiteral("1.0")) +
            Attribute(QStringLiteral("encoding"), QStringLiteral("UTF-8")) + QStringLiteral("?>"),
        QStringLiteral("<!-- Layout of the sample file of ATG's file-betting tool -->"),
        QStringLiteral("<issuer") +
            Attribute(QStringLiteral("xmlns:xsi"),
                      QStringLiteral("http://www.w3.org/2001/XMLSchema-instance")) +
            Attribute(QStringLiteral("xsi:noNamespaceSchemaLocation"),
                      QStringLiteral("atg_filebetting.xsd")) +
            Attribute(QStringLiteral("company"), QStringLiteral("Vimsta")) +
            Attribute(QStringLiteral("version"), QStringLiteral("11")) +
            Attribute(QStringLiteral("schemaversion"), QStringLiteral("ATG File Betting XSD ver 1.8")) +
            Attribute(QStringLiteral("product"), QStringLiteral("Vimsta for V65-V64")) + QStringLiteral(">"),
        QStringLiteral("<betcoupons>"),
    };
}

// The reserves of an item are written on every leg when any of its legs 1-6 has one.
bool ReservesInForce(const BetItemMarks& item)
{
    for (int race = 1; race <= 6; ++race)
        if (item.reserveCount[race] != 0)
            return true;
    return false;
}

QString LegLine(const BetItemMarks& item, int race, bool withReserves)
{
    QString marks;
    for (int h = 1; h <= StartNumbers; ++h)
        marks += item.marks[race][h] ? u'1' : u'0';
    QString line = QStringLiteral("<leg") + Attribute(QStringLiteral("legno"), race) +
                   Attribute(QStringLiteral("marks"), marks) + u' ';
    if (withReserves) {
        if (item.reserve1[race] != 0)
            line += Attribute(QStringLiteral("r1"), item.reserve1[race]);
        if (item.reserve2[race] != 0)
            line += Attribute(QStringLiteral("r2"), item.reserve2[race]);
    }
    return line + QStringLiteral("/>");
}

void AppendItem(QStringList& lines, const BetFileRequest& request, int32 item, int32 sequence)
{
    const QString element = request.v65 ? QStringLiteral("v65Coupon") : QStringLiteral("v64Coupon");
    lines << u'<' + element + Attribute(QStringLiteral("couponid"), sequence) +
                 Attribute(QStringLiteral("date"), request.date) +
                 Attribute(QStringLiteral("betmultiplier"), request.multiplier) +
                 Attribute(QStringLiteral("v6"), request.v6 ? QStringLiteral("1") : QStringLiteral("0")) +
                 u'>';
    const BetItemMarks marks = FillBetCouponMarks(item);
    const bool withReserves = ReservesInForce(marks);
    for (int race = 1; race <= 6; ++race)
        lines << LegLine(marks, race, withReserves);
    lines << QStringLiteral("</") + element + u'>';
}

bool SystemBuilt()
{
    return SingleRowsBuilt == 1 || CouponsBuilt == 1;
}

// Why the request cannot be written, or empty; range: the items to write.
QString Refusal(const BetFileRequest& request, int32& from, int32& to)
{
    if (!SystemBuilt())
        return QStringLiteral("Systemet är inte konstruerat.") + NothingWritten;
    const int32 count = BetItemCount();
    if (count == 0)
        return QStringLiteral("Det finns inga kuponger att skriva.") + NothingWritten;
    if (!IsBetFileDate(request.date))
        return QStringLiteral("Datumet måste vara ett riktigt datum skrivet åååå-mm-dd.") + NothingWritten;
    if (!IsBetMultiplier(request.multiplier))
        return QStringLiteral("Antal system per kupong kan vara 1, 2, 3, 4, 5, 10, 50 eller 100.") +
               NothingWritten;
    from = request.allItems ? 1 : std::clamp(request.from, 1, count);
    to = request.allItems ? count : std::clamp(request.to, 1, count);
    if (to < from)
        return BetRangeReversedMessage;
    if (to - from + 1 > MaxBetFileCoupons)
        return QStringLiteral(
                   "En fil kan innehålla högst 9 999 kuponger. Skriv systemet i flera delar, "
                   "högst 9 999 kuponger i varje fil.") +
               NothingWritten;
    return QString();
}

}  // namespace

int32 BetItemCount()
{
    if (SingleRowsBuilt == 1)
        return std::clamp(SingleRowCount, 0, RowStoreEntries);
    return std::clamp(KeptCouponCount, 0, MaxCoupons);
}

BetItemMarks FillBetCouponMarks(int32 item)
{
    BetItemMarks marks;
    for (int race = 1; race <= RaceSlots; ++race) {
        const THorseMask horses =
            SingleRowsBuilt == 1 ? SingleRowHorses(race, item) : CouponHorses(race, KeptCoupons[item]);
        for (int h = 1; h <= StartNumbers; ++h)
            marks.marks[race][h] = (horses & HorseBit(h)) != 0;
        const ReservePair pair = PickReserves(race, horses, true, true);
        marks.reserveCount[race] = pair.count;
        marks.reserve1[race] = pair.first;
        marks.reserve2[race] = pair.second;
    }
    return marks;
}

BetFileContent BuildBetFile(const BetFileRequest& request)
{
    int32 from = 0;
    int32 to = 0;
    BetFileContent content;
    content.refusal = Refusal(request, from, to);
    if (!content.refusal.isEmpty())
        return content;
    content.lines = FileHead();
    for (int32 item = from; item <= to; ++item)
        AppendItem(content.lines, request, item, item - from + 1);
    content.lines << QStringLiteral("</betcoupons>") << QStringLiteral("</issuer>");
    return content;
}

bool IsBetFileDate(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    return shape.match(text).hasMatch() && QDate::fromString(text, QStringLiteral("yyyy-MM-dd")).isValid() &&
           !text.startsWith(QStringLiteral("0000"));
}

bool IsBetMultiplier(int32 multiplier)
{
    static constexpr int32 accepted[] = {1, 2, 3, 4, 5, 10, 50, 100};
    return std::find(std::begin(accepted), std::end(accepted), multiplier) != std::end(accepted);
}

QString BetFileCheckValue(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += EncodeWindows1252(line) + "\r\n";
    return QStringLiteral("%1").arg(Crc16Arc(bytes), 4, 16, QLatin1Char('0')).toUpper();
}

// The extension is what follows the last "." of the name's last part.
QString BetFileName(const QString& chosen, const QString& checkValue)
{
    const qsizetype lastSeparator = std::max(chosen.lastIndexOf(u'/'), chosen.lastIndexOf(u'\\'));
    const qsizetype dot = chosen.lastIndexOf(u'.');
    const QString base = dot > lastSeparator ? chosen.left(dot) : chosen;
    return base + u'-' + checkValue + QStringLiteral(".xml");
}

QString BetPriceText(const QString& rowsPrice, int32 multiplier)
{
    const std::int64_t price = static_cast<std::int64_t>(IntOr(rowsPrice, 0)) * multiplier;
    return QStringLiteral("Pris, alla kup. ") + QString::number(price) + QStringLiteral(" kr");
}

QString TodayBetFileDate()
{
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
}
