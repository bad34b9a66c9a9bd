#include "output/systemprint.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "model/variabl.h"
#include "output/systemprint_flow.h"
#include "platform/numbers.h"

namespace {

// Fewer lines than this on a page leave no room for the ranking table.
constexpr int kMinimumLines = 18;

double ExtraSpacing(LineSpacing spacing, double h)
{
    switch (spacing) {
        case LineSpacing::ExtraLarge:
            return h / 1.4;
        case LineSpacing::Large:
            return h / 2.5;
        case LineSpacing::Normal:
            return h / 6;
        case LineSpacing::Small:
            break;
    }
    return 0;
}

bool StyleIsBoldOnly(const PrintFont& f)
{
    return f.bold && !f.italic && !f.underline && !f.strikeOut;
}

// The system's name, or the default title for a system without one.
QString NameOrDefaultTitle()
{
    if (SystemName.str().isEmpty() || SystemName == QStringLiteral("NN"))
        return SystemPrintDefaultTitle;
    return SystemName.str();
}

QString FixedWidestLine()
{
    return QStringLiteral("   Avd 1:   1 2 3 4 5 6 7 8 9 10 11 12 13 14 15   ");
}

}  // namespace

SystemPrintGeometry SystemPrintPage(const PageMetrics& page, const SystemPrintSettings& settings)
{
    SystemPrintGeometry g;
    g.page = page;
    g.textHeight = settings.font.pointSize * page.PixelsPerMmVertical() / 2.54;
    g.extra = ExtraSpacing(settings.spacing, g.textHeight);
    g.pitch = static_cast<int>(RoundHalfEven(g.textHeight + g.extra));
    g.top = MarginPixels(settings.topMm, page.PixelsPerMmVertical());
    g.bottom = MarginPixels(settings.bottomMm, page.PixelsPerMmVertical());
    g.left = MarginPixels(settings.leftMm, page.PixelsPerMmHorizontal());
    g.right = MarginPixels(settings.rightMm, page.PixelsPerMmHorizontal());
    const double line = g.textHeight + g.extra;
    g.linesPerPage =
        line > 0 ? static_cast<int>(std::clamp((page.heightPx - g.top - g.bottom) / line, 0.0, 1e6)) : 0;
    g.pen = static_cast<int>(RoundHalfEven(g.textHeight / 50)) + 1;
    if (StyleIsBoldOnly(settings.font))
        g.pen *= 2;
    return g;
}

QString SystemPrintRefusal(PrintCanvas& canvas, const SystemPrintOptions& options)
{
    if (options.settings.rows && options.chosenRange && options.to < options.from)
        return CouponRangeWrongMessage;
    canvas.SetFont(options.settings.font);
    const SystemPrintGeometry g = SystemPrintPage(canvas.Page(), options.settings);
    double need = canvas.TextWidth(FixedWidestLine());
    if (options.points && GroupSystemBuilt == 0)
        need = std::max(need, canvas.TextWidth(QStringLiteral("  Avd 5   ")) +
                                  15 * canvas.TextWidth(QStringLiteral(" 100")));
    if (need > g.page.widthPx - g.left - g.right || g.linesPerPage < kMinimumLines)
        return PrintAreaTooSmallMessage;
    return QString();
}

SystemPrintResult PrintSystem(PrintCanvas& canvas, const SystemPrintOptions& options)
{
    SystemPrintResult result;
    const QString refusal = SystemPrintRefusal(canvas, options);
    if (!refusal.isEmpty()) {
        result.messages << refusal;
        return result;
    }
    const SystemPrintGeometry geometry = SystemPrintPage(canvas.Page(), options.settings);
    const QString title = NameOrDefaultTitle();
    for (int copy = 1; copy <= options.copies; ++copy) {
        canvas.SetFont(options.settings.font);
        canvas.SetPenWidth(geometry.pen);
        if (!canvas.BeginDocument(title)) {
            result.messages << SystemPrinterStartFailedMessage;
            break;
        }
        ++result.documents;
        SystemPrintFlow flow(canvas, options, geometry);
        const QString stopped = flow.PrintCopy();
        if (!stopped.isEmpty() && !result.messages.contains(stopped))
            result.messages << stopped;
        if (!canvas.EndDocument()) {
            result.messages << PrintFailedMessage;
            break;
        }
    }
    canvas.SetFont(options.settings.font);
    return result;
}

// ---- The flow of one copy ----

