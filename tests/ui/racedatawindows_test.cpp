#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include "pdftext.h"
#include "platform/textfile.h"
#include "platform/ui/kit.h"
#include "platform/ui/printer.h"
#include "racedata/racedataprint.h"
#include "racedata/ui/atgsida.h"
#include "racedata/ui/datavisa.h"
#include "racedata/ui/datavisa_columns.h"
#include "racedata/ui/infostartlistor.h"
#include "racedata/ui/racepopup.h"
#include "racedata/ui/racepopups.h"
#include "racedata/ui/startlists.h"
#include "racedata/ui/startlistwindow.h"
#include "support/startlists.h"
#include "windowset.h"

namespace {

// The race-data window's components that these handlers work on, in their design states.
class RaceDataWindows : public WindowSetTest {
protected:
    void SetUp() override
    {
        WindowSetTest::SetUp();
        for (int s = 1; s <= StartNumbers; ++s)
            RowTops[s] = 29 * s;
        SetDesignBoxes();
        for (int r = 1; r <= RaceSlots; ++r) {
            StartListWindow(r)->ResetToStartState();
            for (int h = 1; h <= StartNumbers; ++h) {
                QWidget* panel = DataPart(QStringLiteral("Panel%1%2").arg(r).arg(h));
                panel->move(panel->x(), RowTops[h]);
                panel->show();
            }
        }
        ASSERT_TRUE(dir_.isValid());
    }

    void TearDown() override
    {
        ProgramDir.clear();
        WindowSetTest::TearDown();
    }

    static QWidget* DataPart(const QString& name) { return Data->findChild<QWidget*>(name); }
    static QLabel* DataLabel(const QString& name) { return Data->findChild<QLabel*>(name); }
    static QCheckBox* DataBox(const char* name)
    {
        return Data->findChild<QCheckBox*>(QString::fromLatin1(name));
    }

    static void SetBox(const char* name, bool checked)
    {
        const QSignalBlocker blocker(DataBox(name));
        DataBox(name)->setChecked(checked);
    }

    static void SetDesignBoxes()
    {
        const struct {
            const char* name;
            bool checked;
        } boxes[] = {{"CBKusk", true}, {"CBOdds", false},  {"CBStreck", true}, {"CBPoeng", false},
                     {"CBRank", true}, {"CBStart", false}, {"CBStr100", true}};
        for (const auto& b : boxes) {
            SetBox(b.name, b.checked);
            DataBox(b.name)->setEnabled(true);
        }
    }

    // Race 3 with horses 1-4 (streck sum 104) as a loaded start list with its line "Avd 3 Lopp 5".
    static void LoadRace3()
    {
        FillRace3();
        RaceInfoLines[3][0] = QStringLiteral("Avd 3 Lopp 5");
        StartListLoaded = 1;
    }

    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir_;
};

QStringList PointsFileLines(int line30)
{
    QStringList lines;
    for (int k = 1; k <= HorseCount; ++k)
        lines << (k == 30 ? QString::number(line30) : QStringLiteral("0"));
    lines << "90"
          << "10"
          << "100000000000000"
          << "0"
          << "0"
          << "0"
          << "1"
          << "1" << QStringLiteral("Mina poäng");
    return lines;
}

}  // namespace

TEST_F(RaceDataWindows, PopupOpensBesideTheWindowOneAtATime)
{
    Data->move(100, 50);
    ToggleRacePopup(3);
    EXPECT_TRUE(F33->isVisible());
    EXPECT_EQ(RaceWindowOpen[3], 1);
    EXPECT_EQ(F33->pos(), QPoint(Data->x() + 384, Data->y() + 32));
    ToggleRacePopup(2);
    EXPECT_FALSE(F33->isVisible());
    EXPECT_EQ(RaceWindowOpen[3], 0);
    EXPECT_EQ(RaceWindowOpen[2], 1);
    ToggleRacePopup(2);
    EXPECT_FALSE(RacePopup(2)->isVisible());
    EXPECT_EQ(RaceWindowOpen[2], 0);

    // Beside the window's place as the window reports it: once shown (in an earlier test) and
    // hidden again, a window moved to a point reports its frame a frame margin off that point.
    const QPoint before = Data->pos();
    ToggleRacePopup(5);
    Data->move(160, 80);
    EXPECT_EQ(F55->pos(), before + QPoint(187, 32));  // follows only on a mouse move
    FollowDataWindowWithPopups();
    EXPECT_EQ(F55->pos(), Data->pos() + QPoint(187, 32));
    HideRacePopups();
    EXPECT_FALSE(F55->isVisible());
    EXPECT_EQ(RaceWindowOpen[5], 0);
}

