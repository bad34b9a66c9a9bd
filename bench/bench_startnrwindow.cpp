// The start-number conditions window scrolled to another pair of conditions: the 210 mark
// labels and 16 count labels repainted from the tables and drawn, on the offscreen platform.
// Every horse is in a group and neighbouring conditions mark opposite horses, so that every
// mark label changes its colour at each step.

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QScrollBar>

#include "conditions/startnrconditions.h"
#include "conditions/ui/radvlk.h"
#include "marks/marking.h"
#include "model/variabl.h"
#include "support/windowbench.h"

namespace {

void MarkEveryHorse()
{
    for (int r = 1; r <= 6; ++r) {
        for (int h = 1; h <= StartNumbers; ++h) {
            ClickedMarkCode = MarkCode((h - 1) % GroupCount + 1, h);
            ToggleGroupMark(r);
        }
    }
}

// Condition c marks the horses whose race and start number add up to c's parity; every count
// it can reach is forbidden every other time.
void FillConditions()
{
    for (int c = 1; c <= ConditionCount; ++c) {
        for (int r = 1; r <= 6; ++r)
            for (int h = 1; h <= StartNumbers; ++h)
                StartNrCondMarks[r][h][c] = (r + h + c) % 2;
        for (int k = 0; k <= 7; ++k)
            StartNrCondForbiddenCounts[k][c] = (k + c) % 2;
        StartNrCondActive[c] = 1;
        UpdateStartNrConditionUsage(c);
    }
}

void PrepareWindow()
{
    ResetGlobals();
    MarkEveryHorse();
    FillConditions();
    Radvillkor->Show();
    Radvillkor->FormActivate();
    QCoreApplication::processEvents();
}

// Scrolls one pair of conditions further at each step, then runs afterScroll.
template <typename AfterScroll>
void ScrollThroughPairs(benchmark::State& state, AfterScroll afterScroll)
{
    PrepareWindow();
    int position = 1;
    for (auto _ : state) {
        position = position % 98 + 1;
        Radvillkor->ScrollBar1->setValue(position);
        afterScroll();
    }
    QCoreApplication::processEvents();
}

// The scroll as the user sees it: the labels take their new colours, then the window system
// repaints what changed.
void BM_ScrollToAnotherPair(benchmark::State& state)
{
    ScrollThroughPairs(state, [] { QCoreApplication::processEvents(); });
}
BENCHMARK(BM_ScrollToAnotherPair)->Unit(benchmark::kMillisecond);

// The same with the whole window drawn again at each step.
void BM_ScrollToAnotherPairWholeWindow(benchmark::State& state)
{
    ScrollThroughPairs(state, [] { Radvillkor->repaint(); });
}
BENCHMARK(BM_ScrollToAnotherPairWholeWindow)->Unit(benchmark::kMillisecond);

// Only the labels taking their new colours from the tables, without drawing.
void BM_ScrollWithoutDrawing(benchmark::State& state)
{
    ScrollThroughPairs(state, [] {});
}
BENCHMARK(BM_ScrollWithoutDrawing)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunWindowBenchmarks(argc, argv, BenchWindows::Created);
}
