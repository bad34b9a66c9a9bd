#include "reduction/ui/reducrader.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "conditions/mainrequests.h"
#include "model/notify.h"
#include "model/variabl.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/kit.h"
#include "views/olderstreck.h"
#include "views/ui/streckenreducerat.h"
#include "views/ui/streckforeduc.h"

namespace {

constexpr QRect ChanceRect(int race, int horse)
{
    return {40 + 30 * (horse - 1), 40 + 22 * (race - 1), 28, 20};
}

}  // namespace

TReducerader::TReducerader() : VForm(QStringLiteral("Beräkna enkelrader"), QSize(560, 330))
{
    setObjectName(QStringLiteral("Reducerader"));
    SetBackground(this, ToQColor(OlderWindowTeal));
    LSumma = NewBox(this, QStringLiteral("LSumma"), QStringLiteral("S:a"), {492, 18, 40, 20},
                    SansFont(12, true), Qt::white);
    for (int race = 1; race <= RaceSlots; ++race) {
        for (int horse = 1; horse <= StartNumbers; ++horse) {
            const QString name = QStringLiteral("p") + QString::number(race) + QString::number(horse);
            p[race][horse] = NewEdit(this, name, ChanceRect(race, horse), 3);
            connect(p[race][horse], &QLineEdit::textChanged, this,
                    [this, race, horse] { ChanceChange(race, horse); });
        }
        LSummaRace[race] =
            NewCentredLabel(this, QStringLiteral("LSumma") + QString::number(race), QStringLiteral("0"),
                            {492, ChanceRect(race, 1).top(), 40, 20}, SansFont(12, true));
    }
    Panel1 = NewBox(this, QStringLiteral("Panel1"), QString(), {40, 200, 448, 40}, SansFont(12), Qt::white);
    KnProcent =
        NewButton(this, QStringLiteral("KnProcent"), QStringLiteral("Visa procent"), {40, 250, 100, 25});
    KnInmatning =
        NewButton(this, QStringLiteral("KnInmatning"), QStringLiteral("Inmatning"), {150, 250, 100, 25});
    KnNoll = NewButton(this, QStringLiteral("KnNoll"), QStringLiteral("0"), {260, 250, 30, 25});
    KnEtt = NewButton(this, QStringLiteral("KnEtt"), QStringLiteral("1"), {300, 250, 30, 25});
    Button4 =
        NewButton(this, QStringLiteral("Button4"),
                  QStringLiteral("Visa streckfördelningen i det oreducerade systemet"), {40, 290, 300, 25});
    Button5 = NewButton(this, QStringLiteral("Button5"), QStringLiteral("Systemets streckfördelning"),
                        {350, 290, 180, 25});
    connect(Button4, &QPushButton::clicked, this, &TReducerader::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TReducerader::Button5Click);
    Events::ReductionPointsReplaced.Subscribe(this, [this] { ShowTransferredChances(); });
    ResetToStartState();
}

// The percent view, with every win chance as the table holds it.
void TReducerader::ResetToStartState()
{
    Panel1->show();
    KnProcent->setEnabled(false);
    KnInmatning->setEnabled(true);
    KnNoll->hide();
    KnEtt->hide();
    SetBackground(LSumma, Qt::white);
    for (int race = 1; race <= RaceSlots; ++race)
        for (int horse = 1; horse <= StartNumbers; ++horse)
            p[race][horse]->setText(QString::number(ReductionPoints[HorseIndex(race, horse)]));
}

void TReducerader::ChanceChange(int race, int horse)
{
    QLineEdit* field = p[race][horse];
    if (const auto restored = EnterOlderChance(race, horse, field->text())) {
        field->setText(*restored);
        return;
    }
    const int chance = ReductionPoints[HorseIndex(race, horse)];
    SetBackground(field, ToQColor(OlderStreckCellColour(race, horse, chance)));
    LSummaRace[race]->setText(QString::number(ChanceSum(race)));
}

// Each field whose text changes runs its change handler, which stores and colours it.
void TReducerader::ShowTransferredChances()
{
    for (int race = 1; race <= RaceSlots; ++race)
        for (int horse = 1; horse <= StartNumbers; ++horse)
            p[race][horse]->setText(QString::number(ReductionPoints[HorseIndex(race, horse)]));
    ShowChanceInputMode();
}

void TReducerader::ShowChanceInputMode()
{
    Panel1->hide();
    KnProcent->setEnabled(true);
    KnInmatning->setEnabled(false);
    KnNoll->show();
    KnEtt->show();
    SetBackground(LSumma, YellowColour);
}

void TReducerader::Button4Click()
{
    if (ResultLabels.Raderoreduc == QLatin1String("x"))
        RequestConstruction();
    streckoreduc->Show();
}

void TReducerader::Button5Click()
{
    if (SingleRowsBuilt == 1)
        Streckreducerat->Show();
    else
        ShowMessage(QStringLiteral("Det finns inga enkelrader."));
}

TReducerader* Reducerader = nullptr;
