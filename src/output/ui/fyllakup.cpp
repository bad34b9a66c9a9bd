#include "output/ui/fyllakup.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "model/colours.h"
#include "model/variabl.h"
#include "platform/settingsdir.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/hourglass.h"
#include "platform/ui/kit.h"
#include "platform/ui/printercanvas.h"

namespace {

// One numeric field: its member, name, caption beside it, the setting it mirrors, its limits
// and its group box row.
struct SettingField {
    QSpinBox* TFyllikup::*member;
    const char* name;
    const char* caption;
    int32 TCouponFormSettings::*setting;
    SettingLimits limits;
    int group;
    int top;
};

const SettingField SettingFields[] = {
    {&TFyllikup::vmarginalK, "vmarginalK", "Vänstermarginal:", &TCouponFormSettings::leftMargin, MarginLimits,
     0, 20},
    {&TFyllikup::tmarginalK, "tmarginalK", "Toppmarginal:", &TCouponFormSettings::topMargin, MarginLimits, 0,
     46},
    {&TFyllikup::skrivbrK, "skrivbrK", "Bredd (1600) ", &TCouponFormSettings::width, FormWidthLimits, 1, 20},
    {&TFyllikup::skrivhojdK, "skrivhojdK", "Höjd (620) ", &TCouponFormSettings::height, FormHeightLimits, 1,
     46},
    {&TFyllikup::JusterpS, "JusterpS", "i sidled", &TCouponFormSettings::sideShift, ShiftLimits, 1, 94},
    {&TFyllikup::JusterpH, "JusterpH", "i höjdled", &TCouponFormSettings::verticalShift, ShiftLimits, 1, 120},
    {&TFyllikup::VridN, "VridN", "Vridning", &TCouponFormSettings::rotation, RotationLimits, 1, 148},
    {&TFyllikup::strecktjocklekK, "strecktjocklekK", "Tjocklek", &TCouponFormSettings::strokeThickness,
     ThicknessLimits, 2, 20},
    {&TFyllikup::StrecklengdK, "StrecklengdK", "Längd", &TCouponFormSettings::strokeLength,
     StrokeLengthLimits, 2, 46},
};

QSpinBox* NewField(QWidget* parent, const QString& name, QRect rect, int low, int high)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setGeometry(rect);
    spin->setRange(low, high);
    return spin;
}

QGroupBox* NewGroupBox(QWidget* parent, const QString& name, const QString& caption, QRect rect)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(rect);
    return box;
}

}  // namespace

TFyllikup::TFyllikup()
    : VForm(QStringLiteral("Fylla i V64 kuponger"), QSize(598, 448)), FontDialogV75(PrinterFont())
{
    setObjectName(QStringLiteral("Fyllikup"));
    SetBackground(this, ToQColor(Silver));
    CentreOverMainWhenFirstShown();
    BuildSettingsFields();
    BuildFormDrawing();
    BuildButtons();
    ShowSettings();
}

