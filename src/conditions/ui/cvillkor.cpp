#include "conditions/ui/cvillkor.h"

#include "conditions/rowcount.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "conditions/mainrequests.h"
#include "conditions/pointsedit.h"
#include "conditions/pointsfile.h"
#include "conditions/ui/ordn.h"
#include "model/notify.h"
#include "model/variabl.h"
#include "platform/numbers.h"
#include "platform/textfile.h"
#include "platform/ui/colours.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/kit.h"
#include "racedata/ui/datavisa.h"

TChansvillkor* Chansvillkor = nullptr;

namespace {

constexpr int ColumnLefts[RaceSlots + 1] = {0, 76, 117, 158, 199, 240, 281, 786};

// The platform's spin buttons leave a 40-pixel points edit too little room for "100":
// the points edits get narrower buttons, so that their place in the grid stays.
class NarrowSpinButtons : public QProxyStyle {
public:
    NarrowSpinButtons() : QProxyStyle(QStringLiteral("Fusion")) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override
    {
        QRect rect = QProxyStyle::subControlRect(control, option, sub, widget);
        if (control != CC_SpinBox)
            return rect;
        constexpr int ButtonWidth = 10;
        const int saved =
            QProxyStyle::subControlRect(control, option, SC_SpinBoxUp, widget).width() - ButtonWidth;
        if (saved <= 0)
            return rect;
        if (sub == SC_SpinBoxUp || sub == SC_SpinBoxDown)
            rect.setLeft(rect.left() + saved);
        else if (sub == SC_SpinBoxEditField)
            rect.setRight(rect.right() + saved);
        return rect;
    }
};
constexpr int VisibleRaces = 6;

int EditTop(int horse)
{
    return 94 + 22 * (horse - 1);
}

void SetEditBackground(QWidget* edit, const QColor& colour)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, colour);
    edit->setPalette(palette);
}

QFrame* NewPanel(QWidget* parent, const QString& name, QRect rect)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(rect);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

void ShowOneOf(QLabel* shown, QLabel* hidden)
{
    shown->show();
    hidden->hide();
}

int ExponentIndex(int32 exponent)
{
    const auto* end = std::end(ProductExponents);
    const auto* at = std::find(std::begin(ProductExponents), end, exponent);
    return at == end ? -1 : static_cast<int>(at - std::begin(ProductExponents));
}

}  // namespace

// ---- VSpinEdit ----

VSpinEdit::VSpinEdit(QWidget* parent, int minimum, int maximum) : QSpinBox(parent)
{
    setRange(minimum, maximum);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] { Q_EMIT TypedValueChanged(TypedValue()); });
}

int VSpinEdit::TypedValue() const
{
    return std::clamp(IntOr(lineEdit()->text(), minimum()), minimum(), maximum());
}

void VSpinEdit::ShowValue(int shown)
{
    const QSignalBlocker blocker(this);
    setValue(std::clamp(shown, minimum(), maximum()));
    lineEdit()->setText(QString::number(value()));
}

void VSpinEdit::SetMaxTypedLength(int length)
{
    lineEdit()->setMaxLength(length);
}

QValidator::State VSpinEdit::validate(QString& input, int&) const
{
    const bool typable = std::all_of(input.begin(), input.end(), [](QChar c) {
        return c.isDigit() || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char(',');
    });
    if (!typable)
        return QValidator::Invalid;
    int32 number = 0;
    if (!TryParseInt(input, number) || number < minimum() || number > maximum())
        return QValidator::Intermediate;
    return QValidator::Acceptable;
}

void VSpinEdit::fixup(QString& input) const
{
    input = QString::number(std::clamp(IntOr(input, minimum()), minimum(), maximum()));
}

// ---- TChansvillkor ----

