#include "reduction/ui/reduc.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

#include "conditions/keptcoupons.h"
#include "conditions/mainrequests.h"
#include "model/notify.h"
#include "platform/ui/kit.h"
#include "reduction/manualreduction.h"
#include "reduction/ui/reducu.h"
#include "views/ui/streckford.h"

TReducera* Reducera = nullptr;

namespace {

QFrame* NewPanel(QWidget* parent, const QString& name, const QString& heading, QRect rect)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(rect);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    NewCentredLabel(panel, QString(), heading, {4, 4, rect.width() - 8, 18}, SansFont(13, true));
    return panel;
}

QLabel* NewValue(QWidget* parent, const QString& name, QRect rect)
{
    QLabel* value = NewBox(parent, name, QString(), rect, WindowFont(), YellowColour);
    value->setAlignment(Qt::AlignCenter);
    return value;
}

QSpinBox* NewSpin(QWidget* parent, const QString& name, QRect rect)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setGeometry(rect);
    spin->setRange(0, 0);
    return spin;
}

void SetRangeAndValue(QSpinBox* spin, int32 upper, int32 value)
{
    spin->setRange(upper >= 1 ? 1 : 0, std::max(upper, 0));
    spin->setValue(value);
}

RangeDropStep ChosenStep(const TReducera& form)
{
    if (form.RB2->isChecked())
        return RangeDropStep::EverySecond;
    if (form.RB3->isChecked())
        return RangeDropStep::EveryThird;
    return RangeDropStep::All;
}

struct SpinStep {
    int index;  // SpinButton<index>
    int step;
};
constexpr SpinStep SpinSteps[] = {{5, 1}, {4, 10}, {3, 100}, {2, 1000}};

}  // namespace

TReducera::TReducera() : VForm(QStringLiteral("Reducera kuponger"), QSize(536, 346))
{
    setObjectName(QStringLiteral("Reducera"));
    SetBackground(this, SilverColour);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    CentreOverMainWhenFirstShown();
    BuildCounts();
    BuildRangePanel();
    BuildMaxRowsPanel();
    BuildCouponPanel();
    BuildButtons<TReducera>(this, this,
                            {{&TReducera::Button5, "Button5", "Ta bort all reducering", {10, 306, 170, 28}},
                             {&TReducera::Button3, "Button3", "Streckfördelning", {188, 306, 130, 28}},
                             {&TReducera::Button2, "Button2", "Info", {326, 306, 90, 28}},
                             {&TReducera::Button1, "Button1", "Tillbaka", {424, 306, 100, 28}}});
    ConnectHandlers();
}

void TReducera::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
    ManualReductionCoupon = 1;
}

void TReducera::BuildCounts()
{
    QFrame* panel = NewPanel(this, QStringLiteral("Panel1"), QStringLiteral("Antal rader och kuponger"),
                             {10, 10, 250, 120});
    const int columns[] = {80, 136, 192};
    const char* heads[][2] = {{"Före", "reduc."}, {"Efter", "reduc."}, {"Reduc.", ""}};
    for (int i = 0; i < 3; ++i) {
        NewCentredLabel(panel, QString(), QString::fromUtf8(heads[i][0]), {columns[i], 26, 52, 16});
        NewCentredLabel(panel, QString(), QString::fromUtf8(heads[i][1]), {columns[i], 41, 52, 16});
    }
    NewLabel(panel, QString(), QStringLiteral("Rader"), {8, 62, 70, 20});
    NewLabel(panel, QString(), QStringLiteral("Kuponger"), {8, 88, 70, 20});
    LRaderforereduc = NewValue(panel, QStringLiteral("LRaderforereduc"), {columns[0], 62, 52, 20});
    LRaderefterreduc = NewValue(panel, QStringLiteral("LRaderefterreduc"), {columns[1], 62, 52, 20});
    LReducprocent = NewValue(panel, QStringLiteral("LReducprocent"), {columns[2], 62, 52, 20});
    LReducprocent->setText(QStringLiteral("0 %"));
    LKupongerforereduc = NewValue(panel, QStringLiteral("LKupongerforereduc"), {columns[0], 88, 52, 20});
    LKupongerefterreduc = NewValue(panel, QStringLiteral("LKupongerefterreduc"), {columns[1], 88, 52, 20});
}