SystemPrintFlow::SystemPrintFlow(PrintCanvas& canvas, const SystemPrintOptions& options,
                                 const SystemPrintGeometry& geometry)
    : canvas_(canvas), o_(options), g_(geometry), font_(options.settings.font)
{
    canvas_.SetFont(font_);
    S_ = Width(QStringLiteral(" "));
    V_ = g_.pitch - Round(1.05 * g_.textHeight);
}

int SystemPrintFlow::Round(double v) const
{
    return static_cast<int>(RoundHalfEven(v));
}

double SystemPrintFlow::Below(double from, double k) const
{
    const double whole = std::floor(k);
    return whole == k ? from + k * g_.pitch : from + Round(k * g_.pitch);
}

void SystemPrintFlow::NewPage()
{
    canvas_.NewPage();
}

void SystemPrintFlow::SetBold(bool bold)
{
    PrintFont f = font_;
    if (bold)
        f.bold = true;
    canvas_.SetFont(f);
}

void SystemPrintFlow::Thick(bool thick)
{
    canvas_.SetPenWidth(thick ? canvas_.PenWidth() * 2 : std::max(1, canvas_.PenWidth() / 2));
}

void SystemPrintFlow::RuleAcross(double x1, double x2, double lineTop)
{
    canvas_.Line(x1, lineTop - V_, x2, lineTop - V_);
}

void SystemPrintFlow::RuleDown(double atX, double fromTop, double toTop)
{
    canvas_.Line(atX, fromTop - V_, atX, toTop - V_);
}

void SystemPrintFlow::Centred(const QString& text, double left, double width, double top)
{
    canvas_.Text(left + Round((width - Width(text)) / 2), top, text);
}

void SystemPrintFlow::Bold(double atX, double top, const QString& text)
{
    SetBold(true);
    canvas_.Text(atX, top, text);
    SetBold(false);
}

void SystemPrintFlow::PlaceBelow(double height)
{
    x_ = g_.left;
    y_ = bottom_ + g_.pitch;
    if (y_ + height > PageBottom()) {
        NewPage();
        y_ = g_.top;
        bottom_ = g_.top;
    }
}

bool SystemPrintFlow::SectionWanted(bool box, bool reductionBox) const
{
    return box && (SingleRowsBuilt != 1 || reductionBox);
}

QString SystemPrintFlow::PrintCopy()
{
    const bool conditionKinds = GroupSystemBuilt == 0 || SingleRowsBuilt == 1;
    const ReductionRestrictions& r = o_.reduction;
    if (!Header())
        return stop_;
    if (o_.settings.ranking && !Ranking())
        return stop_;
    if (SectionWanted(o_.settings.winners, r.winnerCounts))
        Winners();
    if (SectionWanted(o_.settings.conditions, r.groupConditions))
        AbcdConditions();
    if (conditionKinds && SectionWanted(o_.startNumbers, r.startNumbers))
        StartNumberConditions();
    if (conditionKinds && SectionWanted(o_.points, r.points))
        PointsConditions();
    if (conditionKinds && SectionWanted(o_.otherNumbers, r.otherNumbers))
        OtherConditions();
    if (SectionWanted(o_.settings.chances, r.abcdList))
        WinChances();
    if (o_.percentages && SingleRowsBuilt == 1)
        StreckPercentages();
    if (o_.settings.rows && SingleRowsBuilt == 1)
        SingleRows();
    if (o_.settings.rows && CouponsBuilt == 1)
        Coupons();
    if (o_.settings.ownText)
        OwnText();
    return stop_;
}

// ---- Header ----

