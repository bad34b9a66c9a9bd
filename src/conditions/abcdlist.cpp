#include "conditions/abcdlist.h"

#include "conditions/stale.h"
#include "model/notify.h"
#include "model/patterns.h"
#include "model/variabl.h"
#include "platform/numbers.h"

namespace {

constexpr int ColText = 0;
constexpr int ColRows = 1;
constexpr int ColPercent = 2;

const QString NejText = QStringLiteral("  Nej ");

// Sets the flag and the count; the caller brings plane 11 in line afterwards.
void SetCompositionNej(int composition, bool nej)
{
    if ((CompositionNej[composition] != 0) == nej)
        return;
    CompositionNej[composition] = nej ? 1 : 0;
    NejCount = static_cast<byte>(nej ? NejCount + 1 : NejCount - 1);
}

// The four counts of a list text (" 5  1  0  0") add up to the six real races.
bool ListTextIsSound(const QString& text)
{
    int sum = 0;
    for (int pos : {1, 4, 7, 10}) {
        if (pos >= text.size() || !text[pos].isDigit())
            return false;
        sum += text[pos].digitValue();
    }
    return sum == 6;
}

bool IsListedRow(int row)
{
    return row >= 1 && row <= CompositionCount && !AbcdListCells[row][ColText].isEmpty() &&
           CompositionOfListRow[row] >= 1 && CompositionOfListRow[row] <= CompositionCount;
}

}  // namespace

void InitAbcdList()
{
    AbcdListCells[0][ColText] = QStringLiteral(" A  B  C  D");
    AbcdListCells[0][ColRows] = QStringLiteral("  Rader");
    AbcdListCells[0][ColPercent] = QStringLiteral(" Kvar");
    for (int c = 1; c <= CompositionCount; ++c) {
        CompositionPercentTexts[c] = QStringLiteral(" 100 %");
        CompositionTexts[c] = CompositionText(c);
        for (QString& cell : AbcdListCells[c])
            cell.clear();
    }
}

QString CompositionPercentText(int percent)
{
    if (percent >= 100)
        return QStringLiteral(" 100 %");
    return QString::number(percent).rightJustified(4) + QStringLiteral(" %");
}

QString CompositionRowsText(int32 rows)
{
    return QString::number(rows).rightJustified(9);
}

void RefreshAbcdListRows()
{
    long long removed[CompositionCount + 1] = {};
    const auto& planes = AbcdPatternPlanes;
    for (int p = 1; p <= PatternCount; ++p) {
        if (planes[PlaneHasRows][p] == 1 &&
            (planes[PlaneWinnerCounts][p] == 0 || planes[PlaneCompositionList][p] == 0 ||
             planes[PlaneGroupConditions][p] == 0))
            removed[planes[PlaneComposition][p]] += PatternRowCounts[p];
    }

    long long rowsAfter = UnreducedRowCount;
    int row = 1;
    for (int c = 1; c <= CompositionCount; ++c) {
        const int32 total = CompositionRowsAll[c];
        CompositionRowsKept[c] = total;
        if (total <= 0)
            continue;
        const long long kept = total - removed[c];
        rowsAfter -= removed[c];
        CompositionRowsKept[c] = static_cast<int32>(kept);
        CompositionPercentTexts[c] = CompositionPercentText(static_cast<int>(PercentHalfEven(kept, total)));
        CompositionOfListRow[row] = static_cast<byte>(c);
        AbcdListCells[row][ColText] = CompositionTexts[c];
        AbcdListCells[row][ColRows] = CompositionRowsText(total);
        AbcdListCells[row][ColPercent] = CompositionNej[c] == 1 ? NejText : CompositionPercentTexts[c].str();
        ++row;
    }
    for (; row <= CompositionCount; ++row)
        for (QString& cell : AbcdListCells[row])
            cell.clear();
    RowsAfterGroupConditions = static_cast<int32>(rowsAfter);
}

void ApplyCompositionNejToPatterns()
{
    for (int p = 1; p <= PatternCount; ++p)
        AbcdPatternPlanes[PlaneCompositionList][p] =
            CompositionNej[AbcdPatternPlanes[PlaneComposition][p]] == 1 ? 0 : 1;
}

AbcdListClick ToggleAbcdListEntry()
{
    const EventBatch batch;
    const int col = CompositionListCol;
    const int row = CompositionListRow;
    if (col < 0 || col > 2 || !IsListedRow(row) || AbcdListCells[row][col].isEmpty())
        return AbcdListClick::Ignored;

    MarkRowsStale(StaleMain);
    const int c = CompositionOfListRow[row];
    const bool sound = ListTextIsSound(AbcdListCells[row][ColText]);
    SetCompositionNej(c, CompositionNej[c] == 0);
    ApplyCompositionNejToPatterns();
    RefreshAbcdListRows();
    Events::ConditionsChanged.Emit();
    return sound ? AbcdListClick::Toggled : AbcdListClick::ToggledWithAlarm;
}

void SetAllAbcdListNej()
{
    const EventBatch batch;
    MarkRowsStale(StaleMain);
    for (int row = 1; row <= CompositionCount; ++row)
        if (IsListedRow(row))
            SetCompositionNej(CompositionOfListRow[row], true);
    ApplyCompositionNejToPatterns();
    RefreshAbcdListRows();
    ResultLabels.Radantal = QString::number(RowsKept);
    Events::ResultsStale.Emit();
    Events::ConditionsChanged.Emit();
}

QString NejPanelText()
{
    return QString::number(NejCount) + QStringLiteral(" Nej");
}
