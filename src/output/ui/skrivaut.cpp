#include "output/ui/skrivaut.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>

#include "model/colours.h"
#include "model/variabl.h"
#include "output/ui/xtratext.h"
#include "platform/settingsdir.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/hourglass.h"
#include "platform/ui/kit.h"
#include "platform/ui/printercanvas.h"

namespace {

QSpinBox* NewSpinEdit(QWidget* parent, const QString& name, QRect rect, int low, int high)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setGeometry(rect);
    spin->setRange(low, high);
    return spin;
}

// The print font until the user chooses one or the settings file names one.
QFont DesignFont()
{
    return QFont(QStringLiteral("Liberation Sans"), 10);
}

}  // namespace

TSkriva::TSkriva()
    : VForm(QStringLiteral("Skriva ut systemet på papper"), QSize(403, 409)), FontDialog1(DesignFont())
{
    setObjectName(QStringLiteral("Skriva"));
    SetBackground(this, ToQColor(Silver));
    CentreOverMainWhenFirstShown();
    BuildSections();
    BuildRange();
    BuildMargins();
    BuildButtons();
    ResetToStartState();
}

void TSkriva::BuildSections()
{
    auto* GroupBox1 = new QGroupBox(QStringLiteral(" Skriv "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 6, 190, 262);
    BuildCheckBoxes(
        this, GroupBox1,
        {
            {&TSkriva::Kollarank, "Kollarank", "Ranking", {10, 20, 170, 20}},
            {&TSkriva::Kollavinnare, "Kollavinnare", "Vinnare", {10, 40, 170, 20}},
            {&TSkriva::Kollavillkor, "Kollavillkor", "Villkor på ABCD", {10, 60, 170, 20}},
            {&TSkriva::Kollastartnr, "Kollastartnr", "startnr", {26, 98, 154, 20}},
            {&TSkriva::Kollapoeng, "Kollapoeng", "chans/poäng", {26, 118, 154, 20}},
            {&TSkriva::Kollaovrigt, "Kollaovrigt", "övrigt", {26, 138, 154, 20}},
            {&TSkriva::Kollachanser, "Kollachanser", "Vinstchanser", {10, 162, 170, 20}},
            {&TSkriva::Kollaprocenten, "Kollaprocenten", "Procenten, enkelrader", {10, 182, 170, 20}},
            {&TSkriva::Kollaavskrifter, "Kollaavskrifter", "Kuponger, rader", {10, 202, 170, 20}},
            {&TSkriva::Kollatext, "Kollatext", "Egen text", {10, 222, 170, 20}},
        });
    NewLabel(GroupBox1, QStringLiteral("Label7"), QStringLiteral("Tilläggsvillkor"), {10, 80, 170, 18});
}

void TSkriva::BuildRange()
{
    KnappAllaKup = NewRadioButton(this, QStringLiteral("KnappAllaKup"), QString(), {8, 276, 190, 20});
    KnappValdaKup = NewRadioButton(this, QStringLiteral("KnappValdaKup"), QString(), {8, 298, 190, 20});
    FromkupEdit = NewSpinEdit(this, QStringLiteral("FromkupEdit"), {8, 320, 70, 22}, 1, 1);
    NewLabel(this, QStringLiteral("Label3"), QStringLiteral("till och med nr"), {82, 322, 100, 18});
    TomkupEdit = NewSpinEdit(this, QStringLiteral("TomkupEdit"), {8, 346, 70, 22}, 1, 1);
    for (QSpinBox* edit : {FromkupEdit, TomkupEdit}) {
        QFont bold = edit->font();
        bold.setBold(true);
        edit->setFont(bold);
    }
    LabelNKup = NewLabel(this, QStringLiteral("LabelNKup"), QString(), {82, 348, 116, 18});
}

void TSkriva::BuildMargins()
{
    auto* GroupBox2 = new QGroupBox(QStringLiteral(" Marginaler [mm] "), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(206, 6, 189, 122);
    const struct {
        QSpinBox* TSkriva::*member;
        const char* name;
        const char* caption;
    } margins[] = {{&TSkriva::tmarginal, "tmarginal", "Toppmarginal:"},
                   {&TSkriva::bmarginal, "bmarginal", "Bottenmarginal:"},
                   {&TSkriva::vmarginal, "vmarginal", "Vänstermarginal:"},
                   {&TSkriva::hmarginal, "hmarginal", "Högermarginal:"}};
    int top = 20;
    for (const auto& m : margins) {
        NewLabel(GroupBox2, QStringLiteral("L") + QString::fromLatin1(m.name), QString::fromUtf8(m.caption),
                 {8, top + 2, 110, 18});
        this->*m.member = NewSpinEdit(GroupBox2, QString::fromLatin1(m.name), {120, top, 60, 22}, 0, 999);
        top += 24;
    }
    auto* RadioGroup1 = new QGroupBox(QStringLiteral(" Radavstånd "), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(206, 132, 189, 108);
    const char* names[] = {"extrastortavstand", "stortavstand", "normalavstand", "litetavstand"};
    const char* captions[] = {"Extra stor", "Stor", "Normal", "Liten"};
    for (std::size_t i = 0; i < spacing.size(); ++i)
        spacing[i] =
            NewRadioButton(RadioGroup1, QString::fromLatin1(names[i]), QString::fromUtf8(captions[i]),
                           {10, 18 + 21 * static_cast<int>(i), 170, 20});
    NewLabel(this, QStringLiteral("Label9"), QStringLiteral("Antal kopior"), {206, 248, 90, 20});
    NKopiorEdit = NewSpinEdit(this, QStringLiteral("NKopiorEdit"), {300, 246, 60, 22}, 0, 9999);
}

void TSkriva::BuildButtons()
{
    ::BuildButtons(this, this,
                   {
                       {&TSkriva::Button3, "Button3", "Skrivare", {206, 276, 92, 26}},
                       {&TSkriva::Button1, "Button1", "Teckensnitt", {303, 276, 92, 26}},
                       {&TSkriva::Button2, "Button2", "Skriv", {206, 308, 92, 26}},
                       {&TSkriva::Button4, "Button4", "Tillbaka", {303, 308, 92, 26}},
                       {&TSkriva::SparaKnapp, "SparaKnapp", "Spara inställningarna", {206, 340, 189, 26}},
                       {&TSkriva::Button5, "Button5", "Lägg till egen text", {206, 372, 189, 26}},
                   });
    connect(Button1, &QPushButton::clicked, this, &TSkriva::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSkriva::Button2Click);
    connect(Button3, &QPushButton::clicked, this, [this]() { ChoosePrinter(this); });
    connect(Button4, &QPushButton::clicked, this, &QWidget::close);
    connect(SparaKnapp, &QPushButton::clicked, this, &TSkriva::SparaKnappClick);
    connect(Button5, &QPushButton::clicked, this, []() { Egentext->ShowModal(); });
}

void TSkriva::ResetToStartState()
{
    SystemPrintSettings start;
    start.font = ToPrintFont(DesignFont());
    ApplySettings(start);
    for (QCheckBox* box : {Kollastartnr, Kollapoeng, Kollaovrigt, Kollaprocenten})
        box->setChecked(true);
    KnappAllaKup->setChecked(true);
    NKopiorEdit->setValue(1);
    Button2->setEnabled(false);
}

void TSkriva::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
    ScrollOnNarrowScreen();
    SystemPrintSettings start = Settings();
    start.font.pointSize = PointSizeOf(PrinterFont());
    const SystemPrintSettingsLoad load = LoadSystemPrintSettings(start, SettingsDir());
    ApplySettings(load.settings);
    if (!load.message.isEmpty())
        ShowMessage(load.message);
}

void TSkriva::ApplySettings(const SystemPrintSettings& s)
{
    Kollarank->setChecked(s.ranking);
    Kollachanser->setChecked(s.chances);
    Kollavinnare->setChecked(s.winners);
    Kollavillkor->setChecked(s.conditions);
    Kollaavskrifter->setChecked(s.rows);
    Kollatext->setChecked(s.ownText);
    tmarginal->setValue(s.topMm);
    bmarginal->setValue(s.bottomMm);
    vmarginal->setValue(s.leftMm);
    hmarginal->setValue(s.rightMm);
    spacing[static_cast<std::size_t>(s.spacing)]->setChecked(true);
    FontDialog1.setFont(ToQFont(s.font));
}

SystemPrintSettings TSkriva::Settings() const
{
    SystemPrintSettings s;
    s.ranking = Kollarank->isChecked();
    s.chances = Kollachanser->isChecked();
    s.winners = Kollavinnare->isChecked();
    s.conditions = Kollavillkor->isChecked();
    s.rows = Kollaavskrifter->isChecked();
    s.ownText = Kollatext->isChecked();
    s.topMm = tmarginal->value();
    s.bottomMm = bmarginal->value();
    s.leftMm = vmarginal->value();
    s.rightMm = hmarginal->value();
    for (std::size_t i = 0; i < spacing.size(); ++i)
        if (spacing[i]->isChecked())
            s.spacing = static_cast<LineSpacing>(i);
    s.font = ToPrintFont(FontDialog1.font());
    return s;
}

SystemPrintOptions TSkriva::Options() const
{
    SystemPrintOptions o;
    o.settings = Settings();
    o.startNumbers = Kollastartnr->isChecked();
    o.points = Kollapoeng->isChecked();
    o.otherNumbers = Kollaovrigt->isChecked();
    o.percentages = Kollaprocenten->isChecked();
    o.chosenRange = KnappValdaKup->isChecked();
    o.from = FromkupEdit->value();
    o.to = TomkupEdit->value();
    o.copies = NKopiorEdit->value();
    o.reduction = ReductionBoxes;
    return o;
}

void TSkriva::FormActivate()
{
    Button2->setEnabled(true);
    const bool coupons = CouponsBuilt == 1;
    const int count = coupons ? KeptCouponCount : SingleRowCount;
    LabelNKup->setText(coupons ? QStringLiteral("Totalt %1 kup.").arg(count)
                               : QStringLiteral("Totalt %1 rader").arg(count));
    KnappValdaKup->setText(coupons ? QStringLiteral("Fr o m kupnr") : QStringLiteral("Fr o m radnr"));
    KnappAllaKup->setText(coupons ? QStringLiteral("Alla kup.") : QStringLiteral("Alla rader"));
    for (QSpinBox* edit : {FromkupEdit, TomkupEdit})
        edit->setRange(1, std::max(count, 1));
    FromkupEdit->setValue(1);
    TomkupEdit->setValue(count);
    SharedPrinter().setPageOrientation(PrintPortrait == 1 ? QPageLayout::Portrait : QPageLayout::Landscape);
}

void TSkriva::hideEvent(QHideEvent* e)
{
    PrintPortrait = SharedPrinter().pageLayout().orientation() == QPageLayout::Landscape ? 0 : 1;
    VForm::hideEvent(e);
}

void TSkriva::Button1Click()
{
    FontDialog1.Execute(this);
    SetPrinterFont(FontDialog1.font());
}

void TSkriva::Button2Click()
{
    const SystemPrintOptions options = Options();
    SystemPrintResult result;
    {
        const HourglassCursor hourglass;
        PrinterCanvas canvas;
        result = PrintSystem(canvas, options);
    }
    for (const QString& message : result.messages)
        ShowMessage(message);
}

void TSkriva::SparaKnappClick()
{
    const bool portrait = SharedPrinter().pageLayout().orientation() != QPageLayout::Landscape;
    const QString failed = SaveSystemPrintSettings(Settings(), portrait, SettingsDir());
    if (!failed.isEmpty())
        ShowErrorMessage(failed);
}

TSkriva* Skriva = nullptr;