bool SystemPrintFlow::Header()
{
    QString title = NameOrDefaultTitle();
    if (SystemDate == QStringLiteral("DD"))
        SystemDate = QString();
    if (!SystemDate.str().isEmpty())
        title += QStringLiteral("  ") + SystemDate.str();
    PrintFont big = font_;
    big.bold = true;
    big.pointSize = font_.pointSize * Round(1.3 * g_.textHeight) / std::max(1.0, g_.textHeight);
    canvas_.SetFont(big);
    canvas_.Text(g_.left, g_.top, title);
    double widest = Width(title);
    canvas_.SetFont(font_);

    const bool coupons = CouponsBuilt == 1;
    if (coupons) {
        QString size = QStringLiteral("Storlek: %1 rader, %2 kuponger.").arg(RowsKept).arg(KeptCouponCount);
        if (CouponsReduced == 1)
            size += QStringLiteral(" Reducerat %1 %.").arg(ReductionPercent);
        canvas_.Text(g_.left, Below(g_.top, 1.5), size);
        widest = Width(size);
    }
    if (SingleRowsBuilt == 1) {
        const QString size = QStringLiteral("Storlek: %1 rader").arg(SingleRowCount);
        canvas_.Text(g_.left, Below(g_.top, 2.1), size);
        widest = Width(size);
    }
    if (coupons) {
        const QString stake = QStringLiteral("Insats: ") + ResultLabels.Prisrader +
                              QStringLiteral(" kr + avg. ") + ResultLabels.Prisavg +
                              QStringLiteral(" kr = ") + ResultLabels.Pristot + QStringLiteral(" kr.");
        canvas_.Text(g_.left, Below(g_.top, 2.5), stake);
        widest = std::max(widest, Width(stake));
    }
    canvas_.Text(g_.left, Below(g_.top, 3.7), QStringLiteral("Inom ramen: %1 rader.").arg(UnreducedRowCount));
    if (coupons) {
        const QString chosen = QStringLiteral("Utvalda: %1 rader.").arg(RowsConstructed);
        canvas_.Text(g_.left, Below(g_.top, 4.7), chosen);
        widest = std::max(widest, Width(chosen));
    }
    if (g_.left + widest > PageRight()) {
        canvas_.Text(g_.left, g_.top + 8 * g_.pitch, PaperTooNarrowText);
        return false;
    }
    x_ = rightEdge_ = g_.left;
    bottom_ = Round(5.5 * g_.pitch + g_.top);
    y_ = bottom_ + g_.pitch;
    return true;
}

// ---- Ranking ----

namespace {

struct RankingCell {
    QString first;
    QString second;
};

QString GroupCellText(int race, int group)
{
    QString text;
    for (int h = 1; h <= StartNumbers; ++h)
        if (HorseGroups[race][0][h] == group)
            text += QLatin1Char(' ') + QString::number(h);
    return text;
}

}  // namespace

bool SystemPrintFlow::Ranking()
{
    const double captionY = y_;
    Bold(g_.left, captionY, QStringLiteral("Ranking"));
    RankingCell cells[7][5];
    double colWidth[5] = {};
    for (int g = 1; g <= 4; ++g) {
        colWidth[g] = Width(QStringLiteral(" A"));
        for (int r = 1; r <= 6; ++r) {
            cells[r][g].first = GroupCellText(r, g);
            colWidth[g] = std::max(colWidth[g], Width(cells[r][g].first));
        }
    }
    const double available =
        std::trunc(g_.page.widthPx) - (g_.left + g_.right + Width(QStringLiteral("   Avd 5:    ")));
    const double q = std::trunc(available * 0.25);
    const double W = Width(QStringLiteral("   "));
    auto tooWide = [&](double extra) {
        return available - 3 * W < colWidth[1] + colWidth[2] + colWidth[3] + colWidth[4] + extra;
    };
    bool fits = false;
    for (int g = 1; g <= 4; ++g) {
        const double extra = g == 4 ? W : 0;
        fits = !tooWide(extra);
        if (fits)
            break;
        if (!(q < colWidth[g] + W))
            continue;
        double widestFirst = 0;
        for (int r = 1; r <= 6; ++r) {
            RankingCell& cell = cells[r][g];
            if (Width(cell.first) + W > q) {
                QString first;
                QString rest;
                for (int h = 1; h <= StartNumbers; ++h) {
                    if (HorseGroups[r][0][h] != g)
                        continue;
                    const QString number = QLatin1Char(' ') + QString::number(h);
                    if (rest.isEmpty() && Width(first + QStringLiteral("  15")) < q)
                        first += number;
                    else
                        rest += number;
                }
                cell.first = first;
                cell.second = Width(rest) > Width(first) ? QStringLiteral("För lite plats") : rest;
            }
            widestFirst = std::max(widestFirst, Width(cell.first));
        }
        colWidth[g] = widestFirst;
    }
    // Only a table that is still too wide after every group was tried loses its cells.
    if (!fits && tooWide(W))
        for (int r = 1; r <= 6; ++r) {
            cells[r][1].first = QStringLiteral("För");
            cells[r][2].first = QStringLiteral("lite");
            cells[r][3].first = QStringLiteral("plats");
        }

    double col[5] = {};
    col[1] = g_.left + Width(QStringLiteral("   Avd 5:  "));
    for (int g = 2; g <= 4; ++g)
        col[g] = col[g - 1] + colWidth[g - 1] + W;
    const double R = col[4] + colWidth[4] + S_;
    const QString letters[5] = {QString(), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                QStringLiteral("D")};

    int line = 8;
    const double headTop = g_.top + line * g_.pitch;
    for (int g = 1; g <= 4; ++g)
        Centred(letters[g], col[g], colWidth[g], headTop);
    RuleAcross(col[1] - S_, R + S_, headTop);
    ++line;
    const double firstRaceTop = g_.top + line * g_.pitch;
    for (int r = 1; r <= 6; ++r) {
        const double top = g_.top + line * g_.pitch;
        canvas_.Text(g_.left + Width(QStringLiteral("  ")), top, QStringLiteral(" Avd %1").arg(r));
        bool split = false;
        for (int g = 1; g <= 4; ++g) {
            canvas_.Text(col[g], top, cells[r][g].first);
            split = split || !cells[r][g].second.isEmpty();
        }
        RuleAcross(g_.left + S_, R + S_, top);
        ++line;
        if (split) {
            for (int g = 1; g <= 4; ++g)
                canvas_.Text(col[g], g_.top + line * g_.pitch, cells[r][g].second);
            ++line;
        }
        if (line >= g_.linesPerPage) {
            stop_ = PrintAreaTooSmallMessage;
            return false;
        }
    }
    const double endTop = g_.top + line * g_.pitch;
    RuleDown(g_.left + S_, firstRaceTop, endTop);
    for (int g = 1; g <= 4; ++g)
        RuleDown(col[g] - S_, headTop, endTop);
    RuleDown(R + S_, headTop, endTop);
    RuleAcross(g_.left + S_, R + S_, endTop);

    rightEdge_ = R + S_;
    x_ = rightEdge_ + Width(QStringLiteral("AAAA"));
    y_ = g_.top + Round(6.5 * g_.pitch);
    bottom_ = endTop;
    rankingPrinted_ = true;
    return true;
}

