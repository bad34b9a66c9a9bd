#include "racedata/ui/infohemtalistor.h"

#include <QPlainTextEdit>

#include "platform/ui/colours.h"
#include "platform/ui/kit.h"

namespace {

const char* const InfoLines[] = {
    "Startlistorna hämtas från atg.se.",
    "Följ punkterna 1-5 så hamnar startlistorna i programmets \"Data, rank\" och \"Grafik\".",
    "",
    "1. Klicka på knappen \"Till atg.se\".",
    "Programmets inbyggda webbläsare öppnas och ATG's sida hämtas in.",
    "",
    "2. Välj en V65- eller V64-omgång. Det går bra att välja även avgjorda omgångar.",
    "Ordningen på det som visas i avd ska vara HÄST - KUSK - V65%/V64% - V-ODDS.",
    "Om man vill kan man välja även annat efter V-ODDS. 5 senaste starter får inte finnas med.",
    "V-ODDS måste inte väljas och procenten kan vara heltal eller med decimaler.",
    "Valen kan ändras under \"ANPASSA\". Glöm inte SPARA.",
    "",
    "3. Markera allt.",
    "Klicka med höger musknapp någonstans där muspekaren visar en pil och inte en hand, ingen länk.",
    "I rutan som dyker upp väljer man \"Markera allt\" med vänster musknapp så blir texten markerad.",
    "",
    "4. Kopiera.",
    "När all text är markerad klickar man en gång till med höger musknapp på ett \"ofarligt\" ställe.",
    "I rutan som då visas klickar man med vänster musknapp på Kopiera. ",
    "Den markerade texten hamnar då i datorns minne, i Windows Urklipp.",
    "",
    "5. Klicka på knappen V65 eller V64. Klart! Webbläsarfönstret kan stängas eller flyttas.",
    "",
    "Storleken på webbläsarfönstret ändras om man drar i sidorna.",
    "Alla fönster kan flyttas på vanligt sätt med \"drag och släpp\" i listen överst.",
    "Hämtningen kan sluta fungera om ATG ändrar stommen i sidan. Vanligen kan det åtgärdas med uppdatering ",
    "av programmet. Vi kan ändå inte garantera att hämtningen kommer att fungera framöver. Programmet kan ",
    "användas även om hämtningen inte fungerar. Om webbläsaren inte fyller hela skärmen får man plats med "
    "både ",
    "programmet och ATG's sida med starlistor i samma bild. Hästarna kan då markeras i programmets "
    "huvudsida."};

}  // namespace

TInfoOmHemtning::TInfoOmHemtning() : VForm(QStringLiteral("Om hämtning av startlistor"), QSize(665, 436))
{
    setObjectName(QStringLiteral("InfoOmHemtning"));
    SetBackground(this, Qt::white);
    move(0, 0);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(6, 9, 657, 424);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setFont(SansFont(13));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QStringList lines;
    for (const char* line : InfoLines)
        lines << QString::fromUtf8(line);
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

TInfoOmHemtning* InfoOmHemtning = nullptr;
