#include "output/ui/reservinf.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/ui/kit.h"

namespace {

const char* const HelpLines[] = {
    "Reserverna kan väljas på 4 olika sätt.",
    "",
    "Inga reserver (-)",
    "betyder förstås att programmet inte fyller i några reserver. ",
    "Turordningen gäller om du inte fyller i reserverna manuellt.",
    "",
    "Fasta reserver (F)",
    "Alla kupongerna får samma reserver. Välj reserverna i tabellen ",
    "till höger. Valet noll (0) innebär att den reserven inte fylls i på ",
    "kupongerna.",
    "",
    "Vald ordning (V)",
    "Din egen \"turordning\" gäller. Startnumren läses från vänster till ",
    "höger i den ordning som du själv har valt. Första startnr som ",
    "inte finns med på kupongen som ordinarie blir första reserv. ",
    "Andra \"lediga\" blir andra reserv.",
    "",
    "Närmast lägre (L)",
    "Startnumren läses från vänster till höger i den \"turordning\" som ",
    "du själv har valt. Riktmärket blir den lägst rankade häst som ",
    "finns på kupongen som ordinarie. Närmast lägre rankade efter ",
    "den blir första reserv och nästa blir andra reserv.",
};

}  // namespace

TReservinfo::TReservinfo() : VForm(QStringLiteral("Information om reserver"), QSize(426, 460))
{
    setObjectName(QStringLiteral("Reservinfo"));
    SetBackground(this, ToQColor(Cream));
    CentreOverMainWhenFirstShown();
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(24, 20, 377, 373);
    Memo1->setFont(SansFont(13));
    Memo1->setReadOnly(true);
    QStringList lines;
    for (const char* line : HelpLines)
        lines << QString::fromUtf8(line);
    Memo1->setPlainText(lines.join(u'\n'));
    Button1 = NewButton(this, QStringLiteral("Button1"), QStringLiteral("Tillbaka"), {336, 417, 75, 25});
    connect(Button1, &QPushButton::clicked, this, &TReservinfo::Button1Click);
}

void TReservinfo::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
}

TReservinfo* Reservinfo = nullptr;
