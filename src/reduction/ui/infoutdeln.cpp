#include "reduction/ui/infoutdeln.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "model/notify.h"
#include "model/variabl.h"
#include "platform/ui/kit.h"
#include "reduction/payoutlimits.h"

TInfoutd* Infoutd = nullptr;

namespace {

constexpr const char* ExplanationLines[] = {
    "Utdelningen beräknas från streckfördelningen och är",
    "därför mycket ungefärlig. Räkna med att rader kan tas",
    "bort eller finnas kvar i systemet även när den verkliga",
    "utdelningen är hälften eller dubbelt så stor som den",
    "gräns du har satt.",
};

void ShowLimit(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

}  // namespace

TInfoutd::TInfoutd() : VForm(QStringLiteral("Utdelningsintervall"), QSize(371, 211))
{
    setObjectName(QStringLiteral("Infoutd"));
    SetBackground(this, ToQColor(Cream));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    CentreOverMainWhenFirstShown();
    int y = 8;
    for (const char* line : ExplanationLines) {
        NewLabel(this, QString(), QString::fromUtf8(line), {12, y, 350, 17}, SansFont(13));
        y += 18;
    }
    NewLabel(this, QString(), QStringLiteral("Mycket ungefärliga gränser för utdelningen på 6 rätt"),
             {12, 106, 350, 17}, SansFont(13, true));
    Edit1 = NewEdit(this, QStringLiteral("Edit1"), {40, 132, 110, 24}, 10);
    Edit1->setText(QStringLiteral("0"));
    NewLabel(this, QString(), QStringLiteral("-"), {158, 132, 12, 24});
    Edit2 = NewEdit(this, QStringLiteral("Edit2"), {176, 132, 110, 24}, 10);
    Edit2->setText(QStringLiteral("100000000"));
    NewLabel(this, QString(), QStringLiteral("kr"), {294, 132, 24, 24});
    Button1 = NewButton(this, QStringLiteral("Button1"), QStringLiteral("Tillbaka"), {135, 172, 100, 28});
    connect(Edit1, &QLineEdit::textChanged, this, &TInfoutd::Edit1Change);
    connect(Edit2, &QLineEdit::textChanged, this, &TInfoutd::Edit2Change);
    connect(Button1, &QPushButton::clicked, this, &TInfoutd::Button1Click);
    // A loaded interval is no change by the user: it marks nothing stale.
    Events::SystemLoaded.Subscribe(this, [this] {
        const QSignalBlocker minimum(Edit1);
        const QSignalBlocker maximum(Edit2);
        Edit1->setText(QString::number(PayoutMin));
        Edit2->setText(QString::number(PayoutMax));
    });
}

void TInfoutd::ResetToStartState()
{
    const QSignalBlocker minimum(Edit1);
    const QSignalBlocker maximum(Edit2);
    Edit1->setText(QStringLiteral("0"));
    Edit2->setText(QStringLiteral("100000000"));
}

void TInfoutd::Edit1Change()
{
    ShowLimit(Edit1, ChangePayoutMin(Edit1->text()));
}

void TInfoutd::Edit2Change()
{
    ShowLimit(Edit2, ChangePayoutMax(Edit2->text()));
}

void TInfoutd::Button1Click()
{
    close();
}