TChansvillkor::TChansvillkor() : VForm(QStringLiteral("Poängvillkor"), QSize(652, 489))
{
    setObjectName(QStringLiteral("Chansvillkor"));
    SetBackground(this, ToQColor(PointsTeal));
    setFont(SansFont(12));
    Button12 = NewButton(this, QStringLiteral("Button12"), QStringLiteral("Info"), {5, 5, 43, 25});
    Button14 = NewButton(this, QStringLiteral("Button14"), QStringLiteral("Ordning"), {5, 33, 47, 20});
    Nollaradvlk = NewButton(this, QStringLiteral("Nollaradvlk"), QStringLiteral("0"), {81, 25, 20, 20});
    LVnr =
        NewLabel(this, QStringLiteral("LVnr"), QString(), {109, 27, 126, 16}, SansFont(12), Qt::AlignCenter);
    Laktiva = NewLabel(this, QStringLiteral("Laktiva"), QString(), {233, 27, 88, 16});
    ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setGeometry(79, 47, 240, 16);
    ScrollBar1->setRange(1, ConditionCount);
    ScrollBar1->setSingleStep(1);
    ScrollBar1->setPageStep(1);
    BuildGrid();
    BuildProductPanel();
    BuildSumPanel();
    BuildButtons();
    Connect();
    Events::HorseMarked.Subscribe(this, [this](int race, int horse) {
        ColourPointsEdit(race, horse);
        UpdatePointsSumBounds();
    });
    Events::MarksCleared.Subscribe(this, [this] { RepaintMarks(); });
    Events::GroupsReplaced.Subscribe(this, [this] { RepaintMarks(); });
}

void TChansvillkor::BuildGrid()
{
    for (int r = 1; r <= VisibleRaces; ++r)
        NewLabel(this, QString(), QString::number(r), {ColumnLefts[r], 76, 40, 16}, SansFont(12, true),
                 Qt::AlignCenter);
    for (int h = 1; h <= StartNumbers; ++h)
        for (const int left : {49, 327})
            NewLabel(this, QString(), QString::number(h), {left, 97 + 22 * (h - 1), 24, 16});
    auto* narrowButtons = new NarrowSpinButtons;
    narrowButtons->setParent(this);
    for (int h = 1; h <= StartNumbers; ++h)  // tab order: down each race's column, race by race
        for (int r = 1; r <= RaceSlots; ++r) {
            auto* edit = new VSpinEdit(this, 0, MaxPoint);
            edit->setStyle(narrowButtons);
            edit->setObjectName(QStringLiteral("vch%1%2").arg(r).arg(h));
            edit->setGeometry(ColumnLefts[r], EditTop(h), 40, 23);
            vch[r][h] = edit;
        }
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            if (r > 1 || h > 1)
                setTabOrder(h > 1 ? vch[r][h - 1] : vch[r - 1][StartNumbers], vch[r][h]);
    vch[1][1]->SetMaxTypedLength(3);
    NewLabel(this, QString(), QStringLiteral("S:a"), {45, 426, 30, 15});
    for (int r = 1; r <= RaceSlots; ++r)
        LabelS[r] = NewLabel(this, QStringLiteral("LabelS%1").arg(r), QStringLiteral("0"),
                             {ColumnLefts[r], 426, 39, 15}, SansFont(12), Qt::AlignCenter);
    const QString letters[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                               QStringLiteral("D")};
    for (int g = 1; g <= 4; ++g)
        NewBox(this, QString(), letters[g - 1], {45 + 12 * (g - 1), 449, 11, 14}, SansFont(11),
               ToQColor(GroupColours[g]));
}