void TReducera::BuildRangePanel()
{
    QFrame* panel =
        NewPanel(this, QStringLiteral("Panel2"), QStringLiteral("Välj bort kuponger"), {270, 10, 256, 120});
    NewLabel(panel, QString(), QStringLiteral("Fr o m         t o m"), {10, 26, 150, 16});
    SValjbortfrom = NewSpin(panel, QStringLiteral("SValjbortfrom"), {10, 44, 66, 24});
    SValjborttom = NewSpin(panel, QStringLiteral("SValjborttom"), {84, 44, 66, 24});
    Button4 = NewButton(panel, QStringLiteral("Button4"), QStringLiteral("OK"), {158, 44, 40, 24});
    KAngra = NewButton(panel, QStringLiteral("KAngra"), QStringLiteral("Ångra"), {202, 44, 48, 24});
    KAngra->hide();
    RBAlla = NewRadioButton(panel, QStringLiteral("RBAlla"), QStringLiteral("Alla"), {10, 80, 60, 22});
    RBAlla->setChecked(true);
    RB2 = NewRadioButton(panel, QStringLiteral("RB2"), QStringLiteral("Varannan"), {70, 80, 86, 22});
    RB3 = NewRadioButton(panel, QStringLiteral("RB3"), QStringLiteral("Var tredje"), {158, 80, 92, 22});
}

void TReducera::BuildMaxRowsPanel()
{
    QFrame* panel = NewPanel(this, QString(), QStringLiteral("Max antal rader"), {10, 140, 250, 70});
    SMaxrader = NewSpin(panel, QStringLiteral("SMaxrader"), {10, 30, 120, 24});
    Button6 = NewButton(panel, QStringLiteral("Button6"), QStringLiteral("OK"), {140, 30, 40, 24});
}

void TReducera::BuildCouponPanel()
{
    QFrame* panel = NewPanel(this, QStringLiteral("Panel3"), QStringLiteral("Kupongerna före ev. reducering"),
                             {270, 140, 256, 156});
    NewCentredLabel(panel, QString(), QStringLiteral("Kupong"), {8, 26, 60, 16});
    NewCentredLabel(panel, QString(), QStringLiteral("nr"), {8, 41, 60, 16});
    LKupongnr = NewValue(panel, QStringLiteral("LKupongnr"), {8, 62, 60, 22});
    NewCentredLabel(panel, QString(), QStringLiteral("+ / -"), {76, 26, 100, 16});
    NewLabel(panel, QString(), QStringLiteral("1  10 100 1000"), {80, 41, 100, 16});
    for (int i = 0; i < 4; ++i) {
        const int index = SpinSteps[i].index;
        const int x = 80 + 24 * i;
        SpinUp[index] = new QToolButton(panel);
        SpinUp[index]->setObjectName(QStringLiteral("SpinButton%1Up").arg(index));
        SpinUp[index]->setArrowType(Qt::UpArrow);
        SpinUp[index]->setGeometry(x, 58, 20, 15);
        SpinDown[index] = new QToolButton(panel);
        SpinDown[index]->setObjectName(QStringLiteral("SpinButton%1Down").arg(index));
        SpinDown[index]->setArrowType(Qt::DownArrow);
        SpinDown[index]->setGeometry(x, 73, 20, 15);
    }
    NewCentredLabel(panel, QString(), QStringLiteral("Antal"), {184, 26, 64, 16});
    NewCentredLabel(panel, QString(), QStringLiteral("rader"), {184, 41, 64, 16});
    LAntalrader = NewValue(panel, QStringLiteral("LAntalrader"), {184, 62, 64, 22});
    KnTB = NewButton(panel, QStringLiteral("KnTB"), QStringLiteral("Ta bort kupongen"), {40, 108, 176, 28});
}

void TReducera::ConnectHandlers()
{
    connect(Button4, &QPushButton::clicked, this, &TReducera::Button4Click);
    connect(KAngra, &QPushButton::clicked, this, &TReducera::KAngraClick);
    connect(Button6, &QPushButton::clicked, this, &TReducera::Button6Click);
    connect(KnTB, &QPushButton::clicked, this, &TReducera::KnTBClick);
    connect(Button5, &QPushButton::clicked, this, &TReducera::Button5Click);
    connect(Button3, &QPushButton::clicked, this, &TReducera::Button3Click);
    connect(Button2, &QPushButton::clicked, this, &TReducera::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TReducera::Button1Click);
    for (const SpinStep& s : SpinSteps) {
        connect(SpinUp[s.index], &QToolButton::clicked, this, [this, s] { StepShownCoupon(s.step); });
        connect(SpinDown[s.index], &QToolButton::clicked, this, [this, s] { StepShownCoupon(-s.step); });
    }
}

