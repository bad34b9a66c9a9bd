#include "grading/ui/nestaavd.h"

#include <QLabel>
#include <QPainter>

#include "grading/grading.h"
#include "platform/ui/kit.h"

namespace {

constexpr QSize ClientSize(410, 160);
constexpr int TableLeft = 16;
constexpr int ColumnWidth = 47;
constexpr int RowHeight = 21;
constexpr int Columns = 8;
constexpr int BlockTops[] = {42, 99};

// The cell of block 0-1, row 0 (header) or 1 (values), column 0-7.
QRect Cell(int block, int row, int column)
{
    return {TableLeft + ColumnWidth * column, BlockTops[block] + RowHeight * row, ColumnWidth, RowHeight};
}

// Start number n stands in block 0, columns 1-7, or block 1, columns 0-7.
int BlockOf(int startNr)
{
    return startNr <= 7 ? 0 : 1;
}
int ColumnOf(int startNr)
{
    return startNr <= 7 ? startNr : startNr - 8;
}

}  // namespace

TNesta::TNesta() : VForm(QStringLiteral("Nästa avdelning"), ClientSize)
{
    setObjectName(QStringLiteral("Nesta"));
    SetBackground(this, ToQColor(Cream));
    CentreOverMainWhenFirstShown();
    Rubrik = NewLabel(this, QStringLiteral("Rubrik"), QString(), {109, 11, 290, 18}, SansFont(13));
    const QFont font = SansFont(13);
    NewCentredLabel(this, QStringLiteral("LabelNr"), QStringLiteral("Nr"),
                    Cell(0, 0, 0).adjusted(1, 1, -1, -1), font);
    NewCentredLabel(this, QStringLiteral("LabelRader"), QStringLiteral("Rader"),
                    Cell(0, 1, 0).adjusted(1, 1, -1, -1), font);
    for (int n = 1; n <= StartNumbers; ++n) {
        const QRect header = Cell(BlockOf(n), 0, ColumnOf(n));
        NewCentredLabel(this, QStringLiteral("LabelNr%1").arg(n), QString::number(n),
                        header.adjusted(1, 1, -1, -1), font);
        const QRect value = Cell(BlockOf(n), 1, ColumnOf(n));
        RowLabels[n] = NewCentredLabel(this, QStringLiteral("r%1").arg(n), QString(),
                                       value.adjusted(1, 2, -1, -2), font);
    }
}

void TNesta::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
    ScrollOnNarrowScreen();
}

void TNesta::ResetToStartState()
{
    Rubrik->clear();
    for (int n = 1; n <= StartNumbers; ++n)
        RowLabels[n]->clear();
}

void TNesta::FormActivate()
{
    const NextRaceView view = ComputeNextRaceView();
    Rubrik->setText(view.title);
    for (int n = 1; n <= StartNumbers; ++n)
        RowLabels[n]->setText(view.counts[n]);
}

void TNesta::paintEvent(QPaintEvent* e)
{
    VForm::paintEvent(e);
    QPainter painter(this);
    painter.setPen(QPen(QColor(128, 0, 0), 1));
    for (int block = 0; block <= 1; ++block)
        for (int row = 0; row <= 1; ++row)
            for (int column = 0; column < Columns; ++column)
                painter.drawRect(Cell(block, row, column));
}

TNesta* Nesta = nullptr;