void TChansvillkor::BuildProductPanel()
{
    Panel2 = NewPanel(this, QStringLiteral("Panel2"), {384, 99, 222, 107});
    NewLabel(Panel2, QString(), QStringLiteral("Radprodukt"), {8, 6, 100, 16}, SansFont(12, true));
    CBProduktaktiv =
        NewCheckBox(Panel2, QStringLiteral("CBProduktaktiv"), QStringLiteral("aktiv"), {161, 8, 56, 16});
    NewLabel(Panel2, QString(), QStringLiteral("Avd"), {14, 25, 24, 16});
    for (int k = 1; k <= RaceSlots; ++k) {
        L[k] = NewLabel(Panel2, QStringLiteral("L%1").arg(k), QString(), {40 + 12 * (k - 1), 25, 8, 16});
        L[k]->hide();
    }
    for (int k = 1; k < RaceSlots; ++k) {
        Lp[k] = NewLabel(Panel2, QStringLiteral("L%1p").arg(k), QStringLiteral("."),
                         {47 + 12 * (k - 1), 25, 5, 16});
        Lp[k]->hide();
    }
    NewLabel(Panel2, QString(), QStringLiteral("Högst"), {8, 55, 38, 16});
    NewLabel(Panel2, QString(), QStringLiteral("Lägst"), {8, 79, 38, 16});
    Editmax = NewEdit(Panel2, QStringLiteral("Editmax"), {48, 52, 36, 22}, 5);
    Editmin = NewEdit(Panel2, QStringLiteral("Editmin"), {48, 76, 36, 22}, 5);
    Editmax->setText(QStringLiteral("10000"));
    Editmin->setText(QStringLiteral("1"));
    auto* upper = new QButtonGroup(Panel2);
    auto* lower = new QButtonGroup(Panel2);
    for (int i = 0; i < 5; ++i) {
        const int left = 88 + 14 * i;
        const QString exponent = QString::number(ProductExponents[i]);
        NewLabel(Panel2, QString(), exponent, {left, 40, 14, 12}, SansFont(10), Qt::AlignCenter);
        Hnollor[i] =
            NewRadioButton(Panel2, QStringLiteral("Hnollor") + exponent, QString(), {left, 56, 14, 14});
        Lnollor[i] =
            NewRadioButton(Panel2, QStringLiteral("Lnollor") + exponent, QString(), {left, 80, 14, 14});
        upper->addButton(Hnollor[i]);
        lower->addButton(Lnollor[i]);
    }
    NewLabel(Panel2, QString(), QStringLiteral("nollor"), {126, 26, 34, 12}, SansFont(10));
    Hnollor[4]->setChecked(true);
    Lnollor[0]->setChecked(true);
    ProduktstatusK =
        NewLabel(Panel2, QStringLiteral("ProduktstatusK"), QStringLiteral("Krav"), {163, 59, 46, 15});
    ProduktstatusT =
        NewLabel(Panel2, QStringLiteral("ProduktstatusT"), QStringLiteral("Ta bort"), {163, 59, 46, 15});
    Button11 = NewButton(Panel2, QStringLiteral("Button11"), QStringLiteral("Växla"), {167, 76, 42, 17});
}

void TChansvillkor::BuildSumPanel()
{
    Panel1 = NewPanel(this, QStringLiteral("Panel1"), {384, 212, 222, 108});
    NewLabel(Panel1, QString(), QStringLiteral("Radsumma"), {8, 6, 100, 16}, SansFont(12, true));
    NewLabel(Panel1, QString(), QStringLiteral("Avd 1+2+3+4+5+6"), {8, 24, 140, 16});
    CBSummaaktiv =
        NewCheckBox(Panel1, QStringLiteral("CBSummaaktiv"), QStringLiteral("aktiv"), {161, 8, 56, 16});
    NewLabel(Panel1, QString(), QStringLiteral("Lägst"), {22, 44, 45, 16});
    NewLabel(Panel1, QString(), QStringLiteral("Högst"), {86, 44, 45, 16});
    SEMin = new VSpinEdit(Panel1, 0, 700);
    SEMin->setObjectName(QStringLiteral("SEMin"));
    SEMin->setGeometry(22, 60, 45, 24);
    SEMax = new VSpinEdit(Panel1, 0, MaxSumBound);
    SEMax->setObjectName(QStringLiteral("SEMax"));
    SEMax->setGeometry(86, 60, 45, 24);
    SEMax->ShowValue(MaxSumBound);
    SummastatusK =
        NewLabel(Panel1, QStringLiteral("SummastatusK"), QStringLiteral("Krav"), {166, 59, 46, 15});
    SummastatusT =
        NewLabel(Panel1, QStringLiteral("SummastatusT"), QStringLiteral("Ta bort"), {166, 59, 46, 15});
    Button10 = NewButton(Panel1, QStringLiteral("Button10"), QStringLiteral("Växla"), {167, 76, 42, 17});
    NewLabel(Panel1, QString(), QStringLiteral("Min:"), {14, 88, 26, 16});
    NewLabel(Panel1, QString(), QStringLiteral("Max:"), {78, 88, 28, 16});
    Legstaverde = NewLabel(Panel1, QStringLiteral("Legstaverde"), QStringLiteral("0"), {41, 88, 30, 16});
    Hogstaverde = NewLabel(Panel1, QStringLiteral("Hogstaverde"), QStringLiteral("0"), {108, 88, 30, 16});
    for (QLabel* status : {ProduktstatusK, SummastatusK})
        status->setToolTip(QStringLiteral("Alla rader ska vara inom intervallet"));
    for (QLabel* status : {ProduktstatusT, SummastatusT})
        status->setToolTip(QStringLiteral("Tar bort raderna inom intervallet"));
}