TEST_F(RaceDataWindows, PopupShowsScaledStreckInTheWindowsRowOrder)
{
    LoadRace3();
    HorsePoints[HorseIndex(3, 2)] = 7;
    SetBox("CBPoeng", true);
    // Race 3 ordered 2, 1, 3, 4, ...; the row of start number 6 hidden.
    DataPart(QStringLiteral("Panel31"))->move(257, RowTops[2]);
    DataPart(QStringLiteral("Panel32"))->move(257, RowTops[1]);
    DataPart(QStringLiteral("Panel36"))->hide();
    ToggleRacePopup(3);
    EXPECT_EQ(F33->LSP[1]->text(), QStringLiteral("12 %"));
    EXPECT_EQ(F33->LSP[2]->text(), QStringLiteral("38 %"));
    EXPECT_EQ(F33->LSP[3]->text(), QStringLiteral("25 %"));
    EXPECT_EQ(F33->LS[2]->text(), QStringLiteral("39 %"));
    EXPECT_EQ(F33->LP[2]->text(), QStringLiteral("7"));
    EXPECT_EQ(F33->Label[1]->text(), QStringLiteral("1 1 Häst1  Kusk1"));
    EXPECT_EQ(F33->Label[2]->y(), 28);
    EXPECT_EQ(F33->Label[1]->y(), 57);
    EXPECT_EQ(F33->LSP[1]->y(), 57);
    EXPECT_EQ(F33->LS[1]->geometry().right() + 1, 75);  // right-aligned to its column
    EXPECT_TRUE(F33->Label[6]->isHidden());
    EXPECT_FALSE(F33->LS[6]->isHidden());
    HideRacePopups();
}

TEST_F(RaceDataWindows, PopupClosesOnXButPopup5OnlyOnADoubleClick)
{
    ToggleRacePopup(3);
    MouseClick(F33->Label21);
    EXPECT_FALSE(F33->isVisible());
    EXPECT_EQ(RaceWindowOpen[3], 0);

    ToggleRacePopup(5);
    MouseClick(F55->Label21);
    EXPECT_TRUE(F55->isVisible());
    SendMouse(F55->Label21, QEvent::MouseButtonDblClick, {3, 3});
    EXPECT_FALSE(F55->isVisible());
    EXPECT_EQ(RaceWindowOpen[5], 0);

    ToggleRacePopup(5);
    SendMouse(F55->Shape1, QEvent::MouseButtonRelease, {3, 3});
    EXPECT_FALSE(F55->isVisible());
    ToggleRacePopup(5);
    SendMouse(F55->LS[4], QEvent::MouseButtonDblClick, {1, 1});
    EXPECT_FALSE(F55->isVisible());
    EXPECT_EQ(RaceWindowOpen[5], 0);
}

