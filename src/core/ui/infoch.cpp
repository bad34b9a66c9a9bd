#include "core/ui/infoch.h"

namespace {

const HelpWindowFrame Frame{"InfoChans", "Information till chansvärdering, poäng och streckfördelning",
                            QSize(540, 457), Cream, Opening::Modeless};

const QStringList HelpLines = {
    QStringLiteral("POÄNGVILLKOR"),
    QString(),
    QStringLiteral("Poäng"),
    QStringLiteral("Ge varje häst ett värde från 0 till 100: din bedömning av hästens chans, strecken i "
                   "procent eller något annat mått. Summan för varje avdelning visas under rutorna."),
    QString(),
    QStringLiteral("Radsumma"),
    QStringLiteral("Radsumman är summan av poängen för radens hästar i de sex avdelningarna. Skriv in lägsta "
                   "och högsta summa (0-700) och bocka i \"aktiv\". Med \"Krav\" blir bara raderna inom "
                   "gränserna kvar; med \"Ta bort\" tas just de raderna bort. Byt med \"Växla\". Under "
                   "rutorna visas den lägsta och den högsta summa som dina markerade hästar kan ge."),
    QString(),
    QStringLiteral("Radprodukt"),
    QStringLiteral("Radprodukten är poängen för radens hästar multiplicerade med varandra. En häst med 0 "
                   "poäng räknas som 1. Gränserna skrivs som ett tal följt av ett antal nollor, och \"Krav\" "
                   "och \"Ta bort\" fungerar som för radsumman."),
    QString(),
    QStringLiteral("Upp till 100 villkor"),
    QStringLiteral("Du kan ha upp till 100 poängvillkor samtidigt. Bläddra mellan dem med rullningslisten "
                   "överst. Varje villkor har egna poäng, egna gränser och en egen kommentar. Med "
                   "\"Kopiera\" och \"Klistra in\" gör du ett nytt villkor av ett gammalt."),
    QString(),
    QStringLiteral("Strecken"),
    QStringLiteral(
        "När startlistorna med streck är hämtade ger \"V64-Procent\" varje häst strecket i procent "
        "som poäng. Med \"Spara villkoret\" sparar du villkorets poäng och gränser på en fil, och "
        "med \"Läs in sparat villkor\" hämtar du tillbaka dem, till exempel inför nästa omgång."),
    QString(),
    QStringLiteral("Ordning"),
    QStringLiteral("\"Ordning\" visar hästarna i en avdelning ordnade efter poängen i ett villkor, med varje "
                   "hästs andel av avdelningens poäng i procent."),
    QString(),
    QStringLiteral("Klicka på \"Beräkna antalet rader\" för att se hur många rader som blir kvar med alla "
                   "villkor."),
};

}  // namespace

TInfoChans::TInfoChans() : HelpWindow(Frame)
{
    AddTextAndCloseButton(HelpLines, MemoStyle{}, "Tillbaka");
}

TInfoChans* InfoChans = nullptr;

void TInfoChans::FormCreate()
{
    ScrollOnNarrowScreen();
}