void TReducera::ResetToStartState()
{
    KAngra->hide();
    RBAlla->setChecked(true);
    ManualReductionCoupon = 1;
    LReducprocent->setText(QStringLiteral("0 %"));
    for (QLabel* value :
         {LRaderforereduc, LRaderefterreduc, LKupongerforereduc, LKupongerefterreduc, LKupongnr, LAntalrader})
        value->clear();
}

// Coupons of a system that is no longer constructed (single rows drawn since, marks or
// conditions changed) are not the system: they can be looked at but not reduced.
void TReducera::FormActivate()
{
    for (QPushButton* change : {Button4, Button6, KnTB, Button5})
        change->setEnabled(CouponsBuilt == 1);
    KAngra->hide();
    ManualReductionCoupon = ShownCouponInRange(ManualReductionCoupon);
    ShowCoupon();
    LRaderforereduc->setText(QString::number(RowsConstructed));
    LKupongerforereduc->setText(QString::number(CouponCount));
    LRaderefterreduc->setText(QString::number(RowsKept));
    LKupongerefterreduc->setText(QString::number(KeptCouponCount));
    LReducprocent->setText(QStringLiteral("%1 %").arg(ReductionPercent));
    SetRangeAndValue(SValjbortfrom, KeptCouponCount, KeptCouponCount);
    SetRangeAndValue(SValjborttom, KeptCouponCount, KeptCouponCount);
    SetRangeAndValue(SMaxrader, RowsKept, RowsKept);
}

void TReducera::ShowCoupon()
{
    LKupongnr->setText(QString::number(ManualReductionCoupon));
    LAntalrader->setText(QString::number(CouponRows(ManualReductionCoupon)));
    KnTB->setText(CouponToggleCaption(ManualReductionCoupon));
}

void TReducera::RecountKeptCoupons()
{
    const KeptCouponTotals totals = RecomputeCouponSelection();
    LReducprocent->setText(totals.reduction);
    LRaderefterreduc->setText(totals.rowsAfter);
    LKupongerefterreduc->setText(totals.couponsAfter);
    SetRangeAndValue(SValjbortfrom, totals.keptPositions, totals.keptPositions);
    SetRangeAndValue(SValjborttom, totals.keptPositions, totals.keptPositions);
    const int maxRows = SMaxrader->value();
    SMaxrader->setRange(totals.maxRows >= 1 ? 1 : 0, std::max(totals.maxRows, 0));
    SMaxrader->setValue(maxRows);

    PublishKeptCouponTotals(totals);
    Events::KeptCouponsChanged.Emit();
    ShowCoupon();
}

void TReducera::Button4Click()
{
    const bool dropped = DropCouponRange(SValjbortfrom->value(), SValjborttom->value(), ChosenStep(*this));
    RecountKeptCoupons();
    KAngra->setVisible(dropped);
}

void TReducera::KAngraClick()
{
    UndoCouponRange();
    RecountKeptCoupons();
}

void TReducera::Button6Click()
{
    KAngra->hide();
    DropCouponsAboveRows(SMaxrader->value());
    RecountKeptCoupons();
}

void TReducera::KnTBClick()
{
    ToggleCouponKept(ManualReductionCoupon);
    RecountKeptCoupons();
    KAngra->hide();
}

void TReducera::Button5Click()
{
    KAngra->hide();
    KeepEveryCoupon();
    RecountKeptCoupons();
}

void TReducera::Button3Click()
{
    Streckf->ShowModal();
}

void TReducera::Button2Click()
{
    RequestHelp(HelpTopic::Reduction);
}

void TReducera::Button1Click()
{
    close();
}

void TReducera::StepShownCoupon(int step)
{
    const int32 stepped = SteppedCoupon(ManualReductionCoupon, step);
    if (stepped == ManualReductionCoupon)
        return;
    ManualReductionCoupon = stepped;
    ShowCoupon();
}
