// Taking in a pasted start-list page: a Chrome copy of 2 000 lines with 15 horses, read by
// the import and shown in the race-data window (fill and group colours of all 105 rows,
// painted on the offscreen platform), repeated and as the first paste of a session.

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QStringList>

#include "model/variabl.h"
#include "racedata/startlistimport.h"
#include "racedata/ui/datavisa.h"
#include "support/windowbench.h"

namespace {

// Menus and texts of the page around the start list, then the race with 15 horses.
QString PastedPage(int lines)
{
    QStringList page = {QStringLiteral("Spel och resultat"), QStringLiteral("Välj spel"),
                        QStringLiteral("V65")};
    while (page.size() < lines / 2)
        page << QStringLiteral("Menyrad %1 med lite text").arg(page.size());
    page << QStringLiteral("Avdelning 3,") << QString() << QString() << QStringLiteral("Rubrik") << QString()
         << QString() << QString() << QStringLiteral("Lopp 5") << QString() << QStringLiteral("2140 meter");
    for (int h = 1; h <= StartNumbers; ++h)
        page << QString::number(h) << QStringLiteral("Häst nummer %1").arg(h) << QString()
             << QStringLiteral("Kusk %1").arg(h) << QStringLiteral("Tränare")
             << QStringLiteral("%1,25%\t%2,40\t40 000 kr").arg(h).arg(h + 2);
    while (page.size() < lines)
        page << QStringLiteral("Sidfot %1\tmed\tflikar och 12,5%").arg(page.size());
    return page.join(QStringLiteral("\r\n"));
}

void BM_ImportOnly(benchmark::State& state)
{
    const QString page = PastedPage(static_cast<int>(state.range(0)));
    const StartListState current = CurrentStartListState(3);
    for (auto _ : state)
        benchmark::DoNotOptimize(ImportStartList(page, 3, current));
}
BENCHMARK(BM_ImportOnly)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_ImportAndRepaint(benchmark::State& state)
{
    const QString page = PastedPage(static_cast<int>(state.range(0)));
    Data->Show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        const StartListImport result = ImportStartList(page, 3, CurrentStartListState(3));
        StoreStartList(3, result.state);
        Data->FillDataWindow();
        Data->PaintDataRowsByGroup();
        QCoreApplication::processEvents();
        state.PauseTiming();
        Data->ResetToStartState();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportAndRepaint)->Arg(2000)->Unit(benchmark::kMillisecond);

// The first paste of a session: the window painted as created, every row of the six races
// showing, then the import hides the rows of the 75 start numbers that no start list holds.
void BM_FirstImportAndRepaint(benchmark::State& state)
{
    const QString page = PastedPage(static_cast<int>(state.range(0)));
    Data->Show();
    for (auto _ : state) {
        state.PauseTiming();
        ResetGlobals();
        Data->ResetToStartState();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        const StartListImport result = ImportStartList(page, 3, CurrentStartListState(3));
        StoreStartList(3, result.state);
        Data->FillDataWindow();
        Data->PaintDataRowsByGroup();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_FirstImportAndRepaint)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunWindowBenchmarks(argc, argv, BenchWindows::Created);
}