TEST_F(RaceDataWindows, StartListWindowBeforeAndAfterAStartList)
{
    TStartlistaWindow* window = Startlista2;
    window->Show();
    window->FormActivate();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Avd 2"));
    EXPECT_EQ(window->pos(), V65x->pos() + QPoint(167, 138));
    EXPECT_EQ(window->h[1]->text(), QStringLiteral("För att se startlistan måste"));
    EXPECT_EQ(window->h[2]->text(), QStringLiteral("du för först hämta in den"));
    EXPECT_EQ(window->h[3]->text(), QStringLiteral("till programmet."));
    EXPECT_EQ(window->h[1]->x(), 0);
    for (int t = 1; t <= 3; ++t)
        EXPECT_TRUE(window->s[t]->isHidden() && window->o[t]->isHidden() && window->n[t]->isHidden());

    StartListLoaded = 1;
    HorseNames[2][1] = QStringLiteral("1 Ettan");
    HorsePresent[HorseIndex(2, 1)] = 1;
    StreckValues[HorseIndex(2, 1)] = 15;
    HorsePresent[HorseIndex(2, 2)] = 1;
    Scratched[HorseIndex(2, 2)] = 1;
    window->FormActivate();  // streck and names lime, odds red
    EXPECT_EQ(window->s[1]->x(), 0);
    EXPECT_EQ(window->n[1]->x(), 33);
    EXPECT_EQ(window->h[1]->x(), 51);
    EXPECT_TRUE(window->o[1]->isHidden());
    EXPECT_EQ(window->s[1]->text(), QStringLiteral("15 %"));
    EXPECT_EQ(window->h[1]->text(), QStringLiteral("1 Ettan"));
    EXPECT_EQ(window->n[15]->text(), QStringLiteral("15"));
    EXPECT_EQ(window->s[15]->y(), window->n[15]->y() - 2);
    EXPECT_TRUE(window->h[2]->font().strikeOut());
    EXPECT_EQ(TextColourOf(window->n[2]), RedColour);

    ColumnSignals.odds = true;
    window->FormActivate();
    EXPECT_EQ(window->o[2]->x(), 33);
    EXPECT_EQ(window->o[2]->text(), QStringLiteral("Str"));
    EXPECT_EQ(window->n[2]->x(), 59);
    EXPECT_EQ(window->h[2]->x(), 77);

    ColumnSignals = {false, false, false};
    window->FormActivate();
    EXPECT_EQ(window->n[1]->x(), 0);
    EXPECT_EQ(window->h[1]->text(), QStringLiteral("Klicka på streck, odds eller häst."));
    EXPECT_EQ(window->h[1]->x(), 20);
    EXPECT_TRUE(window->h[2]->isHidden());
    EXPECT_EQ(window->width(), window->h[1]->geometry().right() + 1);
}

TEST_F(RaceDataWindows, ColumnSwitchesShowAndHideTheirLabels)
{
    SetBox("CBKusk", false);
    ApplyDriverSwitch(*Data);
    EXPECT_TRUE(DataPart(QStringLiteral("Ps34"))->isHidden());
    EXPECT_EQ(DataPart(QStringLiteral("H34"))->width(), 116);
    EXPECT_EQ(DataPart(QStringLiteral("H74"))->width(), 70);  // race slot 7 keeps its names
    SetBox("CBKusk", true);
    ApplyDriverSwitch(*Data);
    EXPECT_FALSE(DataPart(QStringLiteral("Ps34"))->isHidden());
    EXPECT_EQ(DataPart(QStringLiteral("H34"))->width(), 70);

    SetBox("CBStreck", false);
    ApplyStreckSwitch(*Data);
    EXPECT_TRUE(DataPart(QStringLiteral("P715"))->isHidden());
    SetBox("CBPoeng", true);
    ApplyPointsSwitch(*Data);
    EXPECT_FALSE(DataPart(QStringLiteral("Po11"))->isHidden());
    EXPECT_EQ(DataLabel(QStringLiteral("Po11"))->text(), QStringLiteral("0"));  // no points held

    HorseNames[1][2] = QStringLiteral("2 Tvåan");
    SetBox("CBStart", true);
    ApplyStartNrSwitch(*Data);
    EXPECT_EQ(DataLabel(QStringLiteral("H12"))->text(), QStringLiteral("2 2 Tvåan"));
    EXPECT_EQ(DataLabel(QStringLiteral("H13"))->text(), QStringLiteral("3 "));
}

TEST_F(RaceDataWindows, WindowConnectsEachHandlerOnce)
{
    Data->CBKusk->click();
    EXPECT_TRUE(Data->Ps[3][4]->isHidden());
    EXPECT_EQ(Data->H[3][4]->width(), 116);
    Data->CBKusk->click();
    EXPECT_FALSE(Data->Ps[3][4]->isHidden());

    Data->Kavd[4]->click();
    EXPECT_EQ(RaceWindowOpen[4], 1);
    EXPECT_TRUE(F44->isVisible());
    Data->Kavd[4]->click();
    EXPECT_EQ(RaceWindowOpen[4], 0);
    EXPECT_FALSE(RacePopup(4)->isVisible());
}