void TChansvillkor::BuildButtons()
{
    Button1 = NewButton(this, QStringLiteral("Button1"), QStringLiteral("Radera"), {113, 447, 52, 20});
    Button8 = NewButton(this, QStringLiteral("Button8"), QStringLiteral("Kopiera"), {166, 447, 53, 20});
    Button9 = NewButton(this, QStringLiteral("Button9"), QStringLiteral("Klistra in"), {220, 447, 58, 20});
    KnappAngra = NewButton(this, QStringLiteral("KnappAngra"), QStringLiteral("Ångra"), {279, 447, 41, 20});
    KnappS100 = NewButton(this, QStringLiteral("KnappS100"), QStringLiteral("100"), {321, 447, 41, 20});
    NewLabel(this, QString(), QStringLiteral("Kommentar"), {384, 330, 100, 16});
    Edit1 = NewEdit(this, QStringLiteral("Edit1"), {384, 348, 222, 23}, ShortText<40>::capacity);
    Button5 = NewButton(this, QStringLiteral("Button5"), QStringLiteral("V64-Procent"), {384, 392, 83, 25});
    Button15 =
        NewButton(this, QStringLiteral("Button15"), QStringLiteral("Rank i datarutan"), {467, 392, 106, 25});
    Button17 = NewButton(this, QStringLiteral("Button17"), QStringLiteral("Nr"), {573, 392, 33, 25});
    Button6 =
        NewButton(this, QStringLiteral("Button6"), QStringLiteral("Spara villkoret"), {385, 418, 97, 25});
    Button7 = NewButton(this, QStringLiteral("Button7"), QStringLiteral("Läs in sparat villkor"),
                        {482, 418, 124, 25});
    Button3 = NewButton(this, QStringLiteral("Button3"), QStringLiteral("Beräkna antalet rader"),
                        {385, 444, 158, 25});
    Button2 = NewButton(this, QStringLiteral("Button2"), QStringLiteral("Tillbaka"), {543, 444, 63, 25});
    KnappAngra->setEnabled(false);
    SummastatusT->hide();
    ProduktstatusT->hide();
}

