#include "output/ui/atgfilin.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>

#include "model/colours.h"
#include "model/variabl.h"
#include "output/betfile.h"
#include "platform/textfile.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/hourglass.h"
#include "platform/ui/kit.h"

namespace {

const QString BetFileFilter = QStringLiteral("ATG-fil (*.xml)|*.xml");

QSpinBox* NewSpinEdit(QWidget* parent, const QString& name, QRect rect, int low, int high)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setGeometry(rect);
    spin->setRange(low, high);
    return spin;
}

BetFileContent BuildWithHourglass(const BetFileRequest& request)
{
    const HourglassCursor hourglass;
    return BuildBetFile(request);
}

bool WriteWithHourglass(const QString& path, const QStringList& lines)
{
    const HourglassCursor hourglass;
    return WriteTextLines(path, lines);
}

}  // namespace

TATGFilform::TATGFilform() : VForm(QStringLiteral("ATG-fil"), QSize(293, 263))
{
    setObjectName(QStringLiteral("ATGFilform"));
    SetBackground(this, ToQColor(Cream));
    CentreOverMainWhenFirstShown();
    BuildRange();
    BuildChoices();
    ResetToStartState();
}

void TATGFilform::BuildRange()
{
    NewLabel(this, QStringLiteral("Label2"), QStringLiteral("Filen ska innehålla"), {12, 6, 200, 16},
             SansFont(13, true));
    RadioButton1 = NewRadioButton(this, QStringLiteral("RadioButton1"), QString(), {12, 26, 18, 17});
    labelalla = NewLabel(this, QStringLiteral("labelalla"), QString(), {32, 26, 200, 17});
    RadioButton2 = NewRadioButton(this, QStringLiteral("RadioButton2"), QString(), {12, 48, 18, 17});
    NewLabel(this, QStringLiteral("Label1"), QStringLiteral("kupongerna"), {32, 48, 70, 17});
    auto* range = new QButtonGroup(this);  // one of the two is always chosen
    range->addButton(RadioButton1);
    range->addButton(RadioButton2);
    SpinEdit1 = NewSpinEdit(this, QStringLiteral("SpinEdit1"), {104, 45, 70, 22}, 1, 1);
    NewLabel(this, QStringLiteral("Label3"), QStringLiteral("-"), {178, 48, 8, 17});
    SpinEdit2 = NewSpinEdit(this, QStringLiteral("SpinEdit2"), {190, 45, 70, 22}, 1, 1);
}

void TATGFilform::BuildChoices()
{
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(12, 70, 130, 34);
    ValV65 = NewRadioButton(GroupBox1, QStringLiteral("ValV65"), QStringLiteral("V65"), {8, 9, 55, 17});
    ValV64 = NewRadioButton(GroupBox1, QStringLiteral("ValV64"), QStringLiteral("V64"), {68, 9, 55, 17});
    NewLabel(this, QStringLiteral("Label4"), QStringLiteral("Är det rätt tävlingsdag?"), {12, 108, 170, 16});
    NewLabel(this, QStringLiteral("Label9"), QStringLiteral("Dagens datum? Ändra"), {12, 124, 130, 16});
    NewLabel(this, QStringLiteral("Label15"), QStringLiteral("datumet om det är fel."), {12, 140, 130, 16});
    Edit1 = NewEdit(this, QStringLiteral("Edit1"), {160, 122, 90, 22}, 10);
    NewLabel(this, QStringLiteral("Label5"), QStringLiteral("åååå-mm-dd"), {164, 146, 90, 16});
    V6box = NewCheckBox(this, QStringLiteral("V6box"), QStringLiteral("V6, vinst endast vid 6 rätt"),
                        {12, 164, 250, 18});
    NewLabel(this, QStringLiteral("Label8"), QStringLiteral("Antal system per kupong (flerbong)"),
             {12, 188, 210, 16});
    SpinEdit3 = NewSpinEdit(this, QStringLiteral("SpinEdit3"), {224, 185, 56, 22}, 0, 100);
    Pris = NewLabel(this, QStringLiteral("Pris"), QString(), {12, 208, 268, 16}, SansFont(13, true));
    Button1 = NewButton(this, QStringLiteral("Button1"), QStringLiteral("Spara filen"), {12, 230, 90, 25});
    Button2 = NewButton(this, QStringLiteral("Button2"), QStringLiteral("Stäng"), {190, 230, 90, 25});
    connect(SpinEdit3, &QSpinBox::valueChanged, this, &TATGFilform::SpinEdit3Change);
    connect(Button1, &QPushButton::clicked, this, &TATGFilform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QWidget::close);
}

