// Saving and loading the system file of a big system: 99 999 single rows and 5 500 coupons
// with every condition section filled (about 710 000 lines). The format against a plain
// list-of-lines way of doing the same: every line a text of its own, encoded or decoded and
// converted one by one. Then the whole load as "Hämta system" runs it, from the file on disk
// to a rebuilt system, and the save to disk.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include "conditions/construction.h"
#include "model/variabl.h"
#include "platform/textfile.h"
#include "support/coupons.h"
#include "support/marks.h"
#include "sysfile/sysload.h"
#include "sysfile/systemfile.h"
#include "sysfile/systemfileformat.h"

namespace {

constexpr int32 Rows = 99999;
constexpr int Coupons = 5500;

void BigSystem()
{
    ResetGlobals();
    MarkEveryRace("AAAAABBBBBCCCCC");
    KeepCoupons(Coupons);
    for (int k = 1; k <= Coupons; k += 3)
        CouponKept[k] = 0;
    StartNrCondUsedCount = 100;
    for (int c = 1; c <= ConditionCount; ++c) {
        StartNrCondUsed[c] = 1;
        CondSumActive[c] = 1;
        StartNrCondComments[c] = QStringLiteral("Villkor %1 på favoriterna").arg(c);
    }
    StoreSingleRows(Rows);
}

void BM_Save(benchmark::State& state)
{
    BigSystem();
    for (auto _ : state)
        benchmark::DoNotOptimize(SystemFileBytes(StageCurrentSystem(false)));
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

void BM_ParseAndApply(benchmark::State& state)
{
    BigSystem();
    const QByteArray bytes = SystemFileBytes(StageCurrentSystem(false));
    for (auto _ : state) {
        const auto parsed = ParseSystemFile(bytes);
        if (!parsed) {
            state.SkipWithError("the file was refused");
            break;
        }
        ApplyStagedSystem(*parsed);
    }
    state.counters["lines"] = static_cast<double>(bytes.count('\n'));
    state.counters["rows"] = SingleRowCount;
}
BENCHMARK(BM_ParseAndApply)->Unit(benchmark::kMillisecond);

// The plain writer's last step: the lines as texts, each encoded and ended on its own.
void BM_PlainSaveOfTheLines(benchmark::State& state)
{
    BigSystem();
    const QStringList lines = SplitTextLines(DecodeWindows1252(SystemFileBytes(StageCurrentSystem(false))));
    for (auto _ : state) {
        QByteArray bytes;
        for (const QString& line : lines) {
            bytes += EncodeWindows1252(line);
            bytes += "\r\n";
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_PlainSaveOfTheLines)->Unit(benchmark::kMillisecond);

// The plain reader's first step: the whole file decoded, split into texts and every line
// converted to a number.
void BM_PlainReadOfTheLines(benchmark::State& state)
{
    BigSystem();
    const QByteArray bytes = SystemFileBytes(StageCurrentSystem(false));
    for (auto _ : state) {
        const QStringList lines = SplitTextLines(DecodeWindows1252(bytes));
        std::int64_t sum = 0;
        for (const QString& line : lines)
            sum += line.toInt();
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_PlainReadOfTheLines)->Unit(benchmark::kMillisecond);

// ---- The load with its rebuild, and the save to disk ----

// Rows with start numbers adding up to 31 in races of 1, 4, 10, 14, 14 and 14 horses: 5 500
// coupons of one row each; then 99 999 single rows beside them.
void BuildLargestSystem()
{
    ResetGlobals();
    const std::array<int, 6> horses = {1, 4, 10, 14, 14, 14};
    MarkFixedSumSystem(horses, 31);
    ConditionSwitches.points = true;
    BuildCouponsAfterRows = 1;
    ConstructSystemRows(ConditionSwitches);
    StoreSingleRows(99999);
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
BENCHMARK(BM_LoadLargestSystemWithRebuild)->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_SaveLargestSystemToDisk)->Unit(benchmark::kMillisecond);

// The plain reading of the file on disk: text lines, every line tried as a number.
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
BENCHMARK(BM_LoadLargestSystemPlain)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