void TChansvillkor::Connect()
{
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TChansvillkor::ScrollBar1Change);
    connect(Nollaradvlk, &QPushButton::clicked, this, &TChansvillkor::NollaradvlkClick);
    connect(Button1, &QPushButton::clicked, this, &TChansvillkor::Button1Click);
    connect(Button8, &QPushButton::clicked, this, [] { CopyPointsCondition(CurrentPointsCond); });
    connect(Button9, &QPushButton::clicked, this, &TChansvillkor::Button9Click);
    connect(Button5, &QPushButton::clicked, this, &TChansvillkor::Button5Click);
    connect(Button15, &QPushButton::clicked, this, &TChansvillkor::Button15Click);
    connect(Button17, &QPushButton::clicked, this, &TChansvillkor::Button17Click);
    connect(KnappS100, &QPushButton::clicked, this, &TChansvillkor::KnappS100Click);
    connect(KnappAngra, &QPushButton::clicked, this, &TChansvillkor::KnappAngraClick);
    connect(Button6, &QPushButton::clicked, this, &TChansvillkor::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TChansvillkor::Button7Click);
    connect(Button3, &QPushButton::clicked, this, &TChansvillkor::Button3Click);
    connect(Button2, &QPushButton::clicked, this, &TChansvillkor::close);
    connect(Button12, &QPushButton::clicked, this, [] { RequestHelp(HelpTopic::Points); });
    connect(Button14, &QPushButton::clicked, this, [] { Ordningsf->Show(); });
    connect(CBSummaaktiv, &QCheckBox::toggled, this, [this](bool on) { ActiveBoxClick(true, on); });
    connect(CBProduktaktiv, &QCheckBox::toggled, this, [this](bool on) { ActiveBoxClick(false, on); });
    connect(Button10, &QPushButton::clicked, this, [this] { ModeToggle(true); });
    connect(Button11, &QPushButton::clicked, this, [this] { ModeToggle(false); });
    connect(SEMin, &VSpinEdit::TypedValueChanged, this, [this](int v) { SumBoundChange(true, v); });
    connect(SEMax, &VSpinEdit::TypedValueChanged, this, [this](int v) { SumBoundChange(false, v); });
    connect(Editmax, &QLineEdit::textChanged, this, [this] { MantissaChange(true); });
    connect(Editmin, &QLineEdit::textChanged, this, [this] { MantissaChange(false); });
    connect(Edit1, &QLineEdit::textChanged, this,
            [](const QString& text) { StorePointsCondName(CurrentPointsCond, text); });
    for (int i = 0; i < 5; ++i) {
        const int32 exponent = ProductExponents[i];
        connect(Hnollor[i], &QRadioButton::toggled, this, [exponent](bool on) {
            if (on)
                StoreProductExponent(CurrentPointsCond, true, exponent);
        });
        connect(Lnollor[i], &QRadioButton::toggled, this, [exponent](bool on) {
            if (on)
                StoreProductExponent(CurrentPointsCond, false, exponent);
        });
    }
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            connect(vch[r][h], &VSpinEdit::TypedValueChanged, this,
                    [this, r, h](int value) { PointsEditChange(r, h, value); });
}

void TChansvillkor::FormCreate()
{
    CentreOverMainWhenFirstShown();
}

void TChansvillkor::ResetToStartState()
{
    openDialogName_.clear();
    const QSignalBlocker blocker(ScrollBar1);
    ScrollBar1->setValue(1);
    KnappAngra->setEnabled(false);
    ShowPointsConditionHeader();
    ShowPointsCondition();
    ColourPointsEdits();
    UpdatePointsSumBounds();
}

// ---- What the window shows ----

void TChansvillkor::ShowPointsConditionHeader()
{
    LVnr->setText(QStringLiteral("Villkor nr %1").arg(CurrentPointsCond));
    Laktiva->setText(QStringLiteral("aktiva: %1 st").arg(ActivePointsCondCount));
    Events::PointsCondCountChanged.Emit();
}

void TChansvillkor::ShowPointsCondition()
{
    const int c = CurrentPointsCond;
    LimitStoredPoints(c);
    SEMax->ShowValue(ShownSumMax(c));
    SEMin->ShowValue(CondSumMin[c]);
    for (const bool upper : {true, false}) {
        QLineEdit* edit = upper ? Editmax : Editmin;
        const QSignalBlocker blocker(edit);
        edit->setText(QString::number(upper ? CondProdMaxMantissa[c] : CondProdMinMantissa[c]));
        const int index = ExponentIndex(upper ? CondProdMaxExp[c] : CondProdMinExp[c]);
        if (index < 0)
            continue;
        QRadioButton* button = (upper ? Hnollor : Lnollor)[index];
        const QSignalBlocker radioBlocker(button);
        button->setChecked(true);
    }
    for (QCheckBox* box : {CBSummaaktiv, CBProduktaktiv}) {
        const QSignalBlocker blocker(box);
        box->setChecked((box == CBSummaaktiv ? CondSumActive[c] : CondProdActive[c]) == 1);
    }
    ShowModes();
    {
        const QSignalBlocker blocker(Edit1);
        Edit1->setText(PointsCondNames[c]);
    }
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            vch[r][h]->ShowValue(CondPoints[r][h][c]);
    ShowRaceSums();
}

