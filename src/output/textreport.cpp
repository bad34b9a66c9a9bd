#include "output/textreport.h"

#include <QFileInfo>
#include <algorithm>

#include "conditions/pointsedit.h"
#include "model/variabl.h"
#include "output/couponhorses.h"
#include "output/reserves.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

namespace {

const char GroupLetters[] = " ABCD";

QString Num(std::int64_t value)
{
    return QString::number(value);
}

// Start numbers joined by "-", or "-" alone when there are none.
QString DashList(const QStringList& numbers)
{
    return numbers.isEmpty() ? QStringLiteral("-") : numbers.join(QLatin1Char('-'));
}

int32 ItemCount()
{
    if (CouponsBuilt == 1)
        return KeptCouponCount;
    if (SingleRowsBuilt == 1)
        return SingleRowCount;
    return 0;
}

QString Title()
{
    const QString name = SystemName;
    QString title = name.isEmpty() || name == QStringLiteral("NN") ? QStringLiteral("Vimsta V64") : name;
    if (QString(SystemDate) == QStringLiteral("DD"))
        SystemDate = "";
    const QString date = SystemDate;
    if (!date.isEmpty())
        title += QStringLiteral("  ") + date;
    return title;
}

void AddHeading(QStringList& lines)
{
    lines << Title() << QString();
    if (CouponsBuilt == 1) {
        QString size = QStringLiteral("Storlek: %1 rader, %2 kuponger.").arg(RowsKept).arg(KeptCouponCount);
        if (CouponsReduced != 0)
            size += QStringLiteral(" Reducerat %1 %.").arg(ReductionPercent);
        lines << size;
        lines << QStringLiteral("Insats: ") + ResultLabels.Prisrader + QStringLiteral(" kr + avg. ") +
                     ResultLabels.Prisavg + QStringLiteral(" kr = ") + ResultLabels.Pristot +
                     QStringLiteral(" kr.");
    } else {
        lines << QStringLiteral("Storlek: %1 rader").arg(SingleRowCount);
    }
    lines << QStringLiteral("Inom ramen: %1 rader.").arg(UnreducedRowCount);
    if (CouponsBuilt == 1)
        lines << QStringLiteral("Utvalda: %1 rader.").arg(RowsConstructed);
}

void AddRanking(QStringList& lines)
{
    lines << QString() << QString() << QStringLiteral("Ranking");
    for (int race = 1; race <= PoolRaces; ++race) {
        QString line = QStringLiteral("Avd ") + Num(race);
        for (int group = GroupA; group <= GroupD; ++group) {
            QStringList members;
            for (int h = 1; h <= StartNumbers; ++h)
                if (HorseGroups[race][0][h] == group)
                    members << Num(h);
            line += QStringLiteral("   ") + QLatin1Char(GroupLetters[group]) + QLatin1Char(':') +
                    DashList(members);
        }
        lines << line;
    }
}

void AddWinnerCounts(QStringList& lines)
{
    lines << QString() << QStringLiteral("Antal A-D vinnare");
    for (int group = GroupA; group <= GroupD; ++group) {
        // The A counts of the tables include the dummy race's A winner.
        const int offset = group == GroupA ? 1 : 0;
        QStringList counts;
        for (int n = 0; n <= PoolRaces; ++n)
            if (WinnerCountAllowed[n + offset][group] == 1 && WinnerCountLocked[n + offset][group] == 0)
                counts << Num(n);
        lines << QLatin1Char(GroupLetters[group]) + QStringLiteral(": ") + DashList(counts);
    }
}

void AddGroupConditions(QStringList& lines)
{
    lines << QString() << QString();
    if (GroupCondCount == 0) {
        lines << QStringLiteral("Villkor på ABCD finns ej.");
        return;
    }
    lines << QStringLiteral("Villkor på ABCD, %1 st.").arg(GroupCondCount);
    int written = 0;
    for (int c = 1; c <= ConditionCount && written < GroupCondCount; ++c) {
        if (GroupCondCells[0][0][c] == 0)
            continue;
        ++written;
        lines << QString() << QStringLiteral("Villkor ") + Num(written);
        for (int race = 1; race <= PoolRaces; ++race) {
            QString letters;
            for (int group = GroupA; group <= GroupD; ++group)
                if (GroupCondCells[race][group][c] != 0)
                    letters += QLatin1Char(GroupLetters[group]);
            lines << QStringLiteral("Avd %1: ").arg(race) +
                         (letters.isEmpty() ? QStringLiteral("-") : letters);
        }
        QStringList allowed;
        for (int k = 0; k <= PoolRaces; ++k)
            if (GroupCondForbiddenHits[k][c] == 0 && GroupCondUnreachableHits[k][c] == 0)
                allowed << Num(k);
        lines << QStringLiteral("Tillåtna: ") + DashList(allowed);
    }
}

void AddStartNrConditions(QStringList& lines)
{
    lines << QString() << QString();
    if (StartNrCondUsedCount == 0) {
        lines << QStringLiteral("Villkor på startnr finns ej");
        return;
    }
    lines << QStringLiteral("Villkor på startnr, %1 st").arg(StartNrCondUsedCount);
    int written = 0;
    for (int c = 1; c <= ConditionCount; ++c) {
        if (StartNrCondUsed[c] != 1)
            continue;
        ++written;
        lines << QString()
              << QStringLiteral("Villkor %1 på startnr.  ").arg(written) + QString(StartNrCondComments[c]);
        int marked = 0;
        for (int race = 1; race <= RaceSlots; ++race) {
            QString line = QStringLiteral("Avd %1:").arg(race);
            bool any = false;
            for (int h = 1; h <= StartNumbers; ++h) {
                if (StartNrCondMarks[race][h][c] == 0)
                    continue;
                line += QStringLiteral("  ") + Num(h);
                any = true;
            }
            if (any)
                ++marked;
            else
                line += QStringLiteral("  -");
            lines << line;
        }
        QString allowed = QStringLiteral("Tillåtna:");
        for (int k = 0; k <= marked; ++k)
            if (StartNrCondForbiddenCounts[k][c] == 0)
                allowed += QStringLiteral("  ") + Num(k);
        lines << allowed;
    }
}

QString ProductBound(int32 mantissa, int32 exponent)
{
    return Num(mantissa) + (exponent > 0 ? QStringLiteral("*10^") + Num(exponent) : QString());
}

void AddPointsCondition(QStringList& lines, int c, int number)
{
    lines << QString()
          << QStringLiteral("Villkor %1 på vinstchanser/poäng.  ").arg(number) + QString(PointsCondNames[c]);
    for (int race = 1; race <= RaceSlots; ++race) {
        QString line = QStringLiteral("Avd %1:").arg(race);
        bool any = false;
        for (int h = 1; h <= StartNumbers; ++h) {
            const int points = CondPoints[race][h][c];
            if (HorseGroups[race][0][h] == 0 || points <= 0)
                continue;
            line += QStringLiteral("  %1-%2 p").arg(h).arg(points);
            any = true;
        }
        lines << (any ? line : line + QStringLiteral("  -"));
    }
    if (CondSumActive[c] == 1)
        lines << (CondSumMode[c] == 1 ? QStringLiteral("Tillåten radsumma: ")
                                      : QStringLiteral("Förbjuden radsumma: ")) +
                     QStringLiteral("%1 - %2").arg(CondSumMin[c]).arg(ShownSumMax(c));
    if (CondProdActive[c] == 1)
        lines << (CondProdMode[c] == 1 ? QStringLiteral("Tillåten radprodukt: ")
                                       : QStringLiteral("Förbjuden radprodukt: ")) +
                     ProductBound(CondProdMinMantissa[c], CondProdMinExp[c]) + QStringLiteral(" - ") +
                     ProductBound(CondProdMaxMantissa[c], CondProdMaxExp[c]);
}

void AddPointsConditions(QStringList& lines)
{
    lines << QString() << QString();
    if (ActivePointsCondCount == 0) {
        lines << QStringLiteral("Villkor på vinstchanser/poäng finns ej");
        return;
    }
    lines << QStringLiteral("Villkor på vinstchanser/poäng, %1 st").arg(ActivePointsCondCount);
    int written = 0;
    for (int c = 1; c <= ConditionCount; ++c)
        if (CondActive[c] == 1)
            AddPointsCondition(lines, c, ++written);
}

bool AnyCountForbidden()
{
    for (int h = 1; h <= StartNumbers; ++h)
        for (int k = 0; k <= RaceSlots; ++k)
            if (NrCountForbidden[h][k] != 0)
                return true;
    return false;
}

bool NrSetConditionQualifies(int c)
{
    if (NrSetCondRequire[c] == 0 && NrSetCondRemove[c] == 0)
        return false;
    for (int h = 1; h <= StartNumbers; ++h)
        if (NrSetCondMarks[h][c] != 0)
            return true;
    return false;
}

bool AnyNrSetCondition()
{
    for (int c = 1; c <= NrSetCondCount_; ++c)
        if (NrSetConditionQualifies(c))
            return true;
    return false;
}

// " k" for every entry 1..7 (or 0..7) of rule that is 1.
QString RuleCounts(const int32 (&rule)[8], int from)
{
    QString counts;
    for (int k = from; k <= RaceSlots; ++k)
        if (rule[k] == 1)
            counts += QLatin1Char(' ') + Num(k);
    return counts;
}

void AddCountTable(QStringList& lines)
{
    lines << QStringLiteral("Nr  Förbjudna antal");
    for (int h = 1; h <= StartNumbers; ++h) {
        QString counts;
        for (int k = 0; k <= RaceSlots; ++k)
            if (NrCountForbidden[h][k] != 0)
                counts += Num(k) + QStringLiteral("  ");
        if (!counts.isEmpty())
            lines << (h < 10 ? QStringLiteral(" ") : QString()) + Num(h) + QStringLiteral("   ") + counts;
    }
}

void AddNrSetConditions(QStringList& lines)
{
    for (int c = 1; c <= NrSetCondCount_; ++c) {
        if (!NrSetConditionQualifies(c))
            continue;
        QString line = QStringLiteral("Nr  ");
        for (int h = 1; h <= StartNumbers; ++h)
            if (NrSetCondMarks[h][c] != 0)
                line += Num(h) + QStringLiteral("  ");
        line += NrSetCondRequire[c] != 0 ? QStringLiteral("  Krav ") : QStringLiteral("  Tar bort ");
        lines << line + QStringLiteral("%1-%2").arg(NrSetCondLow[c]).arg(NrSetCondHigh[c]);
    }
}

void AddPairRules(QStringList& lines)
{
    for (int pairs = 1; pairs <= 3; ++pairs) {
        if (PairRules[pairs] == 1)
            lines << QStringLiteral("Raderna har exakt %1 par.").arg(pairs);
        else if (PairRules[pairs] == 2)
            lines << QStringLiteral("Rader med exakt %1 par har tagits bort.").arg(pairs);
    }
}

void AddOtherConditions(QStringList& lines)
{
    lines << QString() << QString();
    const bool counts = AnyCountForbidden();
    const bool sets = AnyNrSetCondition();
    const QString equal = RuleCounts(EqualNrRule, 1);
    const QString odd = RuleCounts(OddCountForbidden, 0);
    const bool pairs = PairRules[1] > 0 || PairRules[2] > 0 || PairRules[3] > 0;
    if (!counts && !sets && equal.isEmpty() && odd.isEmpty() && EqualNrRule[0] != 1 && !pairs) {
        lines << QStringLiteral("Övriga villkor på startnr finns ej");
        return;
    }
    lines << QStringLiteral("Övriga villkor på startnr");
    if (counts)
        AddCountTable(lines);
    if (sets) {
        if (counts)
            lines << QString();
        AddNrSetConditions(lines);
    }
    if (!equal.isEmpty())
        lines << QStringLiteral("Förbjudet antal lika nr:") + equal;
    if (!odd.isEmpty())
        lines << QStringLiteral("Förbjudet antal udda nr:") + odd;
    AddPairRules(lines);
}

void AddWinChances(QStringList& lines)
{
    lines << QString() << QString() << QStringLiteral("Vinstchanser utan ev. tilläggsvillkor och reduc.")
          << QStringLiteral("  A B C D    6 rätt");
    for (int row = 1; row <= CompositionCount; ++row) {
        const QString share = AbcdListCells[row][2];
        if (share.isEmpty() || share == QStringLiteral("  Nej ") || share.mid(1, 3) == QStringLiteral("  0"))
            continue;
        lines << AbcdListCells[row][0] + QStringLiteral("  ") + share;
    }
    if (SingleRowsBuilt != 1)
        return;
    lines << QString();
    for (int race = 1; race <= RaceSlots; ++race) {
        QString line = QStringLiteral("Avd %1:").arg(race);
        for (int h = 1; h <= StartNumbers; ++h) {
            const int chance = ReductionChance[HorseIndex(race, h)];
            if (chance > 0)
                line += QStringLiteral("  %1-%2 %").arg(h).arg(chance);
        }
        lines << line;
    }
}

QString ReserveText(int race, THorseMask horses)
{
    // Group coupons show in chosen order only the free numbers found; coupons built with row
    // conditions make up the pair from positions 14 and 15.
    const ReservePair pair = PickReserves(race, horses, GroupSystemBuilt != 1, false);
    if (pair.count == 0)
        return QString();
    QString text = QStringLiteral("    Res. ") + Num(pair.first);
    if (pair.count == 2)
        text += QStringLiteral(", ") + Num(pair.second);
    return text;
}

void AddCoupon(QStringList& lines, int32 position)
{
    const int32 coupon = KeptCoupons[position];
    lines << QString() << QStringLiteral("Kupong ") + Num(position);
    QStringList counts;
    std::int64_t product = 1;
    for (int race = 1; race <= PoolRaces; ++race) {
        const THorseMask horses = CouponHorses(race, coupon);
        QString line = QStringLiteral("Avd %1: ").arg(race);
        for (int h = 1; h <= StartNumbers; ++h)
            if ((horses & HorseBit(h)) != 0)
                line += QLatin1Char(' ') + Num(h);
        lines << line + ReserveText(race, horses);
        const int count = HorseCountOf(horses);
        counts << Num(count);
        product *= count;
    }
    lines << counts.join(QLatin1Char('x')) + QStringLiteral(" = ") + Num(product) +
                 (product > 1 ? QStringLiteral(" rader") : QStringLiteral(" rad"));
}

QString SingleRowLine(int32 row)
{
    QStringList numbers;
    for (int race = 1; race <= RaceSlots; ++race)
        numbers << Num(RowStore[race][row]);
    return Num(row) + QStringLiteral(". ") + numbers.join(QLatin1Char('-'));
}

// Numbers of the range outside 1 ... the count name no coupon or row and are left out.
void AddListing(QStringList& lines)
{
    lines << QString();
    const int32 count = ItemCount();
    for (int32 k = std::max(TextReportFirst, 1); k <= std::min(TextReportLast, count); ++k) {
        if (SingleRowsBuilt == 1)
            lines << SingleRowLine(k);
        else
            AddCoupon(lines, k);
    }
}

}  // namespace