// ---- Winner counts ----

void SystemPrintFlow::Winners()
{
    double v = 0;
    for (const char* letter : {"A", "B", "C", "D"})
        v = std::max(v, Width(QString::fromLatin1(letter)));
    const double W = Width(QStringLiteral("   "));
    const double tableWidth = 2 * S_ + 4 * v + 4 * W;
    if (Width(QStringLiteral("AAAA")) + rightEdge_ + tableWidth < PageRight()) {
        y_ = g_.top + Round(6.5 * g_.pitch);
        x_ = rankingPrinted_ ? rightEdge_ + Width(QStringLiteral("AAAA")) : g_.left;
    } else if (bottom_ + 13 * g_.pitch < PageBottom()) {
        y_ = bottom_ + g_.pitch;
        x_ = g_.left;
    } else {
        NewPage();
        y_ = g_.top;
        x_ = g_.left;
    }
    Bold(x_, y_, QStringLiteral("Vinnare"));
    const double colW = v + W;
    const QString letters[4] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                QStringLiteral("D")};
    for (int g = 0; g < 4; ++g)
        Centred(letters[g], x_ + S_ + g * colW, colW, Below(y_, 1.5));
    for (int i = 0; i <= 6; ++i) {
        const int n = 6 - i;
        const double top = Below(y_, 2.5 + i);
        for (int g = 1; g <= 4; ++g) {
            const int entry = g == 1 ? n + 1 : n;
            if (WinnerCountAllowed[entry][g] == 1 && WinnerCountLocked[entry][g] == 0)
                Centred(QString::number(n), x_ + S_ + (g - 1) * colW, colW, top);
        }
    }
    const double left = x_ + S_;
    const double right = left + 4 * colW;
    for (int i = 1; i <= 7; ++i)
        RuleAcross(left, right, Below(y_, i + 1.5));
    for (int g = 0; g <= 4; ++g)
        RuleDown(left + g * colW, Below(y_, 1.5), Below(y_, 9.5));
    RuleAcross(left, right, Below(y_, 1.5));
    RuleAcross(left, right, Below(y_, 9.5));
    rightEdge_ = right;
    x_ = rightEdge_ + Width(QStringLiteral("AAAA"));
    bottom_ = std::max(bottom_, y_ + Round(10.5 * g_.pitch));
}
