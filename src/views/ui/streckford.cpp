#include "views/ui/streckford.h"

#include <QLabel>
#include <QPushButton>

#include "model/colours.h"
#include "platform/numbers.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/kit.h"
#include "views/rowdistribution.h"

namespace {

constexpr QSize ClientSize(729, 317);
const QColor Maroon(128, 0, 0);

int CellLeft(int horse)
{
    return 43 + 43 * (horse - 1);
}

int CellTop(int race)
{
    return 81 + 21 * (race - 1);
}

// The print font as designed: "MS Sans Serif", 8 points.
QFont DefaultPrintFont()
{
    QFont font = SansFont(11);
    font.setPointSize(8);
    return font;
}

}  // namespace

TStreckf::TStreckf()
    : VForm(QStringLiteral("Streckfördelning"), ClientSize), FontDialogStreck(DefaultPrintFont())
{
    setObjectName(QStringLiteral("Streckf"));
    SetBackground(this, SilverColour);
    CentreOverMainWhenFirstShown();
    Label1 = NewCentredLabel(this, QStringLiteral("Label1"), QString(), {0, 40, ClientSize.width(), 20},
                             SansFont(15));
    BuildGrid();
    BuildButtonRow();
}

// Maroon rules around and between the cells; heads above and on both sides.
void TStreckf::BuildGrid()
{
    const int gridLeft = CellLeft(1) - 25;
    const int gridRight = CellLeft(StartNumbers) + 40 + 25;
    const int gridTop = CellTop(1) - 21;
    const int gridBottom = CellTop(RaceSlots) + 18;
    for (int column = 0; column <= StartNumbers; ++column)
        NewBox(this, QString(), QString(), {CellLeft(column + 1) - 2, gridTop, 1, gridBottom - gridTop},
               WindowFont(), Maroon);
    for (int row = 0; row <= RaceSlots; ++row)
        NewBox(this, QString(), QString(), {gridLeft, CellTop(row + 1) - 3, gridRight - gridLeft, 1},
               WindowFont(), Maroon);
    for (const int x : {gridLeft, gridRight})
        NewBox(this, QString(), QString(), {x, gridTop, 1, gridBottom - gridTop}, WindowFont(), Maroon);
    NewBox(this, QString(), QString(), {gridLeft, gridTop, gridRight - gridLeft, 1}, WindowFont(), Maroon);
    const QFont font = SansFont(12);
    for (int horse = 1; horse <= StartNumbers; ++horse)
        NewCentredLabel(this, QString(), QString::number(horse), {CellLeft(horse), gridTop + 2, 40, 16},
                        font);
    for (int race = 1; race <= RaceSlots; ++race) {
        NewCentredLabel(this, QString(), QString::number(race), {gridLeft + 2, CellTop(race), 20, 16}, font);
        NewCentredLabel(this, QString(), QString::number(race), {gridRight - 22, CellTop(race), 20, 16},
                        font);
        for (int horse = 1; horse <= StartNumbers; ++horse)
            Cells[race][horse] = NewCentredLabel(this, QStringLiteral("L%1%2").arg(race).arg(horse),
                                                 QString(), {CellLeft(horse), CellTop(race), 40, 16}, font);
    }
}

void TStreckf::BuildButtonRow()
{
    BuildButtons<TStreckf>(
        this, this,
        {{&TStreckf::Button5, "Button5", "Skriv", {12, 270, 60, 28}},
         {&TStreckf::Button2, "Button2", "Teckensnitt", {76, 270, 84, 28}},
         {&TStreckf::KnFore, "KnFore", "Visa fördelningen före reduc.", {164, 270, 170, 28}},
         {&TStreckf::KnEfter, "KnEfter", "Beräkna fördelningen efter reduc.", {338, 270, 192, 28}},
         {&TStreckf::KnVexla, "KnVexla", "Växla  antal - procent", {534, 270, 128, 28}},
         {&TStreckf::Button1, "Button1", "Tillbaka", {666, 270, 56, 28}}});
    connect(Button5, &QPushButton::clicked, this, &TStreckf::Button5Click);
    connect(Button2, &QPushButton::clicked, this, &TStreckf::Button2Click);
    connect(KnFore, &QPushButton::clicked, this, &TStreckf::KnForeClick);
    connect(KnEfter, &QPushButton::clicked, this, &TStreckf::KnEfterClick);
    connect(KnVexla, &QPushButton::clicked, this, &TStreckf::KnVexlaClick);
    connect(Button1, &QPushButton::clicked, this, &QWidget::close);
}