void TFyllikup::BuildSettingsFields()
{
    QGroupBox* groups[] = {NewGroupBox(this, QStringLiteral("GroupBoxMarginaler"),
                                       QStringLiteral(" Marginaler [ 0,1 mm] "), {8, 8, 280, 76}),
                           NewGroupBox(this, QStringLiteral("GroupBoxSkrivyta"),
                                       QStringLiteral(" Skrivyta [ 0,1 mm] "), {8, 90, 280, 180}),
                           NewGroupBox(this, QStringLiteral("GroupBoxStrecken"),
                                       QStringLiteral(" Strecken [ 0,1 mm] "), {8, 276, 280, 76})};
    NewLabel(groups[1], QStringLiteral("LabelFlytta"), QStringLiteral("Flytta mittpunkten"),
             {10, 74, 200, 16});
    for (const SettingField& f : SettingFields) {
        QWidget* box = groups[f.group];
        NewLabel(box, QStringLiteral("Label") + QLatin1String(f.name), QString::fromUtf8(f.caption),
                 {f.group == 1 && f.top >= 94 && f.top <= 120 ? 24 : 10, f.top + 2, 130, 16});
        QSpinBox* spin =
            NewField(box, QString::fromLatin1(f.name), {150, f.top, 80, 22}, f.limits.low, f.limits.high);
        this->*f.member = spin;
        const auto setting = f.setting;
        connect(spin, &QSpinBox::valueChanged, this,
                [setting](int value) { CouponFormSettings.*setting = value; });
    }
    GroupBox1 =
        NewGroupBox(this, QStringLiteral("GroupBox1"), QStringLiteral(" 0 kuponger "), {8, 358, 280, 80});
    NewLabel(GroupBox1, QStringLiteral("LabelFrom"), QStringLiteral("Skriv fr o m kup."), {10, 22, 130, 16});
    Skrivfromkup = NewField(GroupBox1, QStringLiteral("Skrivfromkup"), {150, 20, 80, 22}, 1, 1);
    NewLabel(GroupBox1, QStringLiteral("LabelTo"), QStringLiteral("t o m kupong"), {10, 48, 130, 16});
    Skrivtomkup = NewField(GroupBox1, QStringLiteral("Skrivtomkup"), {150, 46, 80, 22}, 1, 1);
    Numrerakupong = NewCheckBox(this, QStringLiteral("Numrerakupong"), QStringLiteral("Numrera kup."),
                                {300, 216, 140, 18});
    V6 = NewCheckBox(this, QStringLiteral("V6"), QStringLiteral("V6"), {450, 216, 60, 18});
    connect(Numrerakupong, &QCheckBox::toggled, this, [](bool on) { CouponFormSettings.numbering = on; });
    connect(V6, &QCheckBox::toggled, this, [](bool on) { CouponFormSettings.v6 = on; });
    // The coupon type and "Fylla i insatsen" lie below the client area: only the settings file
    // changes them.
    Nykupong = NewRadioButton(this, QStringLiteral("Nykupong"), QStringLiteral("V75"), {8, 460, 100, 18});
    Kupongmedreserv = NewRadioButton(this, QStringLiteral("Kupongmedreserv"), QStringLiteral("Gammal, lång"),
                                     {110, 460, 120, 18});
    Kupongutanreserv = NewRadioButton(this, QStringLiteral("Kupongutanreserv"),
                                      QStringLiteral("Gammal, kort"), {232, 460, 120, 18});
    Fyllaiinsatsen = NewCheckBox(this, QStringLiteral("Fyllaiinsatsen"), QStringLiteral("Fylla i insatsen"),
                                 {360, 460, 140, 18});
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{Nykupong, Kupongmedreserv, Kupongutanreserv, Fyllaiinsatsen})
        hidden->hide();
    Fyllaiinsatsen->setEnabled(false);
}

// A small drawing of the form that names the settings.
void TFyllikup::BuildFormDrawing()
{
    auto* drawing = new QFrame(this);
    drawing->setObjectName(QStringLiteral("Formbild"));
    drawing->setGeometry(300, 8, 290, 200);
    auto* form = new QFrame(drawing);
    form->setObjectName(QStringLiteral("Kupongbild"));
    form->setGeometry(70, 40, 200, 120);
    form->setFrameShape(QFrame::Box);
    SetBackground(form, Qt::white);
    const struct {
        const char* name;
        const char* caption;
        QRect rect;
    } labels[] = {{"LabelToppmarg", "Toppmarg.", {80, 4, 100, 16}},
                  {"LabelVanster", "Vänstermarginal", {2, 164, 110, 16}},
                  {"LabelBredd", "Bredd ( 1600 )", {130, 164, 110, 16}},
                  {"LabelHojd", "Höjd", {4, 80, 60, 16}},
                  {"LabelHojd620", "( 620 )", {4, 96, 60, 16}},
                  {"LabelMittpunkt", "Mittpunkt ( 0,0 )", {120, 84, 130, 16}},
                  {"LabelVridning", "Vridning (0)", {160, 20, 100, 16}},
                  {"LabelPlus", "+", {276, 40, 12, 16}},
                  {"LabelMinus", "-", {276, 140, 12, 16}}};
    for (const auto& l : labels)
        NewLabel(drawing, QString::fromLatin1(l.name), QString::fromUtf8(l.caption), l.rect);
    drawing->findChild<QLabel*>(QStringLiteral("LabelMittpunkt"))->raise();
}

void TFyllikup::BuildButtons()
{
    ::BuildButtons(this, this,
                   {{&TFyllikup::Button4, "Button4", "Skriv ut en testkupong", {300, 244, 290, 25}},
                    {&TFyllikup::Knappskriv, "Knappskriv", "Skriv", {300, 276, 140, 25}},
                    {&TFyllikup::Button1, "Button1", "Skrivare", {450, 276, 140, 25}},
                    {&TFyllikup::Button3, "Button3", "Teckensnitt", {300, 308, 140, 25}},
                    {&TFyllikup::Knappspara, "Knappspara", "Spara inställn.", {450, 308, 140, 25}},
                    {&TFyllikup::Button2, "Button2", "Tillbaka", {450, 413, 140, 25}}});
    connect(Button4, &QPushButton::clicked, this, &TFyllikup::Button4Click);
    connect(Knappskriv, &QPushButton::clicked, this, &TFyllikup::KnappskrivClick);
    connect(Button1, &QPushButton::clicked, this, &TFyllikup::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TFyllikup::Button3Click);
    connect(Knappspara, &QPushButton::clicked, this, &TFyllikup::KnappsparaClick);
    connect(Button2, &QPushButton::clicked, this, &QWidget::close);
}

