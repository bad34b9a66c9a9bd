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
#include "racedata/filenames.h"
#include "racedata/ownorderfile.h"
#include "racedata/pointscolumn.h"
#include "racedata/racedataexport.h"
#include "racedata/racedataprint.h"
#include "racedata/ui/datavisa.h"
#include "racedata/ui/racepopup.h"

namespace {

const QString PointsFilter = QStringLiteral("Poäng(*.str)|*.str");
const QString OwnOrderFilter = QStringLiteral("Egen ordning (*.odg)|*.odg");
const QString CsvFilter = QStringLiteral("För kalkylprogram (*.csv)|*.csv");
constexpr int NameWidthWithDriver = 70;
constexpr int NameWidthWithoutDriver = 116;
constexpr int RacesWithDrivers = 6;

// Shows or hides one kind of row label of every row of races 1..lastRace.
void ShowRowParts(QLabel* const (&parts)[RaceSlots + 1][StartNumbers + 1], bool shown,
                  int lastRace = RaceSlots)
{
    for (int r = 1; r <= lastRace; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            if (parts[r][h])
                parts[r][h]->setVisible(shown);
}

void ShowRankLabels(TData& data, bool shown)
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int s = 1; s <= StartNumbers; ++s)
            data.RankLabels[r][s]->setVisible(shown);
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

void ConnectDataWindowHandlers(TData& data)
{
    const struct {
        QCheckBox* box;
        void (*handler)(TData&);
    } boxes[] = {{data.CBKusk, ApplyDriverSwitch},   {data.CBOdds, ApplyOddsSwitch},
                 {data.CBStreck, ApplyStreckSwitch}, {data.CBPoeng, ApplyPointsSwitch},
                 {data.CBRank, ApplyRankSwitch},     {data.CBStart, ApplyStartNrSwitch}};
    for (const auto& b : boxes)
        QObject::connect(b.box, &QCheckBox::toggled, &data, [&data, handler = b.handler] { handler(data); });
    const struct {
        QPushButton* button;
        void (*handler)(TData&);
    } buttons[] = {{data.Button12, LoadPointsClick},         {data.Button13, PrintRaceDataClick},
                   {data.Button14, ChooseRaceDataFontClick}, {data.Button15, ExportRaceDataCsvClick},
                   {data.SparaKnapp, SaveOwnOrderClick},     {data.HemtaKnapp, LoadOwnOrderClick}};
    for (const auto& b : buttons)
        QObject::connect(b.button, &QPushButton::clicked, &data,
                         [&data, handler = b.handler] { handler(data); });
    for (int r = 1; r <= RaceSlots; ++r)
        QObject::connect(data.Kavd[r], &QPushButton::clicked, &data, [r] { ToggleRacePopup(r); });
}

void ApplyDriverSwitch(TData& data)
{
    const bool on = data.CBKusk->isChecked();
    ShowRowParts(data.Ps, on, RacesWithDrivers);
    for (int r = 1; r <= RacesWithDrivers; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            data.H[r][h]->resize(on ? NameWidthWithDriver : NameWidthWithoutDriver, data.H[r][h]->height());
}

void ApplyOddsSwitch(TData& data)
{
    ShowRowParts(data.O, data.CBOdds->isChecked());
}

void ApplyStreckSwitch(TData& data)
{
    ShowRowParts(data.P, data.CBStreck->isChecked());
}

void ApplyPointsSwitch(TData& data)
{
    ShowDataWindowPoints(data);
    ShowRowParts(data.Po, data.CBPoeng->isChecked());
}

void ApplyRankSwitch(TData& data)
{
    ShowRankLabels(data, data.CBRank->isChecked());
}

void ApplyStartNrSwitch(TData& data)
{
    const bool on = data.CBStart->isChecked();
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            data.H[r][h]->setText(on ? QString::number(h) + QLatin1Char(' ') + HorseNames[r][h]
                                     : HorseNames[r][h]);
}

void ShowDataWindowPoints(TData& data)
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            data.Po[r][h]->setText(PointsLabelText(r, h));
}

void LoadPointsClick(TData& data)
{
    const QString chosen = ChooseOpenFileName(&data, PointsFilter, data.PointsOpenName);
    if (chosen.isEmpty())
        return;
    const QString path = WithExtension(chosen, QStringLiteral(".str"));
    const std::optional<QStringList> lines = ReadChosenFile(path);
    if (!lines)
        return;
    data.PointsOpenName = path;
    const std::optional<PointsFileContent> content = ParsePointsFile(*lines);
    if (!content) {
        ShowErrorMessage(QStringLiteral("Filen ") + path +
                         QStringLiteral(" är ingen poängfil med 114 rader. Poängen har inte ändrats."));
        return;
    }
    StoreLoadedPoints(content->points);
    data.Pfil->setText(content->name);
    data.CBPoeng->setEnabled(true);
    ShowDataWindowPoints(data);
}

void ChooseRaceDataFontClick(TData& data)
{
    FontDialog& dialog = RaceDataFontDialog();
    dialog.Execute(&data);
    SetPrinterFont(dialog.font());
    RaceDataPrintFontSize = PointSizeOf(dialog.font());
}

void PrintRaceDataClick(TData& data)
{
    const RaceDataPrintColumns columns{data.CBPoeng->isChecked(), data.CBStreck->isChecked(),
                                       data.CBStr100->isChecked(), data.CBOdds->isChecked()};
    data.ComputeDisplayedSlots();
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

void ExportRaceDataCsvClick(TData& data)
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

void SaveOwnOrderClick(TData& data)
{
    const QString chosen = ChooseSaveFileName(&data, OwnOrderFilter);
    if (chosen.isEmpty())
        return;
    WriteChosenFile(WithExtension(chosen, QStringLiteral(".odg")), OwnOrderFileLines(OwnOrder));
}

void LoadOwnOrderClick(TData& data)
{
    const QString chosen = ChooseOpenFileName(&data, OwnOrderFilter, data.OwnOrderOpenName);
    if (chosen.isEmpty())
        return;
    const QString path = WithExtension(chosen, QStringLiteral(".odg"));
    const std::optional<QStringList> lines = ReadChosenFile(path);
    if (!lines)
        return;
    data.OwnOrderOpenName = path;
    const OwnOrderFileResult read = ParseOwnOrderFile(*lines);
    if (!read.table) {
        ShowErrorMessage(read.error);
        return;
    }
    PutOwnOrderInForce(*read.table);
    data.Lordning->setText(QStringLiteral("egen"));
    MoveDirection = 0;
    RepositionAllRaces = 1;
    data.ApplyOwnOrderMove();
}