void TChansvillkor::ShowModes()
{
    const int c = CurrentPointsCond;
    if (CondSumMode[c] == 1)
        ShowOneOf(SummastatusK, SummastatusT);
    else
        ShowOneOf(SummastatusT, SummastatusK);
    if (CondProdMode[c] == 1)
        ShowOneOf(ProduktstatusK, ProduktstatusT);
    else
        ShowOneOf(ProduktstatusT, ProduktstatusK);
}

void TChansvillkor::ShowRaceSums()
{
    for (int r = 1; r <= RaceSlots; ++r)
        LabelS[r]->setText(QString::number(PointsRaceSum(r, CurrentPointsCond)));
}

void TChansvillkor::ColourPointsEdit(int race, int horse)
{
    if (race < 1 || race > RaceSlots || horse < 1 || horse > StartNumbers)
        return;
    SetEditBackground(vch[race][horse], ToQColor(PointsEditColour(race, horse, CurrentPointsCond)));
}

void TChansvillkor::ColourPointsEdits()
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            ColourPointsEdit(r, h);
}

void TChansvillkor::UpdatePointsSumBounds()
{
    const PointsSumBounds bounds = ComputePointsSumBounds(CurrentPointsCond);
    Hogstaverde->setText(QString::number(bounds.high));
    Legstaverde->setText(QString::number(bounds.low));
    const int taking = static_cast<int>(bounds.productRaces.size());
    for (int k = 1; k < RaceSlots; ++k) {
        L[k]->setVisible(k <= taking);
        if (k <= taking)
            L[k]->setText(QString::number(bounds.productRaces[k - 1]));
        Lp[k]->setVisible(k < RaceSlots - 1 && taking >= k + 1);
    }
    L[RaceSlots]->hide();
}

void TChansvillkor::RepaintMarks()
{
    ColourPointsEdits();
    UpdatePointsSumBounds();
}

// ---- Handlers ----

void TChansvillkor::FormActivate()
{
    PointsCondLoading = 0;
    ShowPointsConditionHeader();
    ShowPointsCondition();
    ColourPointsEdits();
    ResultsStaleShown = 0;
    UpdatePointsSumBounds();
    if (PointsCondReloadPending == 1) {
        PointsCondReloadPending = 0;
        ScrollBar1->setValue(1);
    }
}

void TChansvillkor::closeEvent(QCloseEvent* e)
{
    Button2->setFocus();  // an edit being typed in takes its final value first
    VForm::closeEvent(e);
}

void TChansvillkor::ScrollBar1Change(int position)
{
    KnappAngra->setEnabled(false);
    CurrentPointsCond = static_cast<byte>(position);
    PointsCondLoading = 1;
    ShowPointsConditionHeader();
    ShowPointsCondition();
    ColourPointsEdits();
    UpdatePointsSumBounds();
    PointsCondLoading = 0;
}

void TChansvillkor::NollaradvlkClick()
{
    if (!AskYesNo(QStringLiteral("Ska vi ta bort alla villkor på chans/poäng?")))
        return;
    ClearAllPointsConditions();
    ShowPointsConditionHeader();
    ShowPointsCondition();
    ColourPointsEdits();
    UpdatePointsSumBounds();
}

void TChansvillkor::Button1Click()
{
    ClearPointsCondition(CurrentPointsCond);
    ShowPointsConditionHeader();
    ShowPointsCondition();
    ColourPointsEdits();
    UpdatePointsSumBounds();
}

void TChansvillkor::Button9Click()
{
    if (!PastePointsCondition(CurrentPointsCond))
        return;
    UpdatePointsSumBounds();
    ShowPointsConditionHeader();
    ShowPointsCondition();
    ColourPointsEdits();
}

