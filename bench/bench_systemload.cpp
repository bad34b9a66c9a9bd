// Loading a system file whole: read, check, reset, store, refresh and the rebuild of the loaded
// system, for the largest system the tables hold (99 999 single rows beside 5 500 coupons),
// against a plain reading of the same file as a list of text lines turned into numbers.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "conditions/construction.h"
#include "marks/marking.h"
#include "model/variabl.h"
#include "platform/textfile.h"
#include "sysfile/sysload.h"
#include "sysfile/systemfile.h"

namespace {

// Rows with start numbers adding up to 31 in races of 1, 4, 10, 14, 14 and 14 horses: 5 500
// coupons of one row each; then 99 999 single rows beside them.
void BuildLargestSystem()
{
    ResetGlobals();
    const int horses[] = {1, 4, 10, 14, 14, 14};
    for (int r = 1; r <= 6; ++r) {
        for (int h = 1; h <= horses[r - 1]; ++h) {
            ClickedMarkCode = MarkCode(1, h);
            ToggleGroupMark(r);
            CondPoints[r][h][1] = static_cast<byte>(h);
        }
    }
    CondSumActive[1] = CondActive[1] = 1;
    CondSumMin[1] = CondSumMax[1] = 31;
    ConditionSwitches.points = true;
    BuildCouponsAfterRows = 1;
    ConstructSystemRows(ConditionSwitches);
    SingleRowsBuilt = 1;
    SingleRowCount = 99999;
    for (int32 k = 1; k <= SingleRowCount; ++k)
        for (int r = 1; r <= RaceSlots; ++r)
            RowStore[r][k] = r == RaceSlots ? 1 : 1 + (k + r) % horses[r - 1];
}

// The saved file of the largest system; empty when it could not be written.
QString SaveLargestSystem(const QTemporaryDir& dir)
{
    BuildLargestSystem();
    const QString path = dir.filePath(QStringLiteral("stor.SV6"));
    return SaveSystemFile(path, [](const QString&) { return true; }).done ? path : QString();
}

void BM_LoadLargestSystemWithRebuild(benchmark::State& state)
{
    const QTemporaryDir dir;
    const QString path = SaveLargestSystem(dir);
    if (path.isEmpty()) {
        state.SkipWithError("not saved");
        return;
    }
    for (auto _ : state) {
        const SystemLoadOutcome outcome = LoadSystemFile(path);
        if (!outcome.file.done || !outcome.rebuild) {
            state.SkipWithError("not loaded");
            break;
        }
        ConstructSystemRows(ConditionSwitches);
        FinishLoadedRebuild();
    }
    state.counters["coupons"] = KeptCouponCount;
    state.counters["single rows"] = SingleRowCount;
    state.counters["file bytes"] = static_cast<double>(QFileInfo(path).size());
}

// The save as "Spara system" runs it: stage, bytes, written beside the file and renamed over it.
void BM_SaveLargestSystemToDisk(benchmark::State& state)
{
    const QTemporaryDir dir;
    if (SaveLargestSystem(dir).isEmpty()) {
        state.SkipWithError("not saved");
        return;
    }
    const QString path = dir.filePath(QStringLiteral("igen.SV6"));
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveSystemFile(path, [](const QString&) { return true; }).done);
}

// The plain reading: the file as text lines, every line tried as a number.
void BM_LoadLargestSystemPlain(benchmark::State& state)
{
    const QTemporaryDir dir;
    const QString path = SaveLargestSystem(dir);
    for (auto _ : state) {
        const std::optional<QStringList> lines = ReadTextLines(path);
        long long sum = 0;
        for (const QString& line : *lines)
            sum += line.toInt();
        benchmark::DoNotOptimize(sum);
    }
}

}  // namespace

BENCHMARK(BM_LoadLargestSystemWithRebuild)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLargestSystemPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLargestSystemToDisk)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