void TATGFilform::FormCreate()
{
    RoundDate = TodayBetFileDate();
    Edit1->setText(RoundDate);
}

// As designed: all items, the range 1 - 1, V65, no V6, one system per coupon.
void TATGFilform::ResetToStartState()
{
    RadioButton1->setChecked(true);
    SpinEdit1->setValue(1);
    SpinEdit2->setValue(1);
    ValV65->setChecked(true);
    V6box->setChecked(false);
    SpinEdit3->setValue(1);
    saveDialogName_.clear();
}

// The multiplier, the pool and the date are set when the window is shown; a return from a
// message box keeps what the user typed.
void TATGFilform::FormShow()
{
    RefreshFromSystem();
    SpinEdit3->setValue(1);
    SpinEdit3Change();
    const QString game = GameType;
    if (game == QStringLiteral("v65"))
        ValV65->setChecked(true);
    else if (game == QStringLiteral("v64"))
        ValV64->setChecked(true);
    Edit1->setText(RoundDate);
}

void TATGFilform::RefreshFromSystem()
{
    const int32 count = BetItemCount();
    labelalla->setText(QStringLiteral("alla kuponger, %1 st").arg(count));
    for (QSpinBox* limit : {SpinEdit1, SpinEdit2})
        limit->setRange(1, std::max(count, 1));
    SpinEdit3Change();
}

void TATGFilform::SpinEdit3Change()
{
    Pris->setText(BetPriceText(ResultLabels.Prisrader, SpinEdit3->value()));
}

void TATGFilform::Button1Click()
{
    if (RadioButton2->isChecked() && SpinEdit2->value() < SpinEdit1->value()) {
        ShowMessage(BetRangeReversedMessage);
        return;
    }
    WriteBetFile();
}

void TATGFilform::WriteBetFile()
{
    BetFileRequest request;
    request.allItems = RadioButton1->isChecked();
    request.from = SpinEdit1->value();
    request.to = SpinEdit2->value();
    request.v65 = ValV65->isChecked();
    request.date = Edit1->text();
    request.v6 = V6box->isChecked();
    request.multiplier = SpinEdit3->value();
    const BetFileContent content = BuildWithHourglass(request);
    if (!content.refusal.isEmpty()) {
        ShowMessage(content.refusal);
        return;
    }
    RoundDate = request.date;
    const QString chosen = ChooseSaveFileName(this, BetFileFilter, saveDialogName_);
    if (chosen.isEmpty())
        return;
    saveDialogName_ = chosen;
    const QString fileName = BetFileName(chosen, BetFileCheckValue(content.lines));
    const QString shortName = QFileInfo(fileName).fileName();
    if (QFileInfo::exists(fileName) &&
        !AskYesNo(QStringLiteral("Ska filen ") + shortName + QStringLiteral(" skrivas över?")))
        return;
    if (!WriteWithHourglass(fileName, content.lines)) {
        ShowErrorMessage(QStringLiteral("Filen ") + shortName + QStringLiteral(" kunde inte skrivas."));
        return;
    }
    saveDialogName_ = fileName;
}

TATGFilform* ATGFilform = nullptr;
