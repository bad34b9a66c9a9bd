// The sections of the system print-out that follow the conditions: the win chances of the
// ABCD compositions, the system's streck distribution, the single rows, the coupons with
// their reserves and the user's own text.

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

#include "model/variabl.h"
#include "output/couponhorses.h"
#include "output/reserves.h"
#include "output/systemprint_flow.h"
#include "platform/numbers.h"

namespace {

// The compositions of the ABCD list that keep rows: neither "  Nej " nor 0 %.
std::vector<int> CountedCompositions()
{
    std::vector<int> rows;
    for (int row = 1; row <= CompositionCount; ++row) {
        const QString& chance = AbcdListCells[row][2];
        if (AbcdListCells[row][0].isEmpty() || chance == QStringLiteral("  Nej ") ||
            chance.mid(1, 3) == QStringLiteral("  0"))
            continue;
        rows.push_back(row);
    }
    return rows;
}

// Character i (1-based) of text, or nothing beyond its end.
QString CharacterAt(const QString& text, int i)
{
    return text.mid(i - 1, 1);
}

}  // namespace

void SystemPrintFlow::WinChances()
{
    PlaceBelow(0);
    const std::vector<int> entries = CountedCompositions();
    const int total = static_cast<int>(entries.size());
    double s = 0;
    for (const char* letter : {"A", "B", "C", "D"})
        s = std::max(s, Width(QString::fromLatin1(letter)));
    const double W = Width(QStringLiteral("  "));
    const double pc = std::max(Width(QStringLiteral("  100 %  ")), Width(QStringLiteral(" 6 rätt ")));
    const double l = Width(QStringLiteral("       ")) + 4 * s + pc;
    const double span = static_cast<double>(RoundHalfEven(g_.page.widthPx)) - g_.left - g_.right;
    const double step = 2 * s + l;
    int G = static_cast<int>(span / step);
    if (std::fmod(span, step) > l)
        ++G;
    G = std::max(1, G);  // a block wider than the page still prints, past the margin
    auto rowsBelow = [&](double from) {
        return static_cast<int>(std::trunc(
                   (static_cast<double>(RoundHalfEven(g_.page.heightPx)) - g_.bottom - from) / g_.pitch)) -
               4;
    };
    int R0 = rowsBelow(bottom_);
    if (R0 < 5 && total > G * R0) {
        NewPage();
        x_ = g_.left;
        y_ = bottom_ = g_.top;
        R0 = rowsBelow(bottom_);
    }
    R0 = std::max(1, R0);
    QString caption = QStringLiteral("Vinstchanser utan ev. tilläggsvillkor och reduc.");
    if (total == 0) {
        Bold(x_, y_, caption);
        bottom_ = y_ + g_.pitch;
        return;
    }
    int done = 0;
    while (done < total) {
        const int m = std::min(total - done, G * R0);
        Bold(x_, y_, caption);
        int k = (m + G - 1) / G;
        if (k < 5)
            k = m <= 4 ? m : 5;
        k = std::min(k, R0);
        const int blocks = (m + k - 1) / k;
        for (int b = 1; b <= blocks; ++b) {
            const double Lb = x_ + S_ + (b - 1) * step;
            const double Pb = Lb + l;
            const double pcLeft = Pb - pc;
            const double letterX[4] = {Lb + W, Lb + W + s + S_, Lb + 2 * W + 2 * s, Lb + 2 * W + 3 * s + S_};
            const QString letters[4] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                        QStringLiteral("D")};
            for (int i = 0; i < 4; ++i)
                canvas_.Text(letterX[i], Below(y_, 1.5), letters[i]);
            Centred(QStringLiteral("6 rätt"), pcLeft, pc, Below(y_, 1.5));
            const double percentEnd =
                pcLeft + Round((pc - Width(QStringLiteral("100 %"))) / 2) + Width(QStringLiteral("100 %"));
            const int first = (b - 1) * k;
            const int rows = std::min(k, m - first);
            for (int j = 1; j <= rows; ++j) {
                const int row = entries[static_cast<std::size_t>(done + first + j - 1)];
                const QString& composition = AbcdListCells[row][0];
                const double top = Below(y_, 1.5 + j);
                for (int i = 0; i < 4; ++i)
                    Centred(CharacterAt(composition, 2 + 3 * i), letterX[i], s, top);
                const QString percent = AbcdListCells[row][2].mid(1, 5);
                canvas_.Text(percentEnd - Width(percent), top, percent);
            }
            RuleAcross(Lb, Pb, Below(y_, 1.5));
            RuleAcross(Lb, Pb, Below(y_, 2.5));
            RuleAcross(Lb, Pb, Below(y_, rows + 2.5));
            RuleDown(Lb, Below(y_, 1.5), Below(y_, rows + 2.5));
            RuleDown(pcLeft, Below(y_, 1.5), Below(y_, rows + 2.5));
            RuleDown(Pb, Below(y_, 1.5), Below(y_, rows + 2.5));
        }
        bottom_ = y_ + Round((k + 2.5) * g_.pitch) - V_;
        done += m;
        if (done < total) {
            NewPage();
            x_ = g_.left;
            y_ = bottom_ = g_.top;
            R0 = std::max(1, rowsBelow(g_.top));
            caption = QStringLiteral("Vinstchanser");
        }
    }
}

