#include "racedata/ui/datavisa_columns.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "conditions/pointsfile.h"
#include "model/variabl.h"
#include "platform/textfile.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/printer.h"
#include "racedata/columnsettings.h"
#include "racedata/filenames.h"
#include "racedata/ownorderfile.h"
#include "racedata/pointscolumn.h"
#include "racedata/racedataexport.h"
#include "racedata/racedataprint.h"
#include "racedata/ui/racepopup.h"

namespace {

const QString PointsFilter = QStringLiteral("Poäng(*.str)|*.str");
const QString OwnOrderFilter = QStringLiteral("Egen ordning (*.odg)|*.odg");
const QString CsvFilter = QStringLiteral("För kalkylprogram (*.csv)|*.csv");
constexpr int NameWidthWithDriver = 70;
constexpr int NameWidthWithoutDriver = 116;
constexpr int RacesWithDrivers = 6;

template <typename T = QWidget>
T* Part(QWidget& data, const QString& name)
{
    return data.findChild<T*>(name);
}

// A component of race r and start number h: prefix, race and number ("H", 1, 5 -> H15).
template <typename T = QWidget>
T* RowPart(QWidget& data, const char* prefix, int race, int h)
{
    return Part<T>(data, QString::fromLatin1(prefix) + QString::number(race) + QString::number(h));
}

bool Checked(QWidget& data, const char* box, bool design)
{
    const QCheckBox* check = Part<QCheckBox>(data, QString::fromLatin1(box));
    return check ? check->isChecked() : design;
}

// Shows or hides the component prefix<r><h> of every row of races 1..lastRace.
void ShowRowParts(QWidget& data, const char* prefix, bool shown, int lastRace = RaceSlots)
{
    for (int r = 1; r <= lastRace; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            if (QWidget* part = RowPart(data, prefix, r, h))
                part->setVisible(shown);
}

void SetCaption(QWidget& data, const char* name, const QString& caption)
{
    if (QLabel* label = Part<QLabel>(data, QString::fromLatin1(name)))
        label->setText(caption);
}

QWidget* RankLabel(QWidget& data, int race, int slot)
{
    return Part(data,
                race == 1 ? QStringLiteral("v%1").arg(slot) : QStringLiteral("v%1%2").arg(race).arg(slot));
}

void ShowRankLabels(QWidget& data, bool shown)
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int s = 1; s <= StartNumbers; ++s)
            if (QWidget* rank = RankLabel(data, r, s))
                rank->setVisible(shown);
}

// The notice of a file that is not there.
void ReportMissingFile(const QString& path)
{
    ShowMessage(QStringLiteral("Filen ") + path + QStringLiteral(" finns ej."));
}

// The chosen file's lines, or nothing after telling the user why there are none.
std::optional<QStringList> ReadChosenFile(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        ReportMissingFile(path);
        return std::nullopt;
    }
    std::optional<QStringList> lines = ReadTextLines(path);
    if (!lines)
        ShowErrorMessage(QStringLiteral("Filen ") + path + QStringLiteral(" kunde inte läsas."));
    return lines;
}

// Writes lines to path after asking before replacing a file; a failed write is reported.
void WriteChosenFile(const QString& path, const QStringList& lines)
{
    if (QFileInfo::exists(path) &&
        !AskYesNo(QStringLiteral("Ska filen ") + FileNameOf(path) + QStringLiteral(" skrivas över?")))
        return;
    if (!WriteTextLines(path, lines))
        ShowErrorMessage(QStringLiteral("Filen ") + path + QStringLiteral(" kunde inte skrivas."));
}

// The slot (1-15) of every row from its panel's top; a race whose panels are not found counts
// as standing in start-number order.
void ReadDisplayedSlots(QWidget& data)
{
    for (int r = 1; r <= RaceSlots; ++r) {
        for (int h = 1; h <= StartNumbers; ++h) {
            const QWidget* panel = RowPart(data, "Panel", r, h);
            if (!panel) {
                DisplayedSlot[HorseIndex(r, h)] = h;
                continue;
            }
            for (int s = 1; s <= StartNumbers; ++s)
                if (panel->y() == RowTops[s])
                    DisplayedSlot[HorseIndex(r, h)] = s;
        }
    }
}

