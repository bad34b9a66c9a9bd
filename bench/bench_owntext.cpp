// The own-text window at the longest text it takes, shown at its designed width: "Läs in", a
// keystroke (the memo and the print's lines laid out again, the memo repainted) and a cursor
// blink (the caret's place found and its strip repainted). Argument 0 is one line without a
// blank, which the memo breaks anywhere; 1 is one paragraph of words. Beside them, the longest
// run laid out as the print lays it out (anywhere) and as it once did (between words first).

#include <benchmark/benchmark.h>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextLayout>

#include "output/owntext.h"
#include "output/ui/xtratext.h"
#include "platform/settingsdir.h"
#include "support/windowbench.h"

namespace {

QString LongestText(int64_t shape)
{
    if (shape == 0)
        return QString(OwnTextMaxLength, QLatin1Char('x'));
    QString words;
    while (words.size() < OwnTextMaxLength)
        words += QStringLiteral("ett två tre fyra fem ");
    return words.left(OwnTextMaxLength);
}

// The window shown with text in its memo, the caret at the end.
void ShowWithText(const QString& text)
{
    Egentext->ResetToStartState();
    Egentext->show();
    Egentext->Memo1->setPlainText(text);
    Egentext->Memo1->moveCursor(QTextCursor::End);
    Egentext->Memo1->setFocus();
    QCoreApplication::processEvents();
}

void PressKey(Qt::Key key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(Egentext->Memo1, &press);
}

void BM_OwnTextLoadTheLongest(benchmark::State& state)
{
    const QString text = LongestText(state.range(0));
    if (!SaveOwnText({text, PrintFont{QStringLiteral("Arial"), 10}, 285}, SettingsDir()).isEmpty())
        state.SkipWithError("the files could not be written");
    ShowWithText(QString());
    for (auto _ : state) {
        Egentext->Lesain->click();
        Egentext->Memo1->viewport()->repaint();
    }
    if (Egentext->Memo1->toPlainText() != text)
        state.SkipWithError("the text was not loaded");
}
BENCHMARK(BM_OwnTextLoadTheLongest)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One character typed at the end of a memo one short of full; it is taken away again untimed.
void BM_OwnTextKeystrokeAtTheLongest(benchmark::State& state)
{
    ShowWithText(LongestText(state.range(0)).chopped(1));
    for (auto _ : state) {
        PressKey(Qt::Key_A, QStringLiteral("a"));
        Egentext->Memo1->viewport()->repaint();
        state.PauseTiming();
        PressKey(Qt::Key_Backspace, QStringLiteral("\b"));
        state.ResumeTiming();
    }
    if (!OwnTextLines.join(QString()).startsWith(LongestText(state.range(0)).left(10)))
        state.SkipWithError("the print's lines do not follow the memo");
}
BENCHMARK(BM_OwnTextKeystrokeAtTheLongest)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What the memo does twice a second while it has the focus: finds the caret and repaints it.
void BM_OwnTextCursorBlinkAtTheLongest(benchmark::State& state)
{
    ShowWithText(LongestText(state.range(0)));
    for (auto _ : state)
        Egentext->Memo1->viewport()->repaint(Egentext->Memo1->cursorRect().adjusted(-2, -2, 2, 2));
}
BENCHMARK(BM_OwnTextCursorBlinkAtTheLongest)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The longest run laid out at the memo's designed width in the memo's font: argument 1 breaks it
// anywhere, as the memo and the print do; 0 between words first, as the print once did.
void BM_LongestRunLaidOut(benchmark::State& state)
{
    ShowWithText(QString());
    const QString run = LongestText(0);
    QTextOption option;
    option.setWrapMode(state.range(0) == 1 ? QTextOption::WrapAnywhere
                                           : QTextOption::WrapAtWordBoundaryOrAnywhere);
    int lines = 0;
    for (auto _ : state) {
        QTextLayout layout(run, Egentext->Memo1->font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(250);
        layout.endLayout();
        lines = layout.lineCount();
    }
    state.counters["lines"] = lines;
}
BENCHMARK(BM_LongestRunLaidOut)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // A settings folder of this run's own, so that "Läs in" reads the files written here.
    const QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    return RunWindowBenchmarks(argc, argv, BenchWindows::Created);
}
