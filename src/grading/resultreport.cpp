#include "grading/resultreport.h"

#include <algorithm>

#include "grading/grading.h"
#include "model/variabl.h"
#include "platform/numbers.h"

namespace {

constexpr int ReportMarginMm = 20;
constexpr int FewestLinesPerPage = 14;
constexpr int FileNameLimit = 200;
// The widest list line the page must hold.
const QString SampleListLine = QStringLiteral("Kup 23:  1 sjua + 15 sexor + 427 femmmor");

// The four prize classes from 7 correct slots down to 4: the index into CorrectCounts and
// the PayoutPerHits entry.
struct PrizeClass {
    int countIndex;
    int payoutEntry;
    const char* paperLabel;
    const char* fileLabel;
};
constexpr PrizeClass PrizeClasses[] = {{0, 3, "7 rätt:  ", "   7 rätt: "},
                                       {1, 2, "6 rätt:  ", "   6 rätt: "},
                                       {2, 1, "5 rätt:  ", "   5 rätt: "},
                                       {3, 0, "4 rätt:  ", "   4 rätt: "}};

bool ReportHasPayouts()
{
    return std::any_of(std::begin(PrizeClasses), std::end(PrizeClasses),
                       [](const PrizeClass& c) { return PayoutPerHits[c.payoutEntry] != 0; });
}

bool ReportHasWin()
{
    return std::any_of(std::begin(PrizeClasses), std::end(PrizeClasses),
                       [](const PrizeClass& c) { return CorrectCounts[c.countIndex] != 0; });
}

std::int64_t TotalWin()
{
    std::int64_t total = 0;
    for (std::int64_t amount : WinningsPerClass)
        total += amount;
    return total;
}

QString SizeLine()
{
    if (SingleRowsBuilt == 1)
        return QStringLiteral("Storlek: %1 rader").arg(SingleRowCount);
    return QStringLiteral("Storlek: %1 rader, %2 kuponger.").arg(RowsKept).arg(KeptCouponCount);
}

QString CorrectRowLine()
{
    QStringList winners;
    for (int race = 1; race <= RaceSlots; ++race)
        winners << QString::number(CorrectRow[race]);
    return QStringLiteral("Rätt rad: ") + winners.join(QStringLiteral(", "));
}

// "1 sexa" or "n sexor"; nothing for 0.
QString CountPart(int32 count, const char* one, const char* many)
{
    if (count <= 0)
        return {};
    if (count == 1)
        return QStringLiteral("1 ") + QString::fromUtf8(one);
    return QString::number(count) + QLatin1Char(' ') + QString::fromUtf8(many);
}

QString CouponLine(int position, const TCouponResult& result)
{
    QStringList parts;
    if (result.Rows7 > 0)
        parts << QStringLiteral("1 sjua");
    for (const QString& part :
         {CountPart(result.Rows6, "sexa", "sexor"), CountPart(result.Rows5, "femma", "femmor"),
          CountPart(result.Rows4, "fyra", "fyror")})
        if (!part.isEmpty())
            parts << part;
    return QStringLiteral("Kup %1:  ").arg(position) + (position < 10 ? QStringLiteral(" ") : QString()) +
           parts.join(QStringLiteral(" + "));
}

QString RowClass(int correct)
{
    switch (correct) {
        case 7:
            return QStringLiteral("7 rätt");
        case 6:
            return QStringLiteral("  6 rätt");
        case 5:
            return QStringLiteral("     5 rätt");
        default:
            return QStringLiteral("        4 rätt");
    }
}

QString RowLine(ReportForm form, int row)
{
    QString line = QStringLiteral("Rad %1:").arg(row);
    if (form == ReportForm::Paper)
        line += QLatin1Char(' ');
    else
        line += QString((row < 100 ? 1 : 0) + (row < 10 ? 1 : 0), QLatin1Char(' '));
    return line + RowClass(RowCorrectCounts[row]);
}

QString FileClassLine(const PrizeClass& c, bool payouts)
{
    QString line =
        QString::fromUtf8(c.fileLabel) + QString::number(CorrectCounts[c.countIndex]) + QStringLiteral(" st");
    if (payouts)
        line +=
            QStringLiteral("  á ") + QString::number(PayoutPerHits[c.payoutEntry]) + QStringLiteral(" kr");
    return line;
}

QString TotalLine(ReportForm form, bool payouts)
{
    const QString label =
        form == ReportForm::Paper ? QStringLiteral("Vinst: ") : QStringLiteral("   Vinst: ");
    return payouts ? label + AmountText(TotalWin()) + QStringLiteral(" kr.")
                   : label + QStringLiteral(" ? kr");
}

// Lays the lines out from the top of the first page down.
class PrintoutWriter {
public:
    PrintoutWriter(ResultPrintout& printout, int top) : printout_(printout), top_(top) {}

