#include "core/ui/utdelningsintervall.h"

namespace {

const HelpWindowFrame Frame{"Infoutdelning", "Utdelningsintervall", QSize(518, 457), Cream,
                            Opening::Modeless};

const QStringList HelpLines = {
    QStringLiteral("UTDELNINGSINTERVALL"),
    QString(),
    QStringLiteral("Med utdelningsintervallet behåller du bara de rader vars utdelning på 6 rätt kan väntas "
                   "ligga mellan en lägsta och en högsta gräns i kronor. Programmet uppskattar utdelningen "
                   "för varje rad från streckfördelningen: ju färre som har spelat radens hästar, desto "
                   "högre utdelning. Rader utanför gränserna tas bort."),
    QString(),
    QStringLiteral("Uppskattningen är mycket ungefärlig. Räkna med att rader kan tas bort eller bli kvar "
                   "även när den verkliga utdelningen är hälften eller dubbelt så stor som gränsen."),
    QString(),
    QStringLiteral("Så här gör du"),
    QStringLiteral("1. Hämta startlistorna med streck för alla sex avdelningar."),
    QStringLiteral("2. Klicka på \"Utdelningsintervall\" i huvudfönstret. Rutan \"aktiv\" bredvid knappen "
                   "bockas i."),
    QStringLiteral("3. Skriv in den lägsta och den högsta utdelningen. 0 som lägsta gräns och 100000000 som "
                   "högsta betyder att den gränsen inte används."),
    QStringLiteral("4. Konstruera systemet med \"Flerkupong\" eller reducera det med \"Varierande "
                   "reducering\". Raderna utanför intervallet kommer då inte med."),
    QString(),
    QStringLiteral("Tar du bort bocken i \"aktiv\" gäller inte gränserna längre."),
};

}  // namespace

TInfoutdelning::TInfoutdelning() : HelpWindow(Frame)
{
    AddTextAndCloseButton(HelpLines, MemoStyle{}, "Tillbaka");
}

TInfoutdelning* Infoutdelning = nullptr;
