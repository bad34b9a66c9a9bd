#include "conditions/ui/ovrigavlk.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>

#include "conditions/rowcount.h"
#include "conditions/ui/labelclicks.h"
#include "model/variabl.h"
#include "platform/ui/kit.h"

namespace {

constexpr int ClientWidth = 284;  // wide enough for a title bar to show the caption whole
constexpr int ClientHeight = 478;
constexpr QPoint OffsetFromMain{470, 82};
constexpr int RowTop = 48, RowPitch = 15;
constexpr int ColumnLeft[] = {0, 156, 194, 232};
constexpr int PairLeft[] = {0, 166, 204, 242};
constexpr int SetScrollPositions = NrSetConditions - NrSetColumns;  // 0-17

const QColor WindowTeal{0, 170, 170};
const QColor Maroon{128, 0, 0};
const QColor PaleCreamColour = ToQColor(PaleCream);

int RowTopOf(int n)
{
    return RowTop + (n - 1) * RowPitch;
}

// A pale cream block in a maroon frame.
void NewBlock(QWidget* parent, QRect rect)
{
    QLabel* block = NewBox(parent, QString(), QString(), rect, WindowFont(), PaleCreamColour, Maroon);
    block->setFrameStyle(QFrame::Box | QFrame::Plain);
    block->setLineWidth(2);
}

void PaintRule(QLabel* label, bool forbidden)
{
    const QColor colour = forbidden ? RedColour : LimeColour;
    if (BackgroundOf(label) != colour)
        SetBackground(label, colour);
}

void SetCheckedFromTable(QCheckBox* box, bool ticked)
{
    const QSignalBlocker blocker(box);
    box->setChecked(ticked);
}

void SetValueFromTable(QSpinBox* edit, int value)
{
    const QSignalBlocker blocker(edit);
    edit->setValue(value);
}

QSpinBox* NewSpinEdit(QWidget* parent, const QString& name, QRect rect, int maximum)
{
    auto* edit = new QSpinBox(parent);
    edit->setObjectName(name);
    edit->setGeometry(rect);
    edit->setFont(SansFont(12, true));
    edit->setRange(0, maximum);
    return edit;
}

}  // namespace