void TChansvillkor::AfterTransfer()
{
    ShowPointsCondition();
    ColourPointsEdits();
    UpdatePointsSumBounds();
}

void TChansvillkor::Button5Click()
{
    ApplyPointsTransfer(CurrentPointsCond, StreckPoints(), QString());
    AfterTransfer();
}

void TChansvillkor::Button15Click()
{
    if (Data)
        Data->ComputeDisplayedSlots();  // the positions the race-data window shows now
    ApplyPointsTransfer(CurrentPointsCond, RankPoints(), RankCondName);
    AfterTransfer();
}

void TChansvillkor::Button17Click()
{
    ApplyPointsTransfer(CurrentPointsCond, StartNumberPoints(), StartNumberCondName);
    AfterTransfer();
}

void TChansvillkor::KnappS100Click()
{
    RescalePointsTo100(CurrentPointsCond);
    AfterTransfer();
    KnappAngra->setEnabled(true);
}

void TChansvillkor::KnappAngraClick()
{
    UndoPointsRescale(CurrentPointsCond);
    AfterTransfer();
    KnappAngra->setEnabled(false);
}

void TChansvillkor::Button3Click()
{
    CountSystemRowsAndRearmStaleGuard();
}

void TChansvillkor::Button6Click()
{
    QString path = ChooseSaveFileName(this, PointsFileFilter);
    if (path.isEmpty())
        return;
    path = WithPointsFileExtension(path);
    const QFileInfo file(path);
    if (file.exists() && !AskYesNo(QStringLiteral("Ska filen %1 skrivas över?").arg(file.fileName())))
        return;
    if (!WriteTextLines(path, PointsFileLines(PointsFileContentOf(CurrentPointsCond))))
        ShowErrorMessage(PointsFileWriteFailedMessage.arg(path));
}

void TChansvillkor::Button7Click()
{
    QString path = ChooseOpenFileName(this, PointsFileFilter, openDialogName_);
    if (path.isEmpty())
        return;
    path = WithPointsFileExtension(path);
    if (!QFileInfo::exists(path)) {
        ShowMessage(QStringLiteral("Filen %1 finns ej.").arg(path));
        return;
    }
    const auto lines = ReadTextLines(path);
    const auto content = lines ? ParsePointsFile(*lines) : std::nullopt;
    if (!content) {
        ShowMessage(PointsFileUnreadableMessage);
        return;
    }
    openDialogName_ = path;
    if (StorePointsFileContent(CurrentPointsCond, *content))
        MarkRowsStalePoints();
    ShowPointsConditionHeader();
    ShowPointsCondition();
    ColourPointsEdits();
    UpdatePointsSumBounds();
}

void TChansvillkor::ActiveBoxClick(bool sumTest, bool ticked)
{
    SetPointsTestActive(CurrentPointsCond, sumTest, ticked);
    ShowPointsConditionHeader();
}

void TChansvillkor::ModeToggle(bool sumTest)
{
    TogglePointsMode(CurrentPointsCond, sumTest);
    ShowModes();
}

void TChansvillkor::MantissaChange(bool upper)
{
    QLineEdit* edit = upper ? Editmax : Editmin;
    int32 mantissa = 0;
    if (TryParseInt(edit->text(), mantissa)) {
        StoreProductMantissa(CurrentPointsCond, upper, mantissa);
        return;
    }
    const QSignalBlocker blocker(edit);
    const int c = CurrentPointsCond;
    edit->setText(QString::number(upper ? CondProdMaxMantissa[c] : CondProdMinMantissa[c]));
}

void TChansvillkor::PointsEditChange(int race, int horse, int value)
{
    StorePoint(CurrentPointsCond, race, horse, value);
    ColourPointsEdit(race, horse);
    UpdatePointsSumBounds();
}

void TChansvillkor::SumBoundChange(bool lower, int value)
{
    UpdatePointsSumBounds();
    if (lower)
        StoreSumMin(CurrentPointsCond, value);
    else
        StoreSumMax(CurrentPointsCond, value);
}
