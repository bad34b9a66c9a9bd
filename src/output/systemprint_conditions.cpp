// The condition sections of the system print-out: the ABCD group conditions, the
// start-number conditions with their three groups, the points conditions and the other
// number conditions, as the condition windows hold them.

#include <QStringList>
#include <algorithm>

#include "conditions/pointsedit.h"
#include "model/variabl.h"
#include "output/systemprint_flow.h"

namespace {

const QString kLetters[5] = {QString(), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                             QStringLiteral("D")};

double WidestLetter(const PrintCanvas& canvas)
{
    double v = 0;
    for (int g = 1; g <= 4; ++g)
        v = std::max(v, canvas.TextWidth(kLetters[g]));
    return v;
}

// The number of blocks of width block that fit in span; none when nothing fits.
int BlocksThatFit(double span, double block)
{
    return block > 0 && span > 0 ? static_cast<int>(span / block) : 0;
}

}  // namespace

void SystemPrintFlow::AbcdConditions()
{
    const double W = Width(QStringLiteral("  "));
    const double v = WidestLetter(canvas_);
    const double labelW = Width(QStringLiteral(" Avd 5  "));
    const double colW = v + W;
    const double blockW = 5 * colW;
    const double blockH = Round(8.5 * g_.pitch);
    const int k = GroupCondCount;
    if (k == 0) {
        const QString none = QStringLiteral("Finns ej");
        if (x_ + Width(none) > PageRight()) {
            y_ = bottom_ + g_.pitch;
            x_ = g_.left;
            if (y_ + 2 * g_.pitch > PageBottom()) {
                NewPage();
                x_ = g_.left;
                y_ = g_.top;
                bottom_ = g_.top + 2 * g_.pitch;
            }
        }
        Bold(x_, y_, QStringLiteral("Villkor på ABCD"));
        canvas_.Text(x_, y_ + g_.pitch, none);
        rightEdge_ = x_ + Width(none);
        bottom_ = std::max(bottom_, y_ + 2 * g_.pitch);
        return;
    }
    // A block wider than the page still gets a band of its own.
    const int f = BlocksThatFit(PageRight() - (x_ + S_ + labelW), blockW);
    const int n = std::max(1, BlocksThatFit(PageRight() - g_.left - S_ - labelW, blockW));
    if ((f < k && k <= n) || k % n > f) {
        x_ = g_.left;
        y_ = bottom_ + g_.pitch;
        if (y_ + blockH + 2 * g_.pitch > PageBottom()) {
            NewPage();
            y_ = g_.top;
            bottom_ = g_.top + blockH;
        }
    }
    int printed = 0;
    bool firstBand = true;
    bool bandStart = true;
    double bx = x_;
    for (int c = 1; c <= ConditionCount && printed < k; ++c) {
        if (GroupCondCells[0][0][c] == 0)
            continue;
        if (!bandStart && bx + blockW > PageRight()) {
            x_ = g_.left;
            y_ = bottom_ + g_.pitch;
            if (y_ + blockH > PageBottom()) {
                NewPage();
                y_ = g_.top;
                bottom_ = g_.top + 10.5 * g_.pitch - V_;
            }
            bandStart = true;
        }
        if (bandStart) {
            Bold(x_, y_,
                 firstBand ? QStringLiteral("Villkor på ABCD, %1 st").arg(k)
                           : QStringLiteral("Villkor på ABCD"));
            for (int r = 1; r <= 6; ++r)
                Centred(QStringLiteral("Avd %1").arg(r), x_ + S_, labelW, Below(y_, r + 1.5));
            bx = x_ + S_ + labelW;
        }
        const double gx = bx;
        Centred(QString::number(c), gx, blockW, Below(y_, 1.5));
        for (int r = 1; r <= 6; ++r)
            for (int g = 1; g <= 4; ++g)
                if (GroupCondCells[r][g][c] == 1)
                    Centred(kLetters[g], gx + (g - 1) * colW, colW, Below(y_, r + 1.5));
        for (int hits = 0; hits <= 6; ++hits)
            if (GroupCondForbiddenHits[hits][c] == 0 && GroupCondUnreachableHits[hits][c] == 0)
                Centred(QString::number(hits), gx + 4 * colW, colW, Below(y_, 8.5 - hits));
        const double ruleLeft = bandStart ? x_ + S_ : gx;
        Thick(true);
        RuleAcross(gx, gx + blockW, Below(y_, 1.5));
        RuleAcross(gx, gx + 4 * colW, Below(y_, 8.5));
        RuleAcross(gx + 4 * colW, gx + blockW, Below(y_, 9.5));
        RuleDown(gx, Below(y_, 1.5), Below(y_, 8.5));
        RuleDown(gx + 4 * colW, Below(y_, 1.5), Below(y_, 9.5));
        RuleDown(gx + blockW, Below(y_, 1.5), Below(y_, 9.5));
        Thick(false);
        // The rule over the first race row closes the number row across the hits column too.
        for (int r = 1; r <= 7; ++r)
            RuleAcross(ruleLeft, r == 1 ? gx + blockW : gx + 4 * colW, Below(y_, r + 1.5));
        for (int g = 1; g <= 3; ++g)
            RuleDown(gx + g * colW, Below(y_, 2.5), Below(y_, 8.5));
        if (bandStart)
            RuleDown(x_ + S_, Below(y_, 2.5), Below(y_, 8.5));
        if (!(bottom_ > y_ + 10.5 * g_.pitch - V_))
            bottom_ = y_ + 9.5 * g_.pitch - V_;
        bx = gx + blockW;
        rightEdge_ = bx;
        ++printed;
        bandStart = false;
        firstBand = false;
    }
    x_ = rightEdge_ + Width(QStringLiteral("AAAA"));
}