Tovrigavillkor::Tovrigavillkor()
    : VForm(QStringLiteral("Övriga villkor på startnr"), QSize(ClientWidth, ClientHeight))
{
    setObjectName(QStringLiteral("ovrigavillkor"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowSystemMenuHint, false);
    SetBackground(this, WindowTeal);
    setFont(SansFont(11));
    clicks_ = new LabelClicks(this);
    BuildCounts();
    BuildSets();
    BuildRepeatRules();
    BuildFooter();
}

void Tovrigavillkor::BuildCounts()
{
    NewBlock(this, {0, 25, 132, 250});
    NewLabel(this, QString(), QStringLiteral("Antal nr"), {21, 30, 90, 15}, SansFont(12, true));
    const QFont bold = SansFont(11, true);
    for (int n = 1; n <= StartNumbers; ++n) {
        for (int left : {3, 114})
            NewLabel(this, QString(), QString::number(n), {left, RowTopOf(n), 16, 14}, bold);
        for (int k = 0; k < NrCountLabels; ++k) {
            QLabel* label = NewBox(this, QStringLiteral("ovrn%1%2").arg(n).arg(k), QString::number(k),
                                   {21 + 13 * k, RowTopOf(n), 12, 14}, bold, LimeColour);
            CountLabels[n][k] = label;
            clicks_->OnClick(label, [this, n, k] {
                ToggleNrCountForbidden(n, k);
                PaintCountLabel(n, k);
            });
        }
    }
}

void Tovrigavillkor::BuildSets()
{
    NewBlock(this, {153, 5, 117, 270});
    Rullist = new QScrollBar(Qt::Horizontal, this);
    Rullist->setObjectName(QStringLiteral("Rullist"));
    Rullist->setGeometry(156, 8, 110, 16);
    Rullist->setRange(0, SetScrollPositions);
    connect(Rullist, &QScrollBar::valueChanged, this, [this] { PaintColumns(); });
    Label160 = NewLabel(this, QStringLiteral("Label160"), NrSetCountCaption(), {156, 28, 112, 15},
                        SansFont(11, true));
    const QFont bold = SansFont(11, true);
    for (int column = 1; column <= Columns; ++column) {
        for (int n = 1; n <= StartNumbers; ++n) {
            QLabel* label = NewBox(this, QStringLiteral("ovrvlk%1%2").arg(n).arg(column), QString::number(n),
                                   {ColumnLeft[column], RowTopOf(n), 35, 14}, bold, Qt::white, SilverColour);
            SetLabels[n][column] = label;
            clicks_->OnClick(label, [this, n, column] {
                ToggleNrSetMark(n, SetOf(column));
                PaintSetLabel(n, column);
            });
        }
    }

    NewBlock(this, {109, 290, 161, 85});
    const char* rowNames[] = {"Högst", "Lägst", "Krav", "Ta bort"};
    const int rowTops[] = {293, 314, 336, 355};
    for (int row = 0; row < 4; ++row)
        NewLabel(this, QString(), QString::fromUtf8(rowNames[row]), {112, rowTops[row], 44, 18},
                 SansFont(11));
    for (int column = 1; column <= Columns; ++column) {
        const int left = ColumnLeft[column];
        HighEdits[column] =
            NewSpinEdit(this, QStringLiteral("ovrh%1").arg(column), {left, rowTops[0], 36, 20}, NrSetHighMax);
        LowEdits[column] =
            NewSpinEdit(this, QStringLiteral("ovrl%1").arg(column), {left, rowTops[1], 36, 20}, NrSetLowMax);
        RequireBoxes[column] = NewCheckBox(this, QStringLiteral("ovrk%1").arg(column), QString(),
                                           {left + 10, rowTops[2], 18, 18});
        RemoveBoxes[column] = NewCheckBox(this, QStringLiteral("ovrtb%1").arg(column), QString(),
                                          {left + 10, rowTops[3], 18, 18});
        connect(HighEdits[column], &QSpinBox::valueChanged, this,
                [this, column](int value) { SetNrSetHigh(SetOf(column), value); });
        connect(LowEdits[column], &QSpinBox::valueChanged, this,
                [this, column](int value) { SetNrSetLow(SetOf(column), value); });
        for (const bool require : {true, false}) {
            QCheckBox* box = require ? RequireBoxes[column] : RemoveBoxes[column];
            connect(box, &QCheckBox::clicked, this, [this, column, require](bool ticked) {
                SetNrSetMode(SetOf(column), require, ticked);
                PaintSetModes();
            });
        }
    }
}

void Tovrigavillkor::BuildRepeatRules()
{
    NewBlock(this, {19, 289, 61, 151});
    const QFont font = SansFont(11);
    const QFont bold = SansFont(11, true);
    NewLabel(this, QString(), QStringLiteral("Nr, antal"), {27, 293, 52, 13}, font);
    NewLabel(this, QString(), QStringLiteral("lika"), {25, 306, 24, 13}, font);
    NewLabel(this, QString(), QStringLiteral("udda"), {49, 306, 28, 13}, font);
    for (int k = 0; k <= 6; ++k) {
        const int top = k == 0 ? 421 : 408 - 14 * (k - 1);
        OddLabels[k] = NewBox(this, QStringLiteral("LU%1").arg(k), QString::number(k), {57, top, 13, 14},
                              bold, LimeColour);
        clicks_->OnClick(OddLabels[k], [this, k] {
            ToggleOddCountForbidden(k);
            PaintRepeatRules();
        });
        if (k == 0)
            continue;
        EqualLabels[k] = NewBox(this, QStringLiteral("LL%1").arg(k), QString::number(k), {28, top, 13, 14},
                                bold, LimeColour);
        clicks_->OnClick(EqualLabels[k], [this, k] {
            ToggleEqualNrRule(k);
            PaintRepeatRules();
        });
    }
    LabelPar = NewLabel(this, QStringLiteral("LabelPar"), QStringLiteral("Minst 2 lika nr"), {8, 442, 96, 14},
                        SansFont(11, true));
    LabelPar->hide();

    NewBlock(this, {109, 381, 162, 59});
    for (int pairs = 1; pairs <= 3; ++pairs) {
        NewLabel(this, QString(), QStringLiteral("%1 par").arg(pairs), {PairLeft[pairs] - 5, 384, 36, 15},
                 font);
        PairRequireBoxes[pairs] =
            NewCheckBox(this, QStringLiteral("par%1k").arg(pairs), QString(), {PairLeft[pairs], 403, 18, 18});
        PairRemoveBoxes[pairs] = NewCheckBox(this, QStringLiteral("par%1tb").arg(pairs), QString(),
                                             {PairLeft[pairs], 422, 18, 18});
        for (const bool require : {true, false}) {
            QCheckBox* box = require ? PairRequireBoxes[pairs] : PairRemoveBoxes[pairs];
            connect(box, &QCheckBox::clicked, this, [this, pairs, require](bool ticked) {
                SetPairRule(pairs, require, ticked);
                PaintRepeatRules();
            });
        }
    }
    NewLabel(this, QString(), QStringLiteral("Krav"), {114, 403, 44, 18}, font);
    NewLabel(this, QString(), QStringLiteral("Ta bort"), {114, 422, 44, 18}, font);
}

void Tovrigavillkor::BuildFooter()
{
    const QFont font = SansFont(11);
    NewBox(this, QString(), QStringLiteral(" Förbjudet "), {8, 459, 56, 14}, font, RedColour);
    NewBox(this, QString(), QStringLiteral(" Tillåtet "), {66, 459, 50, 14}, font, LimeColour);
    Button3 = NewButton(this, QStringLiteral("Button3"), QStringLiteral("Beräkna radantal"),
                        {120, 449, 100, 24}, font);
    Button1 =
        NewButton(this, QStringLiteral("Button1"), QStringLiteral("Tillbaka"), {224, 449, 48, 24}, font);
    connect(Button3, &QPushButton::clicked, this, [] { CountSystemRowsAndRearmStaleGuard(); });
    connect(Button1, &QPushButton::clicked, this, &QWidget::close);
}

void Tovrigavillkor::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
    ScrollOnNarrowScreen();
}

