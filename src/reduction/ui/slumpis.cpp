#include "reduction/ui/slumpis.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "model/notify.h"
#include "model/variabl.h"
#include "platform/ui/kit.h"
#include "reduction/randomcode.h"

TSlump* Slump = nullptr;

namespace {

constexpr const char* ExplanationLines[] = {
    "Normalt blir det olika raduppsättning vid varje systemkonstruktion,",
    "även om förutsättningarna är lika. Det är en fördel för alla som",
    "råkar gardera likadant.",
    "Men ibland finns det skäl att kunna återskapa raderna i ett system,",
    "till exempel när man ska rätta system som publiceras i tidningar,",
    "bolagsspel över telefon mm.",
    "Raderna i ett system som är skapat med rättningskod kan",
    "återskapas om man anger samma kod och exakt likadana ",
    "förutsättningar. Koden ska bestå av 1-4 siffror,",
};

}  // namespace

TSlump::TSlump() : VForm(QStringLiteral("Slump"), QSize(376, 323))
{
    setObjectName(QStringLiteral("Slump"));
    SetBackground(this, Qt::white);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    CentreOverMainWhenFirstShown();
    int y = 8;
    for (const char* line : ExplanationLines) {
        NewLabel(this, QString(), QString::fromUtf8(line), {10, y, 360, 16}, SansFont(12));
        y += 18;
    }
    auto* box = new QGroupBox(QStringLiteral(" Systemkonstruktion "), this);
    box->setObjectName(QStringLiteral("GroupBox1"));
    box->setGeometry(10, 182, 356, 84);
    KnappNormal =
        NewRadioButton(box, QStringLiteral("KnappNormal"), QStringLiteral("Normal"), {12, 22, 160, 22});
    KnappNormal->setChecked(true);
    RadioButton2 = NewRadioButton(box, QStringLiteral("RadioButton2"), QStringLiteral("Med rättningskod"),
                                  {12, 50, 160, 22});
    slumpedit = NewEdit(box, QStringLiteral("slumpedit"), {180, 49, 60, 24}, 4);
    slumpedit->setText(QString::number(RandomCode));
    Button1 = NewButton(this, QStringLiteral("Button1"), QStringLiteral("Återgå"), {138, 280, 100, 28});
    connect(slumpedit, &QLineEdit::textChanged, this, &TSlump::slumpeditChange);
    connect(Button1, &QPushButton::clicked, this, &TSlump::Button1Click);
    Events::SystemLoaded.Subscribe(this, [this] { slumpedit->setText(QString::number(RandomCode)); });
}

void TSlump::ResetToStartState()
{
    KnappNormal->setChecked(true);
    slumpedit->setText(QStringLiteral("765"));
}

void TSlump::slumpeditChange()
{
    RandomCode = RandomCodeFromText(slumpedit->text(), RandomCode);
    const QString plain = QString::number(RandomCode);
    if (slumpedit->text() != plain)
        slumpedit->setText(plain);
}

void TSlump::Button1Click()
{
    close();
}
