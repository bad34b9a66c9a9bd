// The system print-out of 5 500 group coupons with every section on (ranking, winner counts,
// 100 ABCD conditions, the win chances, the coupons with reserves, the own text) laid out on
// the recording canvas and drawn into a PDF on the program's printer, against a plain
// implementation that only formats each coupon's lines and draws them at fixed places.

#include <benchmark/benchmark.h>
#include <QPrinter>
#include <QTemporaryDir>

#include "model/variabl.h"
#include "output/reserves.h"
#include "output/systemprint.h"
#include "platform/ui/printer.h"
#include "platform/ui/printercanvas.h"
#include "support/coupons.h"
#include "support/marks.h"
#include "support/windowbench.h"

namespace {

void FiftyFiveHundredCoupons()
{
    ResetGlobals();
    MarkEveryRace("AABBCCD");
    for (int k = 1; k <= MaxCoupons; ++k)
        for (int race = 1; race <= RaceSlots; ++race)
            CouponGroupCodes[race][k] = static_cast<byte>(1 + (k + race) % 15);
    GroupSystemBuilt = 1;
    KeepCoupons(MaxCoupons);
    ReserveMode = ReserveModeNextLower;
    GroupCondCount = ConditionCount;
    for (int c = 1; c <= ConditionCount; ++c) {
        GroupCondCells[0][0][c] = 1;
        GroupCondCells[1][GroupA][c] = 1;
    }
    for (int row = 1; row <= CompositionCount; ++row) {
        AbcdListCells[row][0] = QStringLiteral("  3  2  1  0");
        AbcdListCells[row][2] = QStringLiteral("  37 %");
    }
    OwnTextLines = QStringList(40, QStringLiteral("Egen text på en rad"));
}

SystemPrintOptions AllSections()
{
    SystemPrintOptions o;
    o.settings.topMm = o.settings.bottomMm = o.settings.leftMm = o.settings.rightMm = 10;
    return o;
}

// Each coupon's title, race lines and size line, drawn in a fixed grid without measuring.
void PlainCouponListing(PrintCanvas& canvas)
{
    canvas.BeginDocument(QStringLiteral("plain"));
    for (int p = 1; p <= KeptCouponCount; ++p) {
        const double x = (p % 4) * 1000.0;
        const double y = ((p / 4) % 6) * 1000.0;
        if (p % 24 == 0)
            canvas.NewPage();
        canvas.Text(x, y, QStringLiteral("Kupong %1").arg(p));
        for (int race = 1; race <= 6; ++race)
            canvas.Text(x, y + race * 100.0,
                        QStringLiteral("Avd %1: %2").arg(race).arg(CouponGroupCodes[race][p]));
        canvas.Text(x, y + 800.0, QStringLiteral("1x1x1x1x1x1 = 1 r"));
    }
    canvas.EndDocument();
}

void BM_SystemPrintLayout5500Coupons(benchmark::State& state)
{
    FiftyFiveHundredCoupons();
    int pages = 0;
    for (auto _ : state) {
        RecordingCanvas canvas;
        PrintSystem(canvas, AllSections());
        pages = canvas.PageCount(0);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_SystemPrintLayout5500Coupons)->Unit(benchmark::kMillisecond);

void BM_PlainCouponListing5500(benchmark::State& state)
{
    FiftyFiveHundredCoupons();
    for (auto _ : state) {
        RecordingCanvas canvas;
        PlainCouponListing(canvas);
        benchmark::DoNotOptimize(canvas.Ops().size());
    }
}
BENCHMARK(BM_PlainCouponListing5500)->Unit(benchmark::kMillisecond);

// The whole print as "Skriv" runs it: measured with the printer's fonts and drawn into a PDF.
void BM_SystemPrintPdf5500Coupons(benchmark::State& state)
{
    FiftyFiveHundredCoupons();
    QTemporaryDir dir;
    SharedPrinter().setOutputFormat(QPrinter::PdfFormat);
    SharedPrinter().setOutputFileName(dir.filePath(QStringLiteral("system.pdf")));
    for (auto _ : state) {
        PrinterCanvas canvas;
        PrintSystem(canvas, AllSections());
    }
}
BENCHMARK(BM_SystemPrintPdf5500Coupons)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    return RunWindowBenchmarks(argc, argv, BenchWindows::LeftToTheBenchmarks);
}