void SystemPrintFlow::StartNumberConditions()
{
    PlaceBelow(0);
    if (StartNrCondActiveCount == 0) {
        Bold(x_, y_, QStringLiteral("Villkor på startnr finns ej"));
        bottom_ = y_ + Round(1.8 * g_.pitch);
        return;
    }
    const double blockH = Round(9.5 * g_.pitch);
    if (y_ + blockH + 2 * g_.pitch > PageBottom()) {
        NewPage();
        y_ = g_.top;
    }
    const double L = g_.left + S_;
    const double M = L + Width(QStringLiteral("  Avd 5  "));
    const QString caption = QStringLiteral("Villkor på startnr, %1 st aktiv%2")
                                .arg(StartNrCondActiveCount)
                                .arg(StartNrCondActiveCount == 1 ? QString() : QStringLiteral("a"));
    bool captionDue = true;
    bool bandStart = true;
    int printed = 0;
    for (int c = 1; c <= ConditionCount && printed < StartNrCondActiveCount; ++c) {
        if (StartNrCondActive[c] != 1)
            continue;
        // Race slot 7's marks widen the block as well, though only races 1-6 are printed.
        QString texts[RaceSlots + 1];
        double s = 0;
        for (int r = 1; r <= RaceSlots; ++r) {
            texts[r] = QStringLiteral(" ");
            for (int h = 1; h <= StartNumbers; ++h)
                if (StartNrCondMarks[r][h][c] == 1)
                    texts[r] += QString::number(h) + QStringLiteral("  ");
            s = std::max(s, Width(texts[r]));
        }
        s += Width(QStringLiteral("  "));
        const double blockW = Width(QStringLiteral(" 5 ")) + s;
        if (!bandStart && x_ + blockW > PageRight()) {
            y_ = y_ + blockH + g_.pitch;
            x_ = g_.left;
            bandStart = true;
            if (y_ + blockH + g_.pitch > PageBottom()) {
                NewPage();
                y_ = g_.top;
                captionDue = true;
            }
        }
        if (captionDue) {
            Bold(x_, y_, caption);
            y_ += Round(1.5 * g_.pitch);
            captionDue = false;
        }
        if (bandStart) {
            for (int r = 1; r <= 6; ++r) {
                canvas_.Text(L + S_, y_ + r * g_.pitch, QStringLiteral(" Avd %1").arg(r));
                RuleAcross(L, M, y_ + r * g_.pitch);
            }
            RuleDown(L, y_ + g_.pitch, y_ + 7 * g_.pitch);
            Thick(true);
            RuleDown(M, y_, y_ + 7 * g_.pitch);
            Thick(false);
            x_ = M;
            bandStart = false;
        }
        Centred(QString::number(c), x_, blockW, y_);
        for (int r = 1; r <= 6; ++r)
            canvas_.Text(x_ + S_, y_ + r * g_.pitch, texts[r]);
        for (int count = 0; count <= 6; ++count)
            if (StartNrCondForbiddenCounts[count][c] == 0 && StartNrCondUnreachableCounts[count][c] == 0)
                canvas_.Text(x_ + s + S_, y_ + (7 - count) * g_.pitch, QString::number(count));
        for (int r = 1; r <= 7; ++r)
            RuleAcross(x_, r == 1 ? x_ + blockW : x_ + s, y_ + r * g_.pitch);
        RuleDown(x_ + s, y_ + g_.pitch, y_ + 7 * g_.pitch);
        Thick(true);
        RuleAcross(x_, x_ + blockW, y_);
        RuleDown(x_ + blockW, y_, y_ + 8 * g_.pitch);
        RuleAcross(x_ + s, x_ + blockW, y_ + 8 * g_.pitch);
        RuleDown(x_ + s, y_ + 7 * g_.pitch, y_ + 8 * g_.pitch);
        RuleAcross(x_, x_ + s, y_ + 7 * g_.pitch);
        Thick(false);
        x_ += blockW;
        ++printed;
    }
    bottom_ = y_ + Round(9 * g_.pitch) - V_;
    for (int group = 1; group <= 3; ++group)
        if (ConditionGroupActive[group] == 1)
            GroupCondition(group);
}

