#include "racedata/ui/startlistwindow.h"

#include "platform/ui/colours.h"
#include "platform/ui/kit.h"
#include "racedata/startlistview.h"
#include "racedata/ui/startlists.h"

namespace {

// Design lefts and widths of the columns.
constexpr int StreckLeft = 0, StreckWidth = 28;
constexpr int OddsLeft = 33, OddsWidth = 21;
constexpr int NumberLeft = 59, NumberWidth = 13;
constexpr int NameLeft = 77, NameWidth = 54;
constexpr int RowsWithoutStartList = 3;

int RowTop(int t)
{
    return 15 * (t - 1);
}

void MoveTo(QLabel* label, int left)
{
    label->move(left, label->y());
}

// A name label takes the width of its text.
void SetName(QLabel* label, const QString& text)
{
    label->setText(text);
    label->resize(label->sizeHint().width(), label->height());
}

void SetScratched(QLabel* label, bool scratched)
{
    QFont font = label->font();
    font.setStrikeOut(scratched);
    label->setFont(font);
    SetTextColour(label, scratched ? RedColour : Qt::black);
}

}  // namespace

TStartlistaWindow::TStartlistaWindow(int race)
    : VForm(QStringLiteral("Avd %1").arg(race), QSize(131, 225)), race_(race)
{
    setFixedWidth(std::max(width(), TitleBarWidthFor(windowTitle())));
    setObjectName(QStringLiteral("Startlista%1").arg(race));
    Qt::WindowFlags flags =
        Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint;
    if (race >= 3)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint;
    setWindowFlags(flags);
    SetBackground(this, Qt::white);
    const QFont font = SansFont(12);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int t = 1; t <= StartNumbers; ++t) {
        const QString nr = QString::number(t);
        // Window 2 shows row 15 two pixels higher, its number excepted.
        const int top = race == 2 && t == StartNumbers ? RowTop(t) - 2 : RowTop(t);
        s[t] = NewLabel(this, QStringLiteral("s") + nr, QString(), {StreckLeft, top, StreckWidth, 15}, font,
                        right);
        o[t] =
            NewLabel(this, QStringLiteral("o") + nr, QString(), {OddsLeft, top, OddsWidth, 15}, font, right);
        n[t] = NewLabel(this, QStringLiteral("n") + nr, QString(), {NumberLeft, RowTop(t), NumberWidth, 13},
                        font, right);
        h[t] = NewLabel(this, QStringLiteral("h") + nr, QString(), {NameLeft, top, NameWidth, 15}, font);
    }
}

void TStartlistaWindow::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
    ShowStartLook();
}

void TStartlistaWindow::ResetToStartState()
{
    ShowStartLook();
}

// The look while no start list exists: rows 1-3 hold only their name labels, at the left edge;
// the labels of rows 4-15 are empty.
void TStartlistaWindow::ShowStartLook()
{
    for (int t = 1; t <= StartNumbers; ++t) {
        for (QLabel* label : {s[t], o[t], n[t], h[t]}) {
            label->setText(QString());
            label->setVisible(t > RowsWithoutStartList || label == h[t]);
        }
        MoveTo(s[t], StreckLeft);
        MoveTo(o[t], OddsLeft);
        MoveTo(n[t], NumberLeft);
        MoveTo(h[t], t <= RowsWithoutStartList ? 0 : NameLeft);
    }
}

void TStartlistaWindow::FormActivate()
{
    if (const QWidget* main = MainFormWidget())
        move(main->x() + StartListLeftOffset(race_), main->y() + StartListTopOffset);
    const StartListView view =
        BuildStartListView(race_, {ColumnSignals.streck, ColumnSignals.odds, ColumnSignals.horse});
    for (int t = 1; t <= StartNumbers; ++t)
        for (QLabel* label : {s[t], o[t], n[t], h[t]})
            SetScratched(label, view.rows[t].scratched);
    if (StartListLoaded != 1) {
        ShowStartLook();
        for (int t = 1; t <= RowsWithoutStartList; ++t)
            SetName(h[t], view.rows[t].name);
    } else {
        const struct {
            QLabel* const* labels;
            int left;
            QString StartListRow::*text;
        } columns[] = {{s, view.streckLeft, &StartListRow::streck},
                       {o, view.oddsLeft, &StartListRow::odds},
                       {n, view.numberLeft, &StartListRow::number},
                       {h, view.nameLeft, &StartListRow::name}};
        for (const auto& column : columns) {
            for (int t = 1; t <= StartNumbers; ++t) {
                QLabel* label = column.labels[t];
                label->setVisible(column.left != HiddenColumn);
                if (column.left == HiddenColumn)
                    continue;
                MoveTo(label, column.left);
                if (column.labels == h)
                    SetName(label, view.rows[t].*column.text);
                else
                    label->setText(view.rows[t].*column.text);
            }
        }
        if (!view.hint.isEmpty()) {
            SetName(h[1], view.hint);
            MoveTo(h[1], StartListHintLeft);
            h[1]->show();
        }
    }
    FitToVisibleLabels();
    repaint();
}

// The client area follows the visible labels, as automatic sizing does, but is never too narrow
// for a title bar to show the caption.
void TStartlistaWindow::FitToVisibleLabels()
{
    QRect extent;
    for (int t = 1; t <= StartNumbers; ++t)
        for (QLabel* label : {s[t], o[t], n[t], h[t]})
            if (!label->isHidden())
                extent |= label->geometry();
    setFixedSize(std::max(extent.right() + 1, TitleBarWidthFor(windowTitle())),
                 std::max(extent.bottom() + 1, 1));
}

TStartlistaWindow* StartListWindow(int race)
{
    TStartlistaWindow* const windows[RaceSlots + 1] = {nullptr,     Startlista1, Startlista2, Startlista3,
                                                       Startlista4, Startlista5, Startlista6, Startlista7};
    return race >= 1 && race <= RaceSlots ? windows[race] : nullptr;
}