// Every race's rows at the slots of the own order.
void PlaceRowsByOwnOrder(QWidget& data)
{
    for (int r = 1; r <= RaceSlots; ++r) {
        for (int s = 1; s <= StartNumbers; ++s) {
            const int32 h = OwnOrder[r][s];
            if (h < 1 || h > StartNumbers)
                continue;
            if (QWidget* panel = RowPart(data, "Panel", r, h))
                panel->move(panel->x(), RowTops[s]);
        }
    }
}

void PlayPrintout(const RaceDataPrintout& printout, const QFont& font)
{
    PrintJob job(QStringLiteral("Startlistor"));
    int page = 0;
    for (const PrintedText& text : printout.texts) {
        while (page < text.page) {
            job.NewPage();
            ++page;
        }
        QFont styled = font;
        styled.setBold(text.bold);
        styled.setStrikeOut(text.strikeOut);
        job.SetFont(styled);
        job.TextOut(text.x, text.y, text.text);
    }
    job.SetFont(font);
}

}  // namespace

FontDialog& RaceDataFontDialog()
{
    static FontDialog* dialog = new FontDialog(QFont(QStringLiteral("Liberation Sans"), 8));
    return *dialog;
}

void ConnectDataWindowHandlers(QWidget& data)
{
    const struct {
        const char* box;
        void (*handler)(QWidget&);
    } boxes[] = {{"CBKusk", ApplyDriverSwitch},   {"CBOdds", ApplyOddsSwitch},
                 {"CBStreck", ApplyStreckSwitch}, {"CBPoeng", ApplyPointsSwitch},
                 {"CBRank", ApplyRankSwitch},     {"CBStart", ApplyStartNrSwitch}};
    for (const auto& b : boxes)
        if (QCheckBox* box = Part<QCheckBox>(data, QString::fromLatin1(b.box)))
            QObject::connect(box, &QCheckBox::toggled, &data,
                             [&data, handler = b.handler] { handler(data); });
    const struct {
        const char* button;
        void (*handler)(QWidget&);
    } buttons[] = {{"Button12", LoadPointsClick},         {"Button13", PrintRaceDataClick},
                   {"Button14", ChooseRaceDataFontClick}, {"Button15", ExportRaceDataCsvClick},
                   {"SparaKnapp", SaveOwnOrderClick},     {"HemtaKnapp", LoadOwnOrderClick}};
    for (const auto& b : buttons)
        if (QPushButton* button = Part<QPushButton>(data, QString::fromLatin1(b.button)))
            QObject::connect(button, &QPushButton::clicked, &data,
                             [&data, handler = b.handler] { handler(data); });
    for (int r = 1; r <= RaceSlots; ++r)
        if (QPushButton* button = Part<QPushButton>(data, QStringLiteral("Kavd%1").arg(r)))
            QObject::connect(button, &QPushButton::clicked, &data, [r] { ToggleRacePopup(r); });
}

void ApplyColumnSettingsFile(QWidget& data)
{
    const ColumnSettings settings = ReadColumnSettings(ProgramDir);
    const struct {
        const char* box;
        bool checked;
    } boxes[] = {{"CBOdds", settings.odds},
                 {"CBStreck", settings.streck},
                 {"CBStr100", settings.str100},
                 {"CBStart", settings.startNr},
                 {"CBRank", settings.showRank}};
    for (const auto& b : boxes)
        if (QCheckBox* box = Part<QCheckBox>(data, QString::fromLatin1(b.box)))
            box->setChecked(b.checked);
    ShowRankLabels(data, settings.showRank);
}

