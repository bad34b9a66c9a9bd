#include "core/ui/textinfo.h"

namespace {

const HelpWindowFrame Frame{"txtInfo", "Information om textfilen", QSize(334, 303), Silver, Opening::Modal};

const QStringList HelpLines = {
    QStringLiteral("TEXTFILEN"),
    QString(),
    QStringLiteral("Textfilen visar systemet som vanlig text: villkoren, kupongerna med sina reserver eller "
                   "enkelraderna. Du kan kopiera texten till ett ordbehandlingsprogram, spara den som en fil "
                   "eller lägga ut den för dina spelkamrater."),
    QString(),
    QStringLiteral("Högst 100 kuponger kan visas åt gången. Har systemet fler, väljer du den första och den "
                   "sista kupongen, sparar den delen som en fil och tar sedan nästa del på samma sätt."),
    QString(),
    QStringLiteral("Med \"Hämta\" kan du läsa in och visa vilken textfil som helst."),
};

}  // namespace

TtxtInfo::TtxtInfo() : HelpWindow(Frame)
{
    AddTextAndCloseButton(HelpLines, MemoStyle{false, false, QFont()}, "Tillbaka");
}

TtxtInfo* txtInfo = nullptr;