// Placement, then the settings file; its font becomes the printer's.
void TFyllikup::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
    ScrollOnNarrowScreen();
    const QString refused = ReadCouponFormSettings(SettingsDir());
    FontDialogV75.setFont(ToQFont(CouponFormSettings.font));
    SetPrinterFont(FontDialogV75.font());
    ShowSettings();
    if (!refused.isEmpty())
        ShowMessage(refused);
}

void TFyllikup::ResetToStartState()
{
    FontDialogV75.setFont(ToQFont(CouponFormSettings.font));
    ShowSettings();
}

void TFyllikup::ShowSettings()
{
    const TCouponFormSettings settings = CouponFormSettings;
    for (const SettingField& f : SettingFields)
        (this->*f.member)->setValue(settings.*f.setting);
    Numrerakupong->setChecked(settings.numbering);
    V6->setChecked(settings.v6);
    Fyllaiinsatsen->setChecked(settings.fillStake);
    Nykupong->setChecked(settings.kind == CouponFormKind::New);
    Kupongmedreserv->setChecked(settings.kind == CouponFormKind::OldLong);
    Kupongutanreserv->setChecked(settings.kind == CouponFormKind::OldShort);
}

void TFyllikup::FormShow()
{
    const int count = std::max(KeptCouponCount, 1);
    GroupBox1->setTitle(QStringLiteral(" %1 kuponger ").arg(KeptCouponCount));
    for (QSpinBox* range : {Skrivfromkup, Skrivtomkup})
        range->setRange(1, count);
    Skrivfromkup->setValue(1);
    Skrivtomkup->setValue(count);
    SharedPrinter().setPageOrientation(CouponFormSettings.portrait ? QPageLayout::Portrait
                                                                   : QPageLayout::Landscape);
}

void TFyllikup::closeEvent(QCloseEvent* e)
{
    CouponFormSettings.portrait = SharedPrinter().pageLayout().orientation() == QPageLayout::Portrait;
    VForm::closeEvent(e);
}

void TFyllikup::TakeChoices()
{
    CouponFormSettings.kind = Kupongutanreserv->isChecked()  ? CouponFormKind::OldShort
                              : Kupongmedreserv->isChecked() ? CouponFormKind::OldLong
                                                             : CouponFormKind::New;
    CouponFormSettings.font = ToPrintFont(FontDialogV75.font());
}

void TFyllikup::Button1Click()
{
    ChoosePrinter(this);
}

// The printer's canvas takes the dialog's font, also when the dialog was cancelled.
void TFyllikup::Button3Click()
{
    FontDialogV75.Execute(this);
    SetPrinterFont(FontDialogV75.font());
}

void TFyllikup::KnappsparaClick()
{
    TakeChoices();
    CouponFormSettings.font = ToPrintFont(PrinterFont());
    CouponFormSettings.portrait = SharedPrinter().pageLayout().orientation() == QPageLayout::Portrait;
    if (!WriteCouponFormSettings(SettingsDir()))
        ShowErrorMessage(QStringLiteral("Filen ") + CouponFormSettingsFileName +
                         QStringLiteral(" kunde inte skrivas."));
}

void TFyllikup::Print(const std::function<QString(PrintCanvas&)>& print)
{
    TakeChoices();
    QString failure;
    {
        const HourglassCursor hourglass;
        PrinterCanvas canvas;
        failure = print(canvas);
    }
    if (!failure.isEmpty())
        ShowMessage(failure);
}

void TFyllikup::KnappskrivClick()
{
    const int32 first = Skrivfromkup->value();
    const int32 last = Skrivtomkup->value();
    Print([&](PrintCanvas& canvas) { return PrintCouponForms(canvas, CouponFormSettings, first, last); });
}

void TFyllikup::Button4Click()
{
    Print([](PrintCanvas& canvas) { return PrintTestCoupon(canvas, CouponFormSettings); });
}

TFyllikup* Fyllikup = nullptr;