// Shows the tables as they stand (filling the controls is display only) and re-arms the
// guarded reset, so that the first change after this activation shows "x".
void Tovrigavillkor::FormActivate()
{
    if (const QWidget* main = MainFormWidget())
        move(main->pos() + OffsetFromMain);
    {
        const QSignalBlocker blocker(Rullist);
        Rullist->setValue(0);
    }
    PaintAll();
    ResultsStaleShown = 0;
}

void Tovrigavillkor::ResetToStartState()
{
    const QSignalBlocker blocker(Rullist);
    Rullist->setValue(0);
    PaintAll();
}

int Tovrigavillkor::SetOf(int column) const
{
    return Rullist->value() + column;
}

void Tovrigavillkor::PaintAll()
{
    PaintRepeatRules();
    for (int n = 1; n <= StartNumbers; ++n)
        for (int k = 0; k < NrCountLabels; ++k)
            PaintCountLabel(n, k);
    PaintColumns();
}

void Tovrigavillkor::PaintCountLabel(int n, int k)
{
    PaintRule(CountLabels[n][k], NrCountForbidden[n][k] == 1);
}

void Tovrigavillkor::PaintColumns()
{
    for (int column = 1; column <= Columns; ++column) {
        for (int n = 1; n <= StartNumbers; ++n)
            PaintSetLabel(n, column);
        SetValueFromTable(HighEdits[column], NrSetCondHigh[SetOf(column)]);
        SetValueFromTable(LowEdits[column], NrSetCondLow[SetOf(column)]);
    }
    PaintSetModes();
}

void Tovrigavillkor::PaintSetLabel(int n, int column)
{
    const bool member = NrSetCondMarks[n][SetOf(column)] == 1;
    QLabel* label = SetLabels[n][column];
    SetBackground(label, member ? YellowColour : QColor(Qt::white));
    SetTextColour(label, member ? QColor(Qt::black) : SilverColour);
}

void Tovrigavillkor::PaintSetModes()
{
    for (int column = 1; column <= Columns; ++column) {
        SetCheckedFromTable(RequireBoxes[column], NrSetCondRequire[SetOf(column)] == 1);
        SetCheckedFromTable(RemoveBoxes[column], NrSetCondRemove[SetOf(column)] == 1);
    }
    Label160->setText(NrSetCountCaption());
}

void Tovrigavillkor::PaintRepeatRules()
{
    for (int k = 0; k <= 6; ++k) {
        PaintRule(OddLabels[k], OddCountForbidden[k] == 1);
        if (k > 0)
            PaintRule(EqualLabels[k], EqualNrRule[k] == 1);
    }
    LabelPar->setVisible(EqualNrRule[1] == 1);
    if (EqualNrRule[1] == 1)
        LabelPar->setText(EqualNrRuleText());
    for (int pairs = 1; pairs <= 3; ++pairs) {
        SetCheckedFromTable(PairRequireBoxes[pairs], PairRules[pairs] == 1);
        SetCheckedFromTable(PairRemoveBoxes[pairs], PairRules[pairs] == 2);
    }
}

Tovrigavillkor* ovrigavillkor = nullptr;