void TStreckf::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
    ScrollOnNarrowScreen();
}

void TStreckf::ResetToStartState()
{
    FontDialogStreck.setFont(DefaultPrintFont());
}

// Each opening starts from the before counts and counts the kept coupons anew when asked; a
// return from a message box keeps the view.
void TStreckf::FormShow()
{
    StreckKeptComputed = 0;
    SelectRowCountsBefore();
    PaintView();
}

void TStreckf::PaintView()
{
    Label1->setText(RowDistributionTitle());
    for (int race = 1; race <= RaceSlots; ++race)
        for (int horse = 1; horse <= StartNumbers; ++horse)
            Cells[race][horse]->setText(RowDistributionCell(race, horse));
}

void TStreckf::KnForeClick()
{
    StreckViewCounts == 1 ? SelectRowCountsBefore() : SelectRowPercentBefore();
    PaintView();
}

// A coupon that no longer matches its row count is reported once for the whole count.
void TStreckf::KnEfterClick()
{
    const bool matched = StreckKeptComputed == 1 || ComputeRowsPerHorseKept();
    StreckViewCounts == 1 ? SelectRowCountsAfter() : SelectRowPercentAfter();
    PaintView();
    if (!matched)
        ShowErrorMessage(RowDistributionAlarm);
}

void TStreckf::KnVexlaClick()
{
    ToggleRowDistributionUnit();
    PaintView();
}

void TStreckf::Button2Click()
{
    FontDialogStreck.Execute(this);
    SetPrinterFont(FontDialogStreck.font());
}

// The line height comes from the font that is printed, the print font.
void TStreckf::Button5Click()
{
    const QFont font = FontDialogStreck.font();
    SetPrinterFont(font);
    const PageMetrics page = PrinterPage();
    const double pv = page.PixelsPerMmVertical();
    const double ph = page.PixelsPerMmHorizontal();
    const int lineHeight = LineHeight(TextHeight(PointSizeOf(font), page));
    const int top = MarginPixels(15, pv);
    const int left = MarginPixels(15, ph);
    const double usableHeight = page.heightPx - 2.0 * top;
    const double usableWidth = page.widthPx - 2.0 * left;
    const double headWidth = PrinterTextWidth(font, QStringLiteral(" 7 "));
    const double cellWidth = PrinterTextWidth(font, QStringLiteral("28888"));
    if (usableHeight < 12 || 2 * headWidth + StartNumbers * cellWidth > usableWidth) {
        ShowMessage(PageTooSmallMessage);
        return;
    }
    PrintJob job(QStringLiteral("Streckfördelning"));
    job.SetFont(font);
    job.TextOut(left, top, RowDistributionPrintHeading());
    double y = top + lineHeight;
    job.TextOut(left, y, RowDistributionPrintTitle());
    y += RoundHalfEven(1.5 * lineHeight);
    for (int horse = 1; horse <= StartNumbers; ++horse) {
        const QString head = QString::number(horse);
        const double w = job.TextWidth(head);
        job.TextOut(left + headWidth + horse * cellWidth - RoundHalfEven((cellWidth - w) / 2 + w), y, head);
    }
    for (int race = 1; race <= RaceSlots; ++race) {
        const QString head = QString::number(race);
        const double w = job.TextWidth(head);
        const double headLeft = left + RoundHalfEven((headWidth - w) / 2);
        job.TextOut(headLeft, y + race * lineHeight, head);
        job.TextOut(headLeft + headWidth + StartNumbers * cellWidth, y + race * lineHeight, head);
    }
    for (int horse = 1; horse <= StartNumbers; ++horse)
        for (int race = 1; race <= RaceSlots; ++race) {
            const QString text = RowDistributionPrintCell(Cells[race][horse]->text());
            const double w = job.TextWidth(text);
            job.TextOut(left + (horse - 1) * cellWidth + RoundHalfEven((cellWidth - w) / 2 + headWidth),
                        y + race * lineHeight, text);
        }
}

TStreckf* Streckf = nullptr;
