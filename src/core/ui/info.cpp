#include "core/ui/info.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/ui/dialogs.h"

namespace {

const HelpWindowFrame Frame{"Information", "Komma igång", QSize(461, 452), Cream, Opening::Modal};

constexpr double PrintMarginMm = 20;

// A line as wide as the widest line of the guide: when it does not fit between the margins
// in the chosen font, the page is too small.
const QString WidthTestLine = QStringLiteral("För att kunna använda programmet behöver du manualen. Här  ");

const QStringList GuideLines = {
    QStringLiteral("KOMMA IGÅNG MED VIMSTA FÖR V65-V64"),
    QString(),
    QStringLiteral("Så här gör du ett system, från markering till rättning."),
    QString(),
    QStringLiteral("1. Markera hästarna"),
    QStringLiteral("Klicka på hästarnas rutor i huvudfönstret och lägg"),
    QStringLiteral("varje häst som du tror på i grupp A, B, C eller D."),
    QStringLiteral("A är dina säkraste hästar och D de mest osäkra."),
    QStringLiteral("Minst en häst ska vara markerad i varje avdelning."),
    QString(),
    QStringLiteral("2. Ta bort rader som du inte vill spela"),
    QStringLiteral("Med antalet vinnare i A, B, C och D bestämmer du hur"),
    QStringLiteral("många avdelningar varje grupp får vinna. ABCD-villkoren"),
    QStringLiteral("tar bort hela grupper av rader, och villkoren på"),
    QStringLiteral("startnummer tar bort rader efter de nummer de har."),
    QString(),
    QStringLiteral("3. Konstruera eller reducera systemet"),
    QStringLiteral("Klicka på \"Flerkupong\" så tar programmet fram alla"),
    QStringLiteral("rader som klarar villkoren och lägger ihop dem till"),
    QStringLiteral("kuponger. Vill du spela färre rader väljer du"),
    QStringLiteral("\"Varierande reducering\". Där ger du varje häst poäng,"),
    QStringLiteral("och programmet lottar fram enkelrader där hästarna"),
    QStringLiteral("kommer med efter sina poäng."),
    QString(),
    QStringLiteral("4. Spara systemet"),
    QStringLiteral("Spara systemet på en fil innan du lämnar in det. Då"),
    QStringLiteral("kan du läsa in det igen och rätta det efter loppen."),
    QString(),
    QStringLiteral("5. Lämna in systemet"),
    QStringLiteral("Skriv systemet som en fil för filspel och lämna in"),
    QStringLiteral("den hos ATG, eller skriv ut raderna på ATG:s kuponger."),
    QString(),
    QStringLiteral("6. Rätta systemet och värdera chanserna"),
    QStringLiteral("När loppen är körda skriver du in den rätta raden och"),
    QStringLiteral("de strukna hästarna i fönstret \"Rätta\". Programmet"),
    QStringLiteral("visar hur många rader du har med 6, 5 och 4 rätt."),
    QStringLiteral("Chansvärderingen visar hur stor chans ett reducerat"),
    QStringLiteral("system har att ge vinst."),
    QString(),
    QStringLiteral("Ansvar"),
    QStringLiteral("Programmet är gjort med stor omsorg, men det kan ändå"),
    QStringLiteral("finnas fel i det. Kontrollera alltid ditt system innan"),
    QStringLiteral("du lämnar in det. Upphovsmannen ansvarar inte för"),
    QStringLiteral("förluster eller uteblivna vinster, varken sådana som"),
    QStringLiteral("beror på programmet eller på hur det har använts."),
    QString(),
    QStringLiteral("Lycka till med spelet!"),
    QStringLiteral("Vimsta"),
};

// The font dialog's font before any choice.
QFont InitialPrintFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

MemoStyle GuideStyle()
{
    QFont arial(QStringLiteral("Liberation Sans"));
    arial.setPixelSize(13);
    return MemoStyle{true, true, arial};
}

}  // namespace

TInformation::TInformation() : HelpWindow(Frame), FontDialogInfo(InitialPrintFont())
{
    Info = AddMemo("Info", GuideLines, GuideStyle());
    const auto buttons =
        AddButtons({{"Button3", "Teckensnitt"}, {"Button2", "Skriv"}, {"Button1", "Tillbaka"}});
    connect(buttons[0], &QPushButton::clicked, this, &TInformation::Button3Click);
    connect(buttons[1], &QPushButton::clicked, this, &TInformation::Button2Click);
    connect(buttons[2], &QPushButton::clicked, this, &TInformation::Button1Click);
}

void TInformation::Button3Click()
{
    FontDialogInfo.Execute(this);
    SetPrinterFont(FontDialogInfo.font());
}

int TInformation::PrintText()
{
    const QFont font = FontDialogInfo.font();
    SetPrinterFont(font);
    const PageMetrics page = PrinterPage();
    const TextPageLayout layout = LayOutTextPages(page, PointSizeOf(font), PrintMarginMm);
    if (!layout.HoldsLines() || PrinterTextWidth(font, WidthTestLine) > layout.TextWidth(page)) {
        ShowMessage(PageTooSmallMessage);
        return 0;
    }
    const QStringList lines = Info->toPlainText().split(QLatin1Char('\n'));
    PrintJob job(windowTitle());
    if (!job.IsActive())
        return 0;
    for (int i = 0; i < lines.size(); ++i) {
        const int t = i % layout.linesPerPage;
        if (i > 0 && t == 0)
            job.NewPage();
        job.TextOut(layout.left, layout.LineTop(t), lines.at(i));
    }
    return job.Finish() ? job.PageCount() : 0;
}

TInformation* Information = nullptr;

void TInformation::FormCreate()
{
    ScrollOnNarrowScreen();
}