void SystemPrintFlow::GroupCondition(int group)
{
    x_ = g_.left;
    y_ = bottom_ + g_.pitch;
    if (bottom_ + 5 * g_.pitch > PageBottom()) {
        NewPage();
        y_ = g_.top;
    }
    Bold(x_, y_, QStringLiteral("Gruppvillkor %1").arg(group));
    y_ += g_.pitch;
    const double lineWidth = g_.page.widthPx - g_.left - g_.right;
    QString text = QStringLiteral("Startnrvillkor: ");
    int members = 0;
    for (int c = 1; c <= ConditionCount; ++c) {
        if (ConditionGroupMembers[group][c] != 1)
            continue;
        text += (members > 0 ? QStringLiteral(", ") : QString()) + QString::number(c);
        ++members;
        if (Width(text + QStringLiteral(", 100 ")) > lineWidth) {
            canvas_.Text(x_, y_, text);
            y_ += g_.pitch;
            text.clear();
        }
    }
    canvas_.Text(x_, y_, text);
    y_ += g_.pitch;
    const int low = ConditionGroupLimits[2 * group - 1];
    const int high = std::min<int>(ConditionGroupLimits[2 * group], members);
    canvas_.Text(x_, y_, QStringLiteral("Krav: %1-%2 av %3").arg(low).arg(high).arg(members));
    bottom_ = y_ + g_.pitch;
}