void SystemPrintFlow::StreckPercentages()
{
    PlaceBelow(0);
    if (bottom_ + 11 * g_.pitch > PageBottom()) {
        NewPage();
        y_ = g_.top;
    }
    Bold(g_.left, y_ - Round(0.3 * g_.pitch), QStringLiteral("Systemets streckfördelning [%]"));
    const double first = g_.left + Width(QStringLiteral("   Avd 5:  "));
    const double w100 = Width(QStringLiteral("100"));
    const double cw = 2 * S_ + w100;
    for (int i = 1; i <= StartNumbers; ++i)
        Centred(QString::number(i), first + (i - 1) * cw, cw, y_ + g_.pitch);
    for (int r = 1; r <= 6; ++r) {
        const double top = y_ + (r + 1) * g_.pitch;
        canvas_.Text(g_.left + Width(QStringLiteral("  ")), top, QStringLiteral(" Avd %1").arg(r));
        for (int i = 1; i <= StartNumbers; ++i) {
            const int value = SystemStreckPercent[HorseIndex(r, i)];
            if (value == 0)
                continue;
            const QString text = QString::number(value);
            canvas_.Text(first + (i - 1) * cw + S_ + w100 - Width(text), top, text);
        }
        RuleAcross(g_.left, first + 15 * cw, top);
    }
    const double end = y_ + 8 * g_.pitch;
    RuleAcross(first, first + 15 * cw, y_ + g_.pitch);
    RuleAcross(g_.left, first + 15 * cw, end);
    RuleDown(g_.left, y_ + 2 * g_.pitch, end);
    for (int i = 0; i <= StartNumbers; ++i)
        RuleDown(first + i * cw, y_ + g_.pitch, end);
    bottom_ = y_ + 9 * g_.pitch;
}

namespace {

// The rows or coupons the print-out takes: all, or the window's range within 1..count.
std::pair<int, int> PrintRange(const SystemPrintOptions& o, int count)
{
    if (!o.chosenRange)
        return {1, count};
    return {std::clamp(o.from, 1, std::max(1, count)), std::clamp(o.to, 0, count)};
}

QString SingleRowText(int row)
{
    QStringList numbers;
    for (int r = 1; r <= 6; ++r)
        numbers << QString::number(RowStore[r][row]);
    return QLatin1Char(' ') + numbers.join(QLatin1Char(','));
}

}  // namespace

void SystemPrintFlow::SingleRows()
{
    PlaceBelow(0);
    if (bottom_ + 6 * g_.pitch > PageBottom()) {
        NewPage();
        y_ = g_.top;
    }
    const double span = g_.page.widthPx - g_.left - g_.right;
    const double cw = Width(QStringLiteral("99999. 9,10,11,12,13,14,15   "));
    const int cols = std::max(1, static_cast<int>(span / cw));
    const double pitch = Round(span / cols);
    SetBold(true);
    const double nw = Width(QStringLiteral("99999."));
    SetBold(false);
    Bold(g_.left, y_ - Round(0.1 * g_.pitch), QStringLiteral("Enkelrader"));
    const auto [from, to] = PrintRange(o_, SingleRowCount);
    double top = y_;
    for (int row = from, i = 0; row <= to; ++row, ++i) {
        const int col = i % cols;
        if (col == 0) {
            top += g_.pitch;
            if (top > PageBottom() - 2 * g_.pitch) {
                NewPage();
                top = g_.top + g_.pitch;
            }
        }
        const double numberEnd = g_.left + col * pitch + nw;
        SetBold(true);
        const QString number = QString::number(row) + QLatin1Char('.');
        canvas_.Text(numberEnd - Width(number), top, number);
        SetBold(false);
        canvas_.Text(numberEnd, top, SingleRowText(row));
    }
    bottom_ = top + g_.pitch;
}

namespace {

QString HorseList(THorseMask horses, const QString& separator)
{
    QString text;
    for (int h = 1; h <= StartNumbers; ++h)
        if (horses & HorseBit(h))
            text += separator + QString::number(h);
    return text;
}

QString ReserveText(const ReservePair& pair)
{
    switch (ReserveMode) {
        case ReserveModeChosenOrder: {
            QStringList found;
            for (int n : {pair.first, pair.second})
                if (n != 0)
                    found << QString::number(n);
            return found.join(QLatin1Char(' '));
        }
        case ReserveModeFixed:
            return QStringLiteral("%1 %2").arg(pair.first).arg(pair.second);
        case ReserveModeNextLower:
            return QStringLiteral("%1, %2").arg(pair.first).arg(pair.second);
        default:
            return QString();
    }
}

}  // namespace