TEST_F(RaceDataWindows, ClosingTheWindowHidesThePopupAndAMouseMoveBringsItBeside)
{
    Data->Show();
    Data->move(10, 50);
    Data->Kavd[5]->click();
    Data->move(30, 80);
    SendMouse(Data, QEvent::MouseMove, {700, 300});
    EXPECT_EQ(F55->pos(), QPoint(30 + 187, 80 + 32));
    Data->close();
    EXPECT_FALSE(F55->isVisible());
    EXPECT_EQ(RaceWindowOpen[5], 0);
}

TEST_F(RaceDataWindows, ColumnSettingsFileSetsTheBoxesThroughTheirHandlers)
{
    ProgramDir = dir_.path() + QLatin1Char('/');
    ASSERT_TRUE(WriteTextLines(ProgramDir + QStringLiteral("visa.rnn"), {"Visaejrank", "Odds", "streck"}));
    Data->ApplyColumnSettings();
    EXPECT_EQ(ShowRankColumn, 0);
    EXPECT_FALSE(DataBox("CBRank")->isChecked());
    EXPECT_TRUE(DataPart(QStringLiteral("v5"))->isHidden());
    EXPECT_TRUE(DataPart(QStringLiteral("v715"))->isHidden());
    EXPECT_TRUE(DataBox("CBOdds")->isChecked());
    EXPECT_FALSE(DataBox("CBStreck")->isChecked());
    EXPECT_TRUE(DataPart(QStringLiteral("P34"))->isHidden());
    EXPECT_TRUE(DataBox("CBStr100")->isChecked());  // the file ends before line 4
    EXPECT_FALSE(DataBox("CBStart")->isChecked());
}

TEST_F(RaceDataWindows, PointsLoadTakesAWholeFileOrNothing)
{
    ASSERT_TRUE(WriteTextLines(Path("mina.str"), PointsFileLines(7)));
    TestDialogs().fileNames = {Path("mina.txt")};
    LoadPointsClick(*Data);
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
    EXPECT_EQ(HorsePoints[30], 7);
    EXPECT_EQ(PointsLoaded, 1);
    EXPECT_EQ(DataLabel(QStringLiteral("Po215"))->text(), QStringLiteral("7"));
    EXPECT_EQ(DataLabel(QStringLiteral("Po11"))->text(), QStringLiteral("0"));
    EXPECT_EQ(DataLabel(QStringLiteral("Pfil"))->text(), QStringLiteral("Mina poäng"));

    // Cancel, a missing file and a short file change nothing.
    ResetGlobals();
    DataBox("CBPoeng")->setEnabled(false);
    QStringList shortFile = PointsFileLines(9);
    shortFile.removeLast();
    ASSERT_TRUE(WriteTextLines(Path("kort.str"), shortFile));
    TestDialogs().fileNames = {QString(), Path("saknas.odg"), Path("kort.str")};
    for (int i = 0; i < 3; ++i)
        LoadPointsClick(*Data);
    EXPECT_EQ(TestDialogs().messages,
              QStringList{QStringLiteral("Filen ") + Path("saknas.str") + QStringLiteral(" finns ej.")});
    EXPECT_EQ(TestDialogs().errors.size(), 1);
    EXPECT_EQ(HorsePoints[30], 0);
    EXPECT_EQ(PointsLoaded, 0);
    EXPECT_FALSE(DataBox("CBPoeng")->isEnabled());
    EXPECT_EQ(DataLabel(QStringLiteral("Po215"))->text(), QStringLiteral("7"));
    // Each "Hämta" proposes the file read last; a missing one leaves the proposal.
    EXPECT_EQ(TestDialogs().proposedNames,
              (QStringList{QString(), Path("mina.str"), Path("mina.str"), Path("mina.str")}));
}

