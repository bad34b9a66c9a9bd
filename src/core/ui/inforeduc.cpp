#include "core/ui/inforeduc.h"

namespace {

const HelpWindowFrame Frame{"Reducinfo", "Om reducering", QSize(429, 370), Silver, Opening::Modal};

const QStringList HelpLines = {
    QStringLiteral("OM REDUCERING"),
    QString(),
    QStringLiteral("Ett oreducerat system innehåller alla rader som dina markeringar och villkor ger. Har du "
                   "med den rätta hästen i varje avdelning, har du alltså alltid 6 rätt."),
    QString(),
    QStringLiteral("Varje reducering tar bort rader. Den rätta raden kan vara en av dem som togs bort, och "
                   "då finns inte längre någon garanti för 6 rätt, hur man än reducerar."),
    QString(),
    QStringLiteral("Chansen till de lägre vinsterna, 5 och 4 rätt, beror på hur olika de rader är som blir "
                   "kvar. Skiljer sig raderna åt i många avdelningar, täcker de tillsammans fler utfall, och "
                   "chansen blir större att någon rad får 5 eller 4 rätt när 6 rätt inte går in."),
    QString(),
    QStringLiteral("För att styra skillnaden mellan raderna måste man arbeta med enkelrader, en rad i taget. "
                   "Raderna på en kupong skiljer sig bara åt i några få avdelningar, så när man tar bort "
                   "kuponger kan man inte välja vilka rader som ska bli kvar."),
    QString(),
    QStringLiteral("Här tar du därför bort hela kuponger: alla, varannan eller var tredje, de kuponger som "
                   "har fler rader än en viss gräns, eller enstaka kuponger. Det är det praktiska sättet att "
                   "snabbt göra ett stort system mindre."),
    QString(),
    QStringLiteral("Vill du ha en reducering som håller isär raderna, använder du i stället \"Varierande "
                   "reducering\" i huvudfönstret."),
};

}  // namespace

TReducinfo::TReducinfo() : HelpWindow(Frame)
{
    AddTextAndCloseButton(HelpLines, MemoStyle{}, "Tillbaka");
}

TReducinfo* Reducinfo = nullptr;
