#include "platform/ui/swedishtexts.h"

#include <QByteArray>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHash>
#include <QIdentityProxyModel>
#include <QLocale>

namespace {

struct SwedishText {
    const char* context;
    const char* source;
    const char* swedish;
};

constexpr SwedishText Texts[] = {
    // The printer dialog.
    {"QPrintDialog", "&Print", "&Skriv ut"},
    {"QPrintDialog", "&Options >>", "&Alternativ >>"},
    {"QPrintDialog", "&Options <<", "&Alternativ <<"},
    {"QPrintDialog", "Print to File (PDF)", "Skriv ut till fil (PDF)"},
    {"QPrintDialog", "Local file", "Lokal fil"},
    {"QPrintDialog", "Write PDF file", "Skriv PDF-fil"},
    {"QPrintDialog", "All Pages", "Alla sidor"},
    {"QPrintDialog", "Odd Pages", "Udda sidor"},
    {"QPrintDialog", "Even Pages", "Jämna sidor"},
    {"QPrintDialog", "The 'From' value cannot be greater than the 'To' value.",
     "Värdet \"från\" kan inte vara större än värdet \"till\"."},
    {"QPrintDialog", "Left to Right, Top to Bottom", "Vänster till höger, uppifrån och ned"},
    {"QPrintDialog", "Left to Right, Bottom to Top", "Vänster till höger, nedifrån och upp"},
    {"QPrintDialog", "Right to Left, Bottom to Top", "Höger till vänster, nedifrån och upp"},
    {"QPrintDialog", "Right to Left, Top to Bottom", "Höger till vänster, uppifrån och ned"},
    {"QPrintDialog", "Bottom to Top, Left to Right", "Nedifrån och upp, vänster till höger"},
    {"QPrintDialog", "Bottom to Top, Right to Left", "Nedifrån och upp, höger till vänster"},
    {"QPrintDialog", "Top to Bottom, Left to Right", "Uppifrån och ned, vänster till höger"},
    {"QPrintDialog", "Top to Bottom, Right to Left", "Uppifrån och ned, höger till vänster"},
    {"QPrintWidget", "&Name:", "&Namn:"},
    {"QPrintWidget", "P&roperties", "&Egenskaper"},
    {"QPrintWidget", "Location:", "Plats:"},
    {"QPrintWidget", "Type:", "Typ:"},
    {"QPrintWidget", "Output &file:", "Utdata&fil:"},
    {"QPrintWidget", "Preview", "Förhandsgranska"},
    {"QPrintSettingsOutput", "Pages", "Sidor"},
    {"QPrintSettingsOutput", "Current Page", "Aktuell sida"},
    {"QPrintSettingsOutput", "Page Set:", "Sidurval:"},
    {"QPrintSettingsOutput", "Output Settings", "Utskriftsinställningar"},
    {"QPrintSettingsOutput", "Copies:", "Kopior:"},
    {"QPrintSettingsOutput", "Reverse", "Omvänd ordning"},
    {"QPrintSettingsOutput", "Options", "Alternativ"},
    {"QPrintSettingsOutput", "Color Mode", "Färgläge"},
    {"QPrintSettingsOutput", "Color", "Färg"},
    {"QPrintSettingsOutput", "Grayscale", "Gråskala"},
    {"QPrintSettingsOutput", "Double Sided Printing", "Dubbelsidig utskrift"},
    {"QPrintSettingsOutput", "Off", "Av"},
    {"QPrintSettingsOutput", "Long side binding", "Bindning längs långsidan"},
    {"QPrintSettingsOutput", "Short side binding", "Bindning längs kortsidan"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a "
     "hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Ange sidor eller intervall åtskilda med kommatecken. Ett intervall anges med två tal och ett "
     "bindestreck emellan. T.ex. skriver 3,5-7,9 ut sidorna 3, 5, 6, 7 och 9."},
    // The printer's properties.
    {"QPrintPropertiesDialog", "Printer Properties", "Skrivarens egenskaper"},
    {"QPrintPropertiesDialog", "Job Options", "Jobbalternativ"},
    {"QPrintPropertiesWidget", "Page", "Sida"},
    {"QPrintPropertiesWidget", "Advanced", "Avancerat"},
    {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
     "Några alternativ står i konflikt med varandra. Rätta dem."},
    {"QPageSetupWidget", "Paper", "Papper"},
    {"QPageSetupWidget", "Width:", "Bredd:"},
    {"QPageSetupWidget", "Height:", "Höjd:"},
    {"QPageSetupWidget", "Orientation", "Orientering"},
    {"QPageSetupWidget", "Reverse landscape", "Omvänt liggande"},
    {"QPageSetupWidget", "Reverse portrait", "Omvänt stående"},
    {"QPageSetupWidget", "Margins", "Marginaler"},
    {"QPageSetupWidget", "top margin", "övre marginal"},
    {"QPageSetupWidget", "left margin", "vänster marginal"},
    {"QPageSetupWidget", "right margin", "höger marginal"},
    {"QPageSetupWidget", "bottom margin", "nedre marginal"},
    {"QPageSetupWidget", "Page Layout", "Sidlayout"},
    {"QPageSetupWidget", "Page order:", "Sidordning:"},
    {"QPageSetupWidget", "Pages per sheet:", "Sidor per ark:"},
    {"QPageSetupWidget", "Custom", "Anpassad"},
    {"QPageSetupWidget", "Millimeters (mm)", "Millimeter (mm)"},
    {"QPageSetupWidget", "Inches (in)", "Tum (in)"},
    {"QPageSetupWidget", "Points (pt)", "Punkter (pt)"},
    {"QCupsJobWidget", "Job", "Jobb"},
    {"QCupsJobWidget", "Job Control", "Jobbhantering"},
    {"QCupsJobWidget", "Scheduled printing:", "Schemalagd utskrift:"},
    {"QCupsJobWidget", "Billing information:", "Faktureringsuppgifter:"},
    {"QCupsJobWidget", "Job priority:", "Jobbprioritet:"},
    {"QCupsJobWidget", "Banner Pages", "Försättsblad"},
    {"QCupsJobWidget", "End:", "Slut:"},
    {"QCupsJobWidget", "Start:", "Början:"},
    {"QCupsJobWidget", "Print Immediately", "Skriv ut genast"},
    {"QCupsJobWidget", "Hold Indefinitely", "Vänta tills vidare"},
    {"QCupsJobWidget", "Day (06:00 to 17:59)", "Dag (06:00 till 17:59)"},
    {"QCupsJobWidget", "Night (18:00 to 05:59)", "Natt (18:00 till 05:59)"},
    {"QCupsJobWidget", "Second Shift (16:00 to 23:59)", "Andra skiftet (16:00 till 23:59)"},
    {"QCupsJobWidget", "Third Shift (00:00 to 07:59)", "Tredje skiftet (00:00 till 07:59)"},
    {"QCupsJobWidget", "Weekend (Saturday to Sunday)", "Helg (lördag till söndag)"},
    {"QCupsJobWidget", "Specific Time", "Angiven tid"},
    {"QCupsJobWidget", "None", "Inget"},
    {"QCupsJobWidget", "Unclassified", "Oklassificerat"},
    {"QCupsJobWidget", "Confidential", "Konfidentiellt"},
    {"QCupsJobWidget", "Classified", "Klassificerat"},
    {"QCupsJobWidget", "Secret", "Hemligt"},
    {"QCupsJobWidget", "Top Secret", "Kvalificerat hemligt"},
    // The file dialog.
    {"QFileDialog", "Look in:", "Leta i:"},
    {"QFileDialog", "Go back", "Gå tillbaka"},
    {"QFileDialog", "Go forward", "Gå framåt"},
    {"QFileDialog", "Go to the parent directory", "Gå till föräldrakatalogen"},
    {"QFileDialog", "Create a New Folder", "Skapa en ny mapp"},
    {"QFileDialog", "Change to list view mode", "Byt till listvy"},
    {"QFileDialog", "Change to detail view mode", "Byt till detaljerad vy"},
    {"QFileDialog", "Sidebar", "Sidopanel"},
    {"QFileDialog", "List of places and bookmarks", "Platser och bokmärken"},
    {"QFileDialog", "Files", "Filer"},
    {"QFileDialog", "Show ", "Visa "},
    {"QFileDialog", "&New Folder", "&Ny mapp"},
    {"QFileSystemModel", "Computer", "Dator"},
    {"QAbstractFileIconProvider", "Drive", "Enhet"},
    {"QAbstractFileIconProvider", "Folder", "Mapp"},
    // The font dialog's writing systems and styles.
    {"QFontDatabase", "Any", "Alla"},
    {"QFontDatabase", "Latin", "Latinskt"},
    {"QFontDatabase", "Greek", "Grekiskt"},
    {"QFontDatabase", "Cyrillic", "Kyrilliskt"},
    {"QFontDatabase", "Armenian", "Armeniskt"},
    {"QFontDatabase", "Hebrew", "Hebreiskt"},
    {"QFontDatabase", "Arabic", "Arabiskt"},
    {"QFontDatabase", "Syriac", "Syriskt"},
    {"QFontDatabase", "Bengali", "Bengaliskt"},
    {"QFontDatabase", "Tamil", "Tamilskt"},
    {"QFontDatabase", "Sinhala", "Singalesiskt"},
    {"QFontDatabase", "Thai", "Thailändskt"},
    {"QFontDatabase", "Lao", "Laotiskt"},
    {"QFontDatabase", "Tibetan", "Tibetanskt"},
    {"QFontDatabase", "Myanmar", "Burmesiskt"},
    {"QFontDatabase", "Georgian", "Georgiskt"},
    {"QFontDatabase", "Simplified Chinese", "Förenklad kinesiska"},
    {"QFontDatabase", "Traditional Chinese", "Traditionell kinesiska"},
    {"QFontDatabase", "Japanese", "Japanska"},
    {"QFontDatabase", "Korean", "Koreanska"},
    {"QFontDatabase", "Vietnamese", "Vietnamesiska"},
    {"QFontDatabase", "Symbol", "Symboler"},
    {"QFontDatabase", "Runic", "Runor"},
    {"QFontDatabase", "Italic", "Kursiv"},
    {"QFontDatabase", "Oblique", "Lutande"},
    // The spin boxes' context menu.
    {"QAbstractSpinBox", "&Select All", "Markera &alla"},
};

QByteArray Key(const char* context, const char* source)
{
    return QByteArray(context) + '\0' + source;
}

const QHash<QByteArray, QString>& SwedishByKey()
{
    static const QHash<QByteArray, QString> table = [] {
        QHash<QByteArray, QString> byKey;
        for (const SwedishText& text : Texts)
            byKey.insert(Key(text.context, text.source), QString::fromUtf8(text.swedish));
        return byKey;
    }();
    return table;
}

}  // namespace

QString OwnSwedishText(const char* context, const char* source)
{
    if (!context || !source)
        return QString();
    return SwedishByKey().value(Key(context, source));
}

namespace {

// The file dialog's files as its model gives them, the size and the date written in the
// default locale.
class SwedishFileDetails : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        enum Column { Size = 1, Date = 3 };
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files || (index.column() != Size && index.column() != Date))
            return QIdentityProxyModel::data(index, role);
        const QModelIndex file = mapToSource(index);
        if (index.column() == Date)
            return QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
        return files->isDir(file) ? QString() : QLocale().formattedDataSize(files->size(file));
    }
};

}  // namespace

void ShowFileDetailsInSwedish(QFileDialog& dialog)
{
    dialog.setProxyModel(new SwedishFileDetails(&dialog));
}