    void Put(double x, double linesDown, const QString& text, bool title = false)
    {
        const double y = top_ + static_cast<double>(RoundHalfEven(linesDown * printout_.lineHeight));
        printout_.texts.push_back({page_, x, y, text, title});
    }
    void NewPage()
    {
        ++page_;
        printout_.pageCount = page_ + 1;
    }

private:
    ResultPrintout& printout_;
    int top_;
    int page_ = 0;
};

void PutClassLines(PrintoutWriter& writer, double x0, const ResultTextWidth& width, bool payouts)
{
    double labelWidth = 0;
    double countWidth = 0;
    double payoutWidth = 0;
    for (const PrizeClass& c : PrizeClasses) {
        labelWidth = std::max(labelWidth, width(QString::fromUtf8(c.paperLabel)));
        countWidth = std::max(countWidth, width(QString::number(CorrectCounts[c.countIndex])));
        payoutWidth = std::max(payoutWidth, width(QString::number(PayoutPerHits[c.payoutEntry])));
    }
    const double x1 = x0 + labelWidth + countWidth;
    const double x2 = x1 + width(QStringLiteral(" st  á  ")) + payoutWidth;
    double linesDown = 3.7;
    for (const PrizeClass& c : PrizeClasses) {
        const QString count = QString::number(CorrectCounts[c.countIndex]);
        writer.Put(x0, linesDown, QString::fromUtf8(c.paperLabel));
        writer.Put(x1 - width(count), linesDown,
                   count + (payouts ? QStringLiteral(" st  á") : QStringLiteral(" st")));
        if (payouts) {
            const QString payout = QString::number(PayoutPerHits[c.payoutEntry]);
            writer.Put(x2 - width(payout), linesDown, payout + QStringLiteral(" kr"));
        }
        linesDown += 1.0;
    }
}

}  // namespace

QString TakeReportDate()
{
    if (QString(SystemDate) == QStringLiteral("DD"))
        SystemDate = "";
    return QString(SystemDate);
}

QString ReportTitle(ReportForm form)
{
    QString title = QString(SystemName);
    if (title.isEmpty() || title == QStringLiteral("NN"))
        title = form == ReportForm::Paper ? QStringLiteral("Vimsta V64") : QStringLiteral("Vimsta V75");
    const QString date = TakeReportDate();
    if (!date.isEmpty())
        title += QStringLiteral("  ") + date;
    return title;
}

QStringList WinningListLines(ReportForm form)
{
    QStringList lines;
    if (SingleRowsBuilt == 1) {
        const int rows = std::clamp<int>(SingleRowCount, 0, MaxGradedSingleRows - 1);
        for (int row = 1; row <= rows; ++row)
            if (RowCorrectCounts[row] >= 4)
                lines << RowLine(form, row);
        return lines;
    }
    const int coupons = std::clamp<int>(KeptCouponCount, 0, MaxCoupons);
    for (int position = 1; position <= coupons; ++position)
        if (CouponResults[position].Winning == 1)
            lines << CouponLine(position, CouponResults[position]);
    return lines;
}

QStringList ResultTextLines()
{
    const bool payouts = ReportHasPayouts();
    QStringList lines{
        ReportTitle(ReportForm::TextFile), QString(), SizeLine(), QString(), CorrectRowLine(), QString()};
    for (const PrizeClass& c : PrizeClasses)
        lines << FileClassLine(c, payouts);
    lines << QString() << TotalLine(ReportForm::TextFile, payouts) << QString();
    return lines + WinningListLines(ReportForm::TextFile);
}

QString ResultFileName(const QString& chosen)
{
    QString name = chosen.left(FileNameLimit);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const int slash = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    if (dot > slash)
        name.truncate(dot);
    return (name + QStringLiteral(".txt")).left(FileNameLimit);
}

ResultPrintout LayOutResultPrintout(const PageMetrics& page, double pointSize, const ResultTextWidth& width)
{
    ResultPrintout printout;
    if (Graded == 0) {
        printout.refusal = GradeBeforePrintingMessage;
        return printout;
    }
    if (SingleRowsBuilt != 1 && CouponsBuilt != 1) {
        printout.refusal = NoSystemToGradeMessage;
        return printout;
    }
    printout.textHeight = TextHeight(pointSize, page);
    printout.lineHeight = LineHeight(printout.textHeight);
    const int top = MarginPixels(ReportMarginMm, page.PixelsPerMmVertical());
    const int left = MarginPixels(ReportMarginMm, page.PixelsPerMmHorizontal());
    printout.linesPerPage =
        printout.lineHeight > 0
            ? static_cast<int>(RoundHalfEven((page.heightPx - 2.0 * top) / printout.lineHeight))
            : 0;
    if (printout.linesPerPage < FewestLinesPerPage || width(SampleListLine) > page.widthPx - 2.0 * left) {
        printout.refusal = PageTooSmallMessage;
        return printout;
    }
    PrintoutWriter writer(printout, top);
    writer.Put(left, 0, ReportTitle(ReportForm::Paper), true);
    writer.Put(left, 1.5, SizeLine());
    writer.Put(left, 2.5, CorrectRowLine());
    if (!ReportHasWin()) {
        writer.Put(left, 3.7, QStringLiteral("Ingen vinst."));
        return printout;
    }
    const bool payouts = ReportHasPayouts();
    const double x0 = left + width(QStringLiteral("Re"));
    PutClassLines(writer, x0, width, payouts);
    writer.Put(x0, 8, TotalLine(ReportForm::Paper, payouts));
    int line = 8;
    const bool coupons = SingleRowsBuilt != 1;
    for (const QString& text : WinningListLines(ReportForm::Paper)) {
        if (++line > printout.linesPerPage) {
            writer.NewPage();
            line = 1;
        }
        writer.Put(left, coupons ? line + 0.3 : line, text);
    }
    return printout;
}
