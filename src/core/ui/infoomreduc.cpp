#include "core/ui/infoomreduc.h"

namespace {

const HelpWindowFrame Frame{"Inforeducering", "Reducering med enkelrader", QSize(419, 566), Cream,
                            Opening::Modal};

const QStringList HelpLines = {
    QStringLiteral("REDUCERING MED ENKELRADER"),
    QString(),
    QStringLiteral("Vid reducering med enkelrader väljer programmet ut ett antal rader ur det oreducerade "
                   "systemet. Det kan göras rakt eller varierande."),
    QString(),
    QStringLiteral("Rak reducering"),
    QStringLiteral(
        "Alla markerade hästar i en avdelning får lika stor chans. Varje häst kommer med på ungefär "
        "lika många rader."),
    QString(),
    QStringLiteral("Varierande reducering"),
    QStringLiteral("Du ger varje häst poäng efter hur stor chans du tror att den har. En häst kommer med på "
                   "rader i förhållande till sina poäng, så dina bästa hästar finns på flest rader."),
    QString(),
    QStringLiteral("Exempel"),
    QStringLiteral("I en avdelning har du markerat tre hästar, och systemet ska reduceras till 100 rader."),
    QStringLiteral("Med rak reducering kommer varje häst med på ungefär 33 rader."),
    QStringLiteral("Med varierande reducering ger du hästarna 60, 30 och 10 poäng. Då kommer den första "
                   "hästen med på ungefär 60 rader, den andra på 30 och den tredje på 10."),
    QStringLiteral("Vinner favoriten har du 60 rader kvar i stället för 33. Vinner den tredje hästen har du "
                   "bara 10 rader kvar i stället för 33."),
    QString(),
    QStringLiteral("Varierande reducering ger alltså fler rader på de hästar som har störst chans, men färre "
                   "på skrällarna. Ge därför inte en häst 0 poäng om du vill ha den med i systemet."),
};

}  // namespace

TInforeducering::TInforeducering() : HelpWindow(Frame)
{
    AddTextAndCloseButton(HelpLines, MemoStyle{false, true, QFont()}, "Stäng");
}

TInforeducering* Inforeducering = nullptr;