namespace {

QString ProductBound(int mantissa, int exponent)
{
    QString text = QString::number(mantissa);
    if (exponent > 0)
        text += QStringLiteral("*10^") + QString::number(exponent);
    return text;
}

QString PointsConditionTitle(int number, int c)
{
    QString title = QStringLiteral("Villkor nr %1.   ").arg(number);
    if (CondSumActive[c] == 1)
        title += (CondSumMode[c] == 1 ? QStringLiteral("Radsumma: ") : QStringLiteral("Radsumma: ej ")) +
                 QStringLiteral("%1-%2   ").arg(CondSumMin[c]).arg(ShownSumMax(c));
    if (CondProdActive[c] == 1)
        title += (CondProdMode[c] == 1 ? QStringLiteral("Radprodukt: ") : QStringLiteral("Radprodukt: ej ")) +
                 ProductBound(CondProdMinMantissa[c], CondProdMinExp[c]) + QStringLiteral(" - ") +
                 ProductBound(CondProdMaxMantissa[c], CondProdMaxExp[c]);
    return title + QStringLiteral(". ") + PointsCondNames[c].str();
}

}  // namespace

void SystemPrintFlow::PointsConditions()
{
    PlaceBelow(0);
    if (ActivePointsCondCount == 0) {
        Bold(x_, y_, QStringLiteral("Inget villkor på chansvärdering/poäng är aktivt"));
        bottom_ = y_ + Round(1.8 * g_.pitch);
        return;
    }
    Bold(x_, y_, QStringLiteral("Villkor på chansvärdering/poäng, %1 st aktiva").arg(ActivePointsCondCount));
    y_ += Round(1.2 * g_.pitch);
    const double blockH = Round(9.5 * g_.pitch);
    if (y_ + blockH + 2 * g_.pitch > PageBottom()) {
        NewPage();
        y_ = g_.top;
    }
    const double L = g_.left + S_;
    const double M = L + Width(QStringLiteral("  Avd 5  "));
    const double cw = Width(QStringLiteral(" 100"));
    int number = 0;
    for (int c = 1; c <= ConditionCount; ++c) {
        if (CondActive[c] != 1)
            continue;
        ++number;
        if (number > 1) {
            y_ += Round(9 * g_.pitch);
            if (y_ + blockH + 2 * g_.pitch > PageBottom()) {
                NewPage();
                y_ = g_.top;
            }
        }
        Bold(g_.left, y_, PointsConditionTitle(number, c));
        y_ += Round(1.5 * g_.pitch);
        for (int i = 1; i <= StartNumbers; ++i)
            Centred(QString::number(i), M + (i - 1) * cw, cw, y_);
        for (int r = 1; r <= 6; ++r) {
            canvas_.Text(L + S_, y_ + r * g_.pitch, QStringLiteral(" Avd %1").arg(r));
            for (int i = 1; i <= StartNumbers; ++i)
                if (HorseGroups[r][0][i] != 0 && CondPoints[r][i][c] != 0)
                    Centred(QString::number(CondPoints[r][i][c]), M + (i - 1) * cw, cw, y_ + r * g_.pitch);
        }
        RuleAcross(M, M + 15 * cw, y_);
        for (int r = 1; r <= 7; ++r)
            RuleAcross(L, M + 15 * cw, y_ + r * g_.pitch);
        RuleDown(L, y_ + g_.pitch, y_ + 7 * g_.pitch);
        for (int i = 0; i <= StartNumbers; ++i)
            RuleDown(M + i * cw, y_, y_ + 7 * g_.pitch);
    }
    bottom_ = y_ + Round(8 * g_.pitch) - V_;
}

namespace {

// The counts k in first..last whose entry is 1, each after a blank.
template <typename Table>
QString ListedCounts(const Table& table, int first, int last)
{
    QString text;
    for (int k = first; k <= last; ++k)
        if (table[k] == 1)
            text += QLatin1Char(' ') + QString::number(k);
    return text;
}

int StartNumbersWithForbiddenCounts()
{
    int q = 0;
    for (int n = 1; n <= StartNumbers; ++n)
        if (!ListedCounts(NrCountForbidden[n], 0, 6).isEmpty())
            ++q;
    return q;
}

bool AnyOf(const int32* table, int first, int last)
{
    return std::any_of(table + first, table + last + 1, [](int32 v) { return v == 1; });
}

QString NumberSetLine(int i)
{
    QString line;
    for (int n = 1; n <= StartNumbers; ++n)
        if (NrSetCondMarks[n][i] == 1)
            line += QString::number(n) + QStringLiteral("  ");
    if (line.isEmpty())
        return line;
    if (NrSetCondRequire[i] == 1)
        line += QStringLiteral("  Krav ");
    if (NrSetCondRemove[i] == 1)
        line += QStringLiteral("  Ta bort ");
    return line + QStringLiteral("%1-%2").arg(NrSetCondLow[i]).arg(NrSetCondHigh[i]);
}

}  // namespace

