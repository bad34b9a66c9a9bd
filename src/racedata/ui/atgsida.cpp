#include "racedata/ui/atgsida.h"

#include <QLabel>

#include "platform/ui/colours.h"
#include "platform/ui/kit.h"

namespace {

enum class Style { Head, Body, BodyBold, Small };

struct Text {
    int left, top;
    Style style;
    const char* text;
};

QFont FontOf(Style style)
{
    switch (style) {
        case Style::Head:
            return SansFont(15);
        case Style::Body:
            return SansFont(12);
        case Style::BodyBold:
            return SansFont(12, true);
        case Style::Small:
            break;
    }
    return SansFont(11);
}

void AddTexts(QWidget* parent, std::initializer_list<Text> texts)
{
    for (const Text& t : texts) {
        QLabel* label =
            NewLabel(parent, QString(), QString::fromUtf8(t.text), {t.left, t.top, 0, 0}, FontOf(t.style));
        label->adjustSize();
    }
}

}  // namespace

TATGBrowser::TATGBrowser() : VForm(QStringLiteral("Hämta startlistor"), QSize(504, 538))
{
    setObjectName(QStringLiteral("ATGBrowser"));
    CentreOverMainWhenFirstShown();
    SetBackground(this, Qt::white);
    setFont(SansFont(11));
    BuildTexts();
    BuildSketch();
}

void TATGBrowser::BuildTexts()
{
    AddTexts(this,
             {{78, 17, Style::Head, "Gör så här för att hämta startlistor till V65 och V64"},
              {21, 45, Style::Head, "1. Ta fram ATG's sida med startlistan i avd 1."},
              {38, 66, Style::Body,
               "Du kan använda Chrome, Firefox eller Edge, förmodligen även andra webbläsare."},
              {38, 81, Style::BodyBold, "Hästarna måste stå i nummerordning med nr 1 överst."},
              {38, 96, Style::Body, "Minska atg-rutan så att den inte täcker hela skärmen. "},
              {38, 111, Style::Body, "Välj Populär eller Detaljerad lista."},
              {38, 125, Style::Body, "Scrolla (\"rulla\") ATG-sidan så att avdnr syns upptill i bilden."},
              {21, 155, Style::Head, "2. Öppna sidan \"Startlistor, streck och odds\" i programmet."},
              {193, 179, Style::Body, "Minska ATG-rutan i höjdled och placera"},
              {193, 194, Style::Body, "rutorna så att avdnr och knapparna"},
              {193, 209, Style::Body, "\"Lägg in avd _\" syns hela tiden."},
              {193, 230, Style::Body, "Vilken ruta som ska vara framför den andra"},
              {193, 245, Style::Body, "ändras med ett klick i rutan bakom."},
              {21, 275, Style::Head, "3. Sätt ATG-rutan främst, klicka på CTRL-A och CTRL-C."},
              {38, 296, Style::Body, "Håll ner CTRL-knappen, klicka på A, sedan C och släpp upp CTRL."},
              {38, 311, Style::Body, "CTRL-A markerar hela sidan och CTRL-C lägger in sidan i Urklipp."},
              {21, 341, Style::Head, "4. Klicka på knappen \"Lägg in avd 1\". "},
              {38, 362, Style::Body, "Startlistan i avd 1 läggs in i programmet."},
              {21, 392, Style::Head, "5. Fortsätt med övriga avdelningar."},
              {38, 413, Style::Body, "a) Klicka på avdnr i ATG-rutan. "},
              {38, 428, Style::Body, "b) CTRL-C."},
              {38, 443, Style::Body, "c) Klicka på knappen \"Lägg in avd _\"."},
              {38, 458, Style::Body, "Klicka på nästa avdnr och så vidare."},
              {38, 479, Style::Body, "Sidorna växlar automatiskt med klick på avdnr och knappen Lägg in."},
              {38, 494, Style::Body, "Det blir två musklick och ett CTRL-C för varje avdelning. "},
              {38, 509, Style::Body, "ATG-sidan är markerad hela tiden så CTRL-A behövs bara till avd 1."}});
}

// The operator's page with the program's window drawn over its lower part.
void TATGBrowser::BuildSketch()
{
    NewShape(this, QStringLiteral("Shape7"), {38, 180, 140, 57}, Qt::white);
    AddTexts(this,
             {{42, 181, Style::Body, "ATG's sida med avd 1."}, {42, 194, Style::Small, "1 2 3 4 5 6 "}});
    NewShape(this, QStringLiteral("Shape8"), {50, 210, 110, 48}, Qt::white);
    AddTexts(this, {{54, 211, Style::Body, "Vimsta-sidan"},
                    {54, 224, Style::Body, "med startlistor."},
                    {56, 241, Style::Small, "Knappar Lägg in avd _ "}});
}

TATGBrowser* ATGBrowser = nullptr;