TextReportStart StartTextReport()
{
    const bool rows = SingleRowsBuilt == 1;
    TextReportStart start;
    start.rangeCaption = rows ? QStringLiteral("Radnummer") : QStringLiteral("Kupongnummer");
    start.onlyListingCaption = rows ? QStringLiteral("Endast rader") : QStringLiteral("Endast kuponger");
    if (CouponsBuilt != 1 && !rows) {
        TextReportFirst = 0;
        TextReportLast = 0;
        start.memoLine = TextReportNoSystemLine;
        start.totalText = QStringLiteral("(totalt 0 kuponger)");
    } else {
        TextReportFirst = 1;
        if (CouponsBuilt == 1) {
            start.totalText = QStringLiteral("(totalt %1 kuponger)").arg(KeptCouponCount);
            TextReportLast = std::min(KeptCouponCount, TextReportMaxCoupons);
        } else {
            start.totalText = QStringLiteral("(totalt %1 rader)").arg(SingleRowCount);
            TextReportLast = std::min(SingleRowCount, TextReportMaxRows);
        }
        start.memoLine = TextReportPromptLine;
    }
    start.firstText = Num(TextReportFirst);
    start.lastText = Num(TextReportLast);
    return start;
}

TextReportSystemKey CurrentTextReportSystem()
{
    return TextReportSystemKey{CouponsBuilt, SingleRowsBuilt, GroupSystemBuilt, KeptCouponCount,
                               RowsKept,     RowsConstructed, SingleRowCount};
}

