// The text report of 500 single rows with every section written (groups, winner counts, 100
// group conditions, 100 start-number and 100 points conditions, the other rules, the win
// chances), against a plain listing that only joins the rows' numbers; and the same report shown
// in the text report window's memo.

#include <benchmark/benchmark.h>
#include <QPlainTextEdit>

#include "model/variabl.h"
#include "output/textreport.h"
#include "output/ui/txtfil.h"
#include "support/marks.h"
#include "support/windowbench.h"

namespace {

void FiveHundredRowsWithEveryCondition()
{
    ResetGlobals();
    MarkRangeInEveryRace(1, 15, GroupA);
    for (int k = 1; k <= 500; ++k)
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][k] = race == RaceSlots ? 1 : 1 + (k + race) % StartNumbers;
    SingleRowsBuilt = 1;
    SingleRowCount = 500;
    GroupCondCount = ConditionCount;
    StartNrCondUsedCount = ConditionCount;
    ActivePointsCondCount = ConditionCount;
    for (int c = 1; c <= ConditionCount; ++c) {
        GroupCondCells[0][0][c] = 1;
        GroupCondCells[1][GroupA][c] = 1;
        StartNrCondUsed[c] = 1;
        StartNrCondComments[c] = "kommentar";
        CondActive[c] = 1;
        CondSumActive[c] = CondProdActive[c] = 1;
        for (int race = 1; race <= RaceSlots; ++race)
            for (int h = 1; h <= StartNumbers; ++h) {
                StartNrCondMarks[race][h][c] = 1;
                CondPoints[race][h][c] = static_cast<byte>(h);
            }
    }
    for (int h = 1; h <= StartNumbers; ++h)
        ReductionChance[HorseIndex(1, h)] = 6;
    TextReportFirst = 1;
    TextReportLast = 500;
}

// Only what the listing needs: each row's numbers joined, one line a row.
QStringList PlainListing()
{
    QStringList lines;
    for (int k = 1; k <= SingleRowCount; ++k) {
        QString line = QString::number(k) + QStringLiteral(". ");
        for (int race = 1; race <= RaceSlots; ++race)
            line += (race > 1 ? QStringLiteral("-") : QString()) + QString::number(RowStore[race][k]);
        lines << line;
    }
    return lines;
}

void BM_RenderReport500Rows(benchmark::State& state)
{
    FiveHundredRowsWithEveryCondition();
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderSystemReport(false));
    state.counters["lines"] = static_cast<double>(RenderSystemReport(false).size());
}
BENCHMARK(BM_RenderReport500Rows)->Unit(benchmark::kMillisecond);

void BM_PlainListing500Rows(benchmark::State& state)
{
    FiveHundredRowsWithEveryCondition();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainListing());
}
BENCHMARK(BM_PlainListing500Rows)->Unit(benchmark::kMillisecond);

// "Visa" in the window: the report written and put into the memo.
void BM_ShowReport500Rows(benchmark::State& state)
{
    FiveHundredRowsWithEveryCondition();
    Textfil->Show();
    for (auto _ : state) {
        Textfil->Button1Click();
        QCoreApplication::processEvents();
    }
    state.counters["lines"] = static_cast<double>(Textfil->MemoTextfil->blockCount());
}
BENCHMARK(BM_ShowReport500Rows)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunWindowBenchmarks(argc, argv, BenchWindows::Created);
}
