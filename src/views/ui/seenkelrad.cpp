#include "views/ui/seenkelrad.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "model/colours.h"
#include "model/variabl.h"
#include "platform/ui/kit.h"

namespace {

constexpr QSize ClientSize(598, 244);
constexpr int DesignedMaximum = 99990;

int ColumnLeft(int column)
{
    return 62 + 48 * (column - 1);
}

// Race slot 7's line lies below the client area.
int LineTop(int race)
{
    return race <= PoolRaces ? 66 + 24 * (race - 1) : 300;
}

}  // namespace

TSeenkelrader::TSeenkelrader() : VForm(QStringLiteral("Enkelrader"), ClientSize)
{
    setObjectName(QStringLiteral("Seenkelrader"));
    SetBackground(this, ToQColor(Cream));
    CentreOverMainWhenFirstShown();
    ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setGeometry(ColumnLeft(1), 8, 48 * SingleRowColumns - 4, 17);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TSeenkelrader::ScrollBar1Change);
    NewLabel(this, QStringLiteral("Label1"), QStringLiteral("Radnr"), {12, 28, 44, 16});
    BuildGrid();
    Button1 = NewButton(this, QStringLiteral("Button1"), QStringLiteral("Tillbaka"), {500, 212, 80, 25});
    connect(Button1, &QPushButton::clicked, this, &QWidget::close);
    ResetToStartState();
}

void TSeenkelrader::BuildGrid()
{
    for (int column = 1; column <= SingleRowColumns; ++column) {
        const int left = ColumnLeft(column);
        RowNumbers[column] = NewCentredLabel(this, QStringLiteral("rn%1").arg(column),
                                             QString::number(column), {left, 28, 44, 16}, SansFont(12, true));
        NewCentredLabel(this, QString(), QStringLiteral("Ord"), {left, 46, 20, 14}, SansFont(10));
        NewCentredLabel(this, QString(), QStringLiteral("Res"), {left + 20, 46, 24, 14}, SansFont(10));
        for (int race = 1; race <= RaceSlots; ++race) {
            StartCells[race][column] = NewBox(this, QStringLiteral("o%1%2").arg(race).arg(column), QString(),
                                              {left, LineTop(race), 20, 20}, SansFont(12), YellowColour);
            StartCells[race][column]->setAlignment(Qt::AlignCenter);
            NewBox(this, QString(), QString(), {left + 20, LineTop(race), 24, 20}, WindowFont(),
                   SilverColour);
            ReserveCells[race][column] = NewBox(this, QStringLiteral("r%1%2").arg(race).arg(column),
                                                QString(), {left + 21, LineTop(race) + 3, 22, 14},
                                                SansFont(9), ToQColor(Cream), QColor(128, 128, 128));
            ReserveCells[race][column]->setAlignment(Qt::AlignCenter);
        }
    }
    for (int race = 1; race <= PoolRaces; ++race)
        for (int x : {12, ColumnLeft(SingleRowColumns) + 50})
            NewLabel(this, QString(), QStringLiteral("Avd %1").arg(race), {x, LineTop(race) + 2, 40, 16});
}

void TSeenkelrader::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
}

// The scroll bar as designed; the cells as designed (row numbers 1-10, empty cells).
void TSeenkelrader::ResetToStartState()
{
    const QSignalBlocker blocker(ScrollBar1);
    ScrollBar1->setRange(1, DesignedMaximum);
    ScrollBar1->setValue(1);
    ScrollBar1->setSingleStep(1);
    ScrollBar1->setPageStep(1);
    for (int column = 1; column <= SingleRowColumns; ++column) {
        RowNumbers[column]->setText(QString::number(column));
        for (int race = 1; race <= RaceSlots; ++race) {
            StartCells[race][column]->clear();
            ReserveCells[race][column]->clear();
        }
    }
}

// With no single rows the window keeps what it shows. A position past the new maximum drops to
// it, which runs the scroll handler.
void TSeenkelrader::Refresh()
{
    if (SingleRowCount <= 0)
        return;
    ScrollBar1->setMaximum(SingleRowScrollMax(SingleRowCount));
    if (const std::optional<int32> step = SingleRowPageStep(SingleRowCount))
        ScrollBar1->setPageStep(*step);
    SingleRowScrollPos = ScrollBar1->value();
    ShowSingleRows();
    ShowSingleRowReserves();
}

void TSeenkelrader::ScrollBar1Change()
{
    SingleRowScrollPos = ScrollBar1->value();
    ShowSingleRows();
    ShowSingleRowReserves();
}

void TSeenkelrader::ShowSingleRows()
{
    for (int column = 1; column <= SingleRowColumns; ++column) {
        const int32 row = SingleRowScrollPos + column - 1;
        RowNumbers[column]->setText(QString::number(row));
        for (int race = 1; race <= RaceSlots; ++race)
            StartCells[race][column]->setText(SingleRowStartText(row, race));
    }
}

void TSeenkelrader::ShowSingleRowReserves()
{
    if (SingleRowCount <= 0)
        return;
    for (int column = 1; column <= SingleRowColumns; ++column)
        for (int race = 1; race <= RaceSlots; ++race)
            ReserveCells[race][column]->setText(SingleRowReserveText(SingleRowScrollPos + column - 1, race));
}

TSeenkelrader* Seenkelrader = nullptr;