int32 AcceptedTextReportNumber(const QString& text, int32 current)
{
    int32 value = current;
    if (!TryParseInt(text.left(8), value))
        return current;
    return value >= 1 && value <= ItemCount() ? value : current;
}

QString TextReportRangeRefusal()
{
    const std::int64_t span = std::int64_t(TextReportLast) - TextReportFirst + 1;
    if (CouponsBuilt == 1 && span > TextReportMaxCoupons)
        return TextReportTooManyCoupons;
    if (SingleRowsBuilt == 1 && span > TextReportMaxRows)
        return TextReportTooManyRows;
    return QString();
}

QStringList RenderSystemReport(bool onlyListing)
{
    QStringList lines;
    if (CouponsBuilt != 1 && SingleRowsBuilt != 1)
        return lines;
    AddHeading(lines);
    if (!onlyListing) {
        AddRanking(lines);
        AddWinnerCounts(lines);
        AddGroupConditions(lines);
        AddStartNrConditions(lines);
        AddPointsConditions(lines);
        AddOtherConditions(lines);
        AddWinChances(lines);
    }
    AddListing(lines);
    return lines;
}

QStringList TextReportFileLines(const QByteArray& bytes)
{
    return SplitTextLines(DecodeWindows1252(bytes));
}

QString TextReportFileName(const QString& chosen)
{
    const QString cut = chosen.left(200);
    const QFileInfo info(cut);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? cut : cut.left(cut.size() - (name.size() - dot));
    return (base + QStringLiteral(".txt")).left(200);
}