void SystemPrintFlow::OtherConditions()
{
    PlaceBelow(0);
    const int q = StartNumbersWithForbiddenCounts();
    // EqualNrRule counts 1-7; a rule on 7 equal numbers alone is a condition as well.
    const bool pairs = std::any_of(PairRules + 1, PairRules + 4, [](int32 v) { return v > 0; });
    const bool content =
        q > 0 || NrSetCondCount > 0 || AnyOf(EqualNrRule, 1, 7) || AnyOf(OddCountForbidden, 0, 6) || pairs;
    if (!content) {
        Bold(x_, y_, QStringLiteral("Övriga villkor på startnr, 0 st"));
        bottom_ = y_ + Round(1.8 * g_.pitch);
        return;
    }
    if (y_ + (q + 3) * g_.pitch > PageBottom()) {
        NewPage();
        y_ = g_.top;
    }
    Bold(x_, y_, QStringLiteral("Övriga villkor på startnr"));
    y_ += Round(1.3 * g_.pitch);
    if (q > 0) {
        Bold(x_, y_, QStringLiteral("Nr  Förbjudna antal"));
        y_ += Round(1.1 * g_.pitch);
        for (int n = 1; n <= StartNumbers; ++n) {
            const QString counts = ListedCounts(NrCountForbidden[n], 0, 6);
            if (counts.isEmpty())
                continue;
            canvas_.Text(x_, y_, (n < 10 ? QStringLiteral(" ") : QString()) + QString::number(n));
            canvas_.Text(x_ + Width(QStringLiteral("Nr  ")), y_, counts);
            y_ += g_.pitch;
        }
        bottom_ = y_ + Round(0.8 * g_.pitch);
    }
    if (NrSetCondCount > 0) {
        y_ += Round(0.2 * g_.pitch);
        if (y_ + (std::min<int>(NrSetCondCount, 5) + 1) * g_.pitch > PageBottom()) {
            NewPage();
            y_ = g_.top;
        }
        Bold(x_, y_, QStringLiteral("Nr"));
        y_ += Round(1.1 * g_.pitch);
        for (int i = 1; i <= NrSetCondCount_; ++i) {
            const QString line = NumberSetLine(i);
            if (line.isEmpty())
                continue;
            if (y_ + g_.pitch > PageBottom()) {
                NewPage();
                y_ = g_.top;
                Bold(x_, y_, QStringLiteral("Nr"));
                y_ += Round(1.1 * g_.pitch);
            }
            canvas_.Text(x_, y_, line);
            y_ += g_.pitch;
        }
        bottom_ = y_ + Round(0.8 * g_.pitch);
    }
    auto line = [this](const QString& text) {
        canvas_.Text(x_, y_, text);
        y_ += g_.pitch;
        bottom_ = y_;
    };
    if (AnyOf(EqualNrRule, 1, 7))
        line(QStringLiteral("Förbjudet antal lika nr:") + ListedCounts(EqualNrRule, 1, 7));
    if (AnyOf(OddCountForbidden, 0, 6))
        line(QStringLiteral("Förbjudet antal udda nr:") + ListedCounts(OddCountForbidden, 0, 6));
    for (int k = 1; k <= 3; ++k) {
        if (PairRules[k] == 1)
            line(QStringLiteral("Raderna har exakt %1 par.").arg(k));
        else if (PairRules[k] == 2)
            line(QStringLiteral("Rader med exakt %1 par har tagits bort.").arg(k));
    }
}
