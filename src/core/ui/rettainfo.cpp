#include "core/ui/rettainfo.h"

namespace {

const HelpWindowFrame Frame{"Rettningsinfo", "Rättningsdelen", QSize(417, 427), Cream, Opening::Modal};

const QStringList HelpLines = {
    QStringLiteral("RÄTTNINGSDELEN"),
    QString(),
    QStringLiteral("Rätt rad"),
    QStringLiteral(
        "Klicka under \"Rätt rad\" i rutan med vinnarens startnummer i varje avdelning. Klickar du "
        "i en annan ruta i samma avdelning flyttas markeringen dit. Klicka sedan på \"Rätta\". Har "
        "bara de första avdelningarna körts kan du rätta ändå och med \"Nästa avd\" se vad nästa "
        "avdelning kan ge."),
    QString(),
    QStringLiteral("Strukna hästar"),
    QStringLiteral("Klicka under \"Strukna\" i rutorna för de hästar som har strukits. En struken häst i "
                   "systemet ersätts med en reserv enligt systemets reservregel."),
    QString(),
    QStringLiteral("ATG:s turordning"),
    QStringLiteral("När systemets egna reserver inte räcker, eller när systemet saknar reserver, ersätts en "
                   "struken häst med nästa häst i ATG:s turordning. Skriv då in turordningen under "
                   "\"Turordning\" för varje avdelning där en häst i systemet har strukits. Rutorna ändras "
                   "från vänster till höger med upprepade klick. Det finns plats för 8 hästar per "
                   "avdelning, och de 8 första är de som räknas för enkelrader."),
    QString(),
    QStringLiteral("Fasta reserver"),
    QStringLiteral("Med fasta reserver kan samma startnummer vara både ordinarie häst och reserv. Stryks en "
                   "häst och reserven redan finns på kupongen, kommer reserven med två gånger i den "
                   "avdelningen. Vinner den, blir båda raderna rätt i den avdelningen."),
    QString(),
    QStringLiteral("Gå igenom vinstkupongerna för hand"),
    QStringLiteral(
        "När en struken häst har ersatts med en reserv visas \"Ordinarie har ersatts med reserv\". "
        "Har flera hästar på samma kupong strukits i samma avdelning, eller har också "
        "reserverna strukits, bör du gå igenom vinstkupongerna för hand och jämföra med ATG:s "
        "rättning."),
};

}  // namespace

TRettningsinfo::TRettningsinfo() : HelpWindow(Frame)
{
    AddTextAndCloseButton(HelpLines, MemoStyle{}, "Tillbaka");
}

TRettningsinfo* Rettningsinfo = nullptr;