void ApplyDriverSwitch(QWidget& data)
{
    const bool on = Checked(data, "CBKusk", true);
    ShowRowParts(data, "Ps", on, RacesWithDrivers);
    for (int r = 1; r <= RacesWithDrivers; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            if (QWidget* name = RowPart(data, "H", r, h))
                name->resize(on ? NameWidthWithDriver : NameWidthWithoutDriver, name->height());
}

void ApplyOddsSwitch(QWidget& data)
{
    ShowRowParts(data, "O", Checked(data, "CBOdds", false));
}

void ApplyStreckSwitch(QWidget& data)
{
    ShowRowParts(data, "P", Checked(data, "CBStreck", true));
}

void ApplyPointsSwitch(QWidget& data)
{
    ShowRowParts(data, "Po", Checked(data, "CBPoeng", false));
}

void ApplyRankSwitch(QWidget& data)
{
    ShowRankLabels(data, Checked(data, "CBRank", true));
}

void ApplyStartNrSwitch(QWidget& data)
{
    const bool on = Checked(data, "CBStart", false);
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            if (QLabel* name = RowPart<QLabel>(data, "H", r, h))
                name->setText(on ? QString::number(h) + QLatin1Char(' ') + HorseNames[r][h]
                                 : HorseNames[r][h]);
}

void ShowDataWindowPoints(QWidget& data)
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            if (QLabel* points = RowPart<QLabel>(data, "Po", r, h))
                points->setText(PointsLabelText(r, h));
}

void LoadPointsClick(QWidget& data)
{
    const QString chosen = ChooseOpenFileName(&data, PointsFilter);
    if (chosen.isEmpty())
        return;
    const QString path = WithExtension(chosen, QStringLiteral(".str"));
    const std::optional<QStringList> lines = ReadChosenFile(path);
    if (!lines)
        return;
    const std::optional<PointsFileContent> content = ParsePointsFile(*lines);
    if (!content) {
        ShowErrorMessage(QStringLiteral("Filen ") + path +
                         QStringLiteral(" är ingen poängfil med 114 rader. Poängen har inte ändrats."));
        return;
    }
    StoreLoadedPoints(content->points);
    SetCaption(data, "Pfil", content->name);
    if (QWidget* box = Part(data, QStringLiteral("CBPoeng")))
        box->setEnabled(true);
    ShowDataWindowPoints(data);
}

void ChooseRaceDataFontClick(QWidget& data)
{
    FontDialog& dialog = RaceDataFontDialog();
    dialog.Execute(&data);
    SetPrinterFont(dialog.font());
    RaceDataPrintFontSize = PointSizeOf(dialog.font());
}

void PrintRaceDataClick(QWidget& data)
{
    const RaceDataPrintColumns columns{Checked(data, "CBPoeng", false), Checked(data, "CBStreck", true),
                                       Checked(data, "CBStr100", true), Checked(data, "CBOdds", false)};
    ReadDisplayedSlots(data);
    const double pointSize = PointSizeOf(PrinterFont());
    RaceDataPrintFontSize = pointSize;
    const QFont font = RaceDataFontDialog().font();
    SetPrinterFont(font);
    QFont bold = font;
    bold.setBold(true);
    const RaceDataPrintout printout = LayOutRaceDataPrintout(
        PrinterPage(), pointSize, columns, [&font, &bold](const QString& text, bool isBold) {
            return PrinterTextWidth(isBold ? bold : font, text);
        });
    if (!printout.refusal.isEmpty()) {
        ShowMessage(printout.refusal);
        return;
    }
    PlayPrintout(printout, font);
}

void ExportRaceDataCsvClick(QWidget& data)
{
    if (StartListLoaded == 0) {
        ShowMessage(NoStartListToExportMessage);
        return;
    }
    const QString chosen = ChooseSaveFileName(&data, CsvFilter);
    if (chosen.isEmpty())
        return;
    WriteChosenFile(WithExtension(chosen, QStringLiteral(".csv")), RaceDataCsvLines());
}

void SaveOwnOrderClick(QWidget& data)
{
    const QString chosen = ChooseSaveFileName(&data, OwnOrderFilter);
    if (chosen.isEmpty())
        return;
    WriteChosenFile(WithExtension(chosen, QStringLiteral(".odg")), OwnOrderFileLines(OwnOrder));
}

void LoadOwnOrderClick(QWidget& data)
{
    const QString chosen = ChooseOpenFileName(&data, OwnOrderFilter);
    if (chosen.isEmpty())
        return;
    const std::optional<QStringList> lines = ReadChosenFile(WithExtension(chosen, QStringLiteral(".odg")));
    if (!lines)
        return;
    const OwnOrderFileResult read = ParseOwnOrderFile(*lines);
    if (!read.table) {
        ShowErrorMessage(read.error);
        return;
    }
    PutOwnOrderInForce(*read.table);
    SetCaption(data, "Lordning", QStringLiteral("egen"));
    PlaceRowsByOwnOrder(data);
}