void SystemPrintFlow::Coupons()
{
    x_ = g_.left;
    y_ = bottom_ + Round(1.7 * g_.pitch);
    const double R = Width(QStringLiteral("Avd 1: "));
    double horseCol = Width(QStringLiteral("x5x5x2x2=444 r"));
    for (int r = 1; r <= 6; ++r) {
        THorseMask marked = 0;
        for (int h = 1; h <= StartNumbers; ++h)
            if (HorseGroups[r][0][h] != 0)
                marked |= HorseBit(h);
        horseCol = std::max(horseCol, Width(HorseList(marked, QString())));
    }
    const double reserveCol = ReserveMode == ReserveModeNone ? 0 : Width(QStringLiteral(" 12 13 "));
    const double l = R + horseCol + reserveCol;
    const double d = Round(9.6 * g_.pitch);
    const double P = static_cast<double>(RoundHalfEven(g_.page.widthPx)) - g_.left - g_.right;
    const double gap0 = Width(QStringLiteral("ÅÅ"));
    int n = static_cast<int>(std::max(0.0, P) / (l + gap0));
    if (std::fmod(std::max(0.0, P), l + gap0) > l)
        ++n;
    n = std::max(1, n);  // a block wider than the page runs past the right margin
    const double gap = n > 1 ? Round((P - n * l) / (n - 1)) : gap0;
    const auto [from, to] = PrintRange(o_, KeptCouponCount);
    if (y_ + d > PageBottom() || (to - from + 1 > n && y_ + 2 * d + 2 * g_.pitch > PageBottom())) {
        NewPage();
        y_ = g_.top;
        x_ = g_.left;
    }
    for (int p = from; p <= to; ++p) {
        CouponBlock(p, gap0);
        if ((p - from + 1) % n != 0 || p == to) {
            x_ += l + gap;
        } else {
            x_ = g_.left;
            y_ = y_ + Round(1.7 * g_.pitch) + d;
            if (y_ + d > PageBottom()) {
                NewPage();
                y_ = g_.top;
            }
        }
    }
    bottom_ = y_ + d;
}

void SystemPrintFlow::CouponBlock(int position, double gap)
{
    const int coupon = KeptCoupons[position];
    const QString title = QStringLiteral("Kupong %1").arg(position);
    Bold(x_, y_, title);
    SetBold(true);
    const double titleRight = x_ + Width(title);
    SetBold(false);
    const double R = Width(QStringLiteral("Avd 1: "));
    THorseMask horses[7] = {};
    double w = 0;
    QStringList counts;
    std::int64_t product = 1;
    for (int r = 1; r <= 6; ++r) {
        horses[r] = CouponHorses(r, coupon);
        const double top = y_ + Round((r + 0.4) * g_.pitch);
        const QString list = HorseList(horses[r], QStringLiteral(" "));
        canvas_.Text(x_, top, QStringLiteral("Avd %1:").arg(r));
        canvas_.Text(x_ + R, top, list);
        w = std::max(w, Width(list));
        const int count = HorseCountOf(horses[r]);
        counts << QString::number(count);
        product *= count;
    }
    if (ReserveMode > ReserveModeNone) {
        PrintFont small = font_;
        small.pointSize = font_.pointSize * Round(0.9 * g_.textHeight) / std::max(1.0, g_.textHeight);
        canvas_.SetFont(small);
        const double r1 = Width(QStringLiteral("R"));
        const double besideList = x_ + gap + R + w;
        const double headingIn = w < 4 * r1 ? 0 : r1;
        // The heading reaches up beside the title: on a narrow coupon the column moves right,
        // clear of it.
        const double RN = std::max(besideList, titleRight + gap + headingIn);
        canvas_.Text(RN - headingIn, y_ + Round(0.5 * g_.pitch), QStringLiteral("Reserv"));
        for (int r = 1; r <= 6; ++r)
            canvas_.Text(RN, y_ + Round((r + 0.5) * g_.pitch),
                         ReserveText(PickReserves(r, horses[r], false, false)));
        canvas_.SetFont(font_);
    }
    canvas_.Text(x_, y_ + Round(8.6 * g_.pitch),
                 counts.join(QLatin1Char('x')) + QStringLiteral(" = %1 r").arg(product));
}

void SystemPrintFlow::OwnText()
{
    if (OwnTextLines.isEmpty())
        return;
    PlaceBelow(0);
    canvas_.SetFont(OwnTextFont);
    const int h2 = std::max(1, Round(OwnTextFont.pointSize * g_.page.PixelsPerMmVertical() / 2.54));
    auto linesFrom = [&](double top) { return std::max(1, Round((PageBottom() - top) / h2)); };
    int k = linesFrom(y_);
    const int total = static_cast<int>(OwnTextLines.size());
    if (total > k) {
        NewPage();
        y_ = bottom_ = g_.top;
        k = linesFrom(y_);
    }
    for (int i = 0; i < total; ++i) {
        if (i > 0 && i % k == 0) {
            NewPage();
            y_ = bottom_ = g_.top;
            k = linesFrom(y_);
        }
        canvas_.Text(g_.left, y_ + (i % k) * h2, OwnTextLines[i]);
    }
    bottom_ = y_ + std::min(total, k) * h2;
    canvas_.SetFont(font_);
}