TEST_F(RaceDataWindows, CsvExportDoublesQuotesAndAsksBeforeReplacing)
{
    TestDialogs().fileNames = {Path("data.txt")};
    ExportRaceDataCsvClick(*Data);
    EXPECT_EQ(TestDialogs().messages, QStringList{QStringLiteral("Läs in startlistan först!")});
    EXPECT_EQ(TestDialogs().fileNames.size(), 1u);  // no dialog was shown

    LoadRace3();
    HorseNames[3][1] = QStringLiteral("1 \"Blixt\"");
    TestDialogs().Reset();
    TestDialogs().fileNames = {Path("data.txt")};
    ExportRaceDataCsvClick(*Data);
    QFile file(Path("data.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("\"1\",\"1 \"\"Blixt\"\"\",\"13\",\"0\",\"0\",\"\"\r\n"));
    EXPECT_TRUE(bytes.contains("\"\",\"H\xe4mtad \"\r\n"));  // Windows-1252
    file.close();

    TestDialogs().fileNames = {Path("data.csv")};
    TestDialogs().answers = {false};
    HorseNames[3][1] = QStringLiteral("1 Ny");
    ExportRaceDataCsvClick(*Data);
    EXPECT_EQ(TestDialogs().questions, QStringList{QStringLiteral("Ska filen data.csv skrivas över?")});
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);

    TestDialogs().fileNames = {dir_.filePath(QStringLiteral("saknas/data.csv"))};
    ExportRaceDataCsvClick(*Data);
    EXPECT_EQ(TestDialogs().errors.size(), 1);
}

TEST_F(RaceDataWindows, OwnOrderFileRoundTripAndRefusedFiles)
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int s = 1; s <= StartNumbers; ++s)
            OwnOrder[r][s] = s;
    TestDialogs().fileNames = {Path("mitt.txt")};
    SaveOwnOrderClick(*Data);
    const std::optional<QStringList> saved = ReadTextLines(Path("mitt.odg"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->size(), 105);
    EXPECT_EQ(saved->at(15), QStringLiteral("1"));

    QStringList reordered = *saved;
    reordered.swapItemsAt(15, 16);  // race 2: 2, 1, 3, ...
    ASSERT_TRUE(WriteTextLines(Path("andra.odg"), reordered));
    OwnOrderMode = 0;
    TestDialogs().fileNames = {Path("andra.odg")};
    LoadOwnOrderClick(*Data);
    EXPECT_EQ(OwnOrder[2][1], 2);
    EXPECT_EQ(OwnOrder[2][2], 1);
    EXPECT_EQ(OwnOrderMode, 1);
    EXPECT_EQ(DataLabel(QStringLiteral("Lordning"))->text(), QStringLiteral("egen"));
    EXPECT_EQ(DataPart(QStringLiteral("Panel22"))->y(), RowTops[1]);
    EXPECT_EQ(DataPart(QStringLiteral("Panel21"))->y(), RowTops[2]);

    QStringList duplicate = *saved;
    duplicate[0] = QStringLiteral("2");
    QStringList letters = *saved;
    letters[40] = QStringLiteral("x");
    QStringList shortFile = *saved;
    shortFile.removeLast();
    const std::pair<const char*, QStringList> refused[] = {
        {"dubbel.odg", duplicate}, {"bokstav.odg", letters}, {"kort.odg", shortFile}};
    OwnOrderMode = 0;
    for (const auto& [name, lines] : refused) {
        ASSERT_TRUE(WriteTextLines(Path(name), lines));
        TestDialogs().fileNames = {Path(name)};
        LoadOwnOrderClick(*Data);
    }
    TestDialogs().fileNames = {Path("saknas.odg")};
    LoadOwnOrderClick(*Data);
    // Each "Hämta" proposes the file read last, also one that was refused.
    EXPECT_EQ(TestDialogs().proposedNames.mid(2),
              (QStringList{Path("andra.odg"), Path("dubbel.odg"), Path("bokstav.odg"), Path("kort.odg")}));
    EXPECT_EQ(TestDialogs().errors.size(), 3);
    EXPECT_EQ(TestDialogs().messages,
              QStringList{QStringLiteral("Filen ") + Path("saknas.odg") + QStringLiteral(" finns ej.")});
    EXPECT_EQ(OwnOrder[2][1], 2);
    EXPECT_EQ(OwnOrder[1][1], 1);
    EXPECT_EQ(OwnOrderMode, 0);

    TestDialogs().fileNames = {Path("mitt.odg")};
    TestDialogs().answers = {false};
    SaveOwnOrderClick(*Data);
    EXPECT_EQ(ReadTextLines(Path("mitt.odg")), saved);
}

TEST_F(RaceDataWindows, PrintOutGoesToPdfAndRefusesASmallPage)
{
    const QString pdf = Path("utskrift.pdf");
    SharedPrinter().setOutputFormat(QPrinter::PdfFormat);
    SharedPrinter().setOutputFileName(pdf);
    SharedPrinter().setPageSize(QPageSize(QPageSize::A4));
    const QFont saved = PrinterFont();

    PrintRaceDataClick(*Data);
    EXPECT_EQ(TestDialogs().messages, QStringList{QStringLiteral("Det finns inget att skriva ut.")});
    EXPECT_FALSE(QFile::exists(pdf));

    LoadRace3();
    // The largest font that leaves 25 lines on the page prints; one that leaves 24 does not.
    double fits = 0, tooLarge = 0;
    for (double size = 10; size < 60 && tooLarge == 0; size += 0.25) {
        const int lines = RaceDataLinesPerPage(PrinterPage(), size);
        if (lines == 25)
            fits = size;
        if (lines == 24)
            tooLarge = size;
    }
    ASSERT_GT(fits, 0);
    ASSERT_GT(tooLarge, 0);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(tooLarge);
    TestFontChoices() = {font};
    ChooseRaceDataFontClick(*Data);
    EXPECT_EQ(RaceDataPrintFontSize, tooLarge);
    TestDialogs().messages.clear();
    PrintRaceDataClick(*Data);
    EXPECT_EQ(TestDialogs().messages, QStringList{QStringLiteral("Texten får inte plats")});
    EXPECT_FALSE(QFile::exists(pdf));

    font.setPointSizeF(fits);
    TestFontChoices() = {font};
    ChooseRaceDataFontClick(*Data);
    TestDialogs().messages.clear();
    PrintRaceDataClick(*Data);
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("/Type /Page\n"), 1);
    const QStringList runs = pdftext::TextRuns(pdf);
    for (const char* text : {"Avd 3 Lopp", " 5", "Streck", "Str100", "1 Häst1", "13 %", "12 %", "38 %"})
        EXPECT_TRUE(runs.contains(QString::fromUtf8(text)))
            << text << " in " << runs.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(runs.contains(QStringLiteral("Poäng")));  // the points column is off
    EXPECT_EQ(PrinterFont(), font);

    SharedPrinter().setOutputFileName(QString());
    SetPrinterFont(saved);
    TestFontChoices().clear();
}

TEST_F(RaceDataWindows, InstructionAndSettingsNoteTexts)
{
    EXPECT_EQ(ATGBrowser->windowTitle(), QStringLiteral("Hämta startlistor"));
    EXPECT_EQ(ATGBrowser->size(), QSize(504, 538));
    QStringList texts;
    for (const QLabel* label : ATGBrowser->findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Gör så här för att hämta startlistor till V65 och V64")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Vimsta-sidan")));
    for (const QWidget* child : ATGBrowser->findChildren<QWidget*>())
        EXPECT_TRUE(QRect(QPoint(0, 0), ATGBrowser->size()).contains(child->geometry()))
            << child->objectName().toStdString();

    EXPECT_EQ(Form2->windowTitle(), QStringLiteral("Inställningar"));
    const QStringList note = Form2->Memo2->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(note.size(), 11);
    EXPECT_EQ(note[0], QStringLiteral("För att kunna spara inställningar i programmet "));
    EXPECT_EQ(note[3], QString());
    EXPECT_EQ(note[5], QStringLiteral("    programikonen på skrivbordet."));
    EXPECT_TRUE(Form2->Memo2->isReadOnly());
    Form2->Show();
    Form2->Button1->click();
    EXPECT_FALSE(Form2->isVisible());
}
