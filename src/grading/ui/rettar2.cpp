#include "grading/ui/rettar2.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>

#include "conditions/mainrequests.h"
#include "grading/grading.h"
#include "grading/gradinginputs.h"
#include "grading/resultreport.h"
#include "grading/ui/ekonomiu.h"
#include "grading/ui/nestaavd.h"
#include "model/notify.h"
#include "model/variabl.h"
#include "platform/numbers.h"
#include "platform/textfile.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/hourglass.h"
#include "platform/ui/kit.h"
#include "sysfile/ui/savesystem.h"

namespace {

constexpr QSize ClientSize(728, 405);
const QColor GreenColour(0, 128, 0);
const QString StartPayoutText = QStringLiteral("    0");
const QString ResultFileFilter = QStringLiteral("Resultatfil (*.txt)|*.txt");

enum class BoxKind { Winner, Scratch, Order };

// Races 1-6 one under the other; race slot 7's rows lie below the client area.
int RowTop(int race, int slot7Top)
{
    return race <= PoolRaces ? 66 + 17 * (race - 1) : slot7Top;
}

// The three box areas: the name prefix, the left edge and width of a box, the step between
// boxes, race slot 7's top and the font.
struct BoxArea {
    BoxKind kind;
    const char* prefix;
    int left;
    int width;
    int step;
    int slot7Top;
};
constexpr BoxArea WinnerArea{BoxKind::Winner, "rr", 32, 16, 17, 481};
constexpr BoxArea ScratchArea{BoxKind::Scratch, "st", 305, 13, 14, 503};
constexpr BoxArea OrderArea{BoxKind::Order, "Turo", 533, 11, 12, 503};

// Bold Arial 8 pt in the correct row, Arial 8 pt in the scratched boxes; Arial Narrow in the
// narrow official-order boxes, drawn condensed so that two digits fit in 11 pixels.
QFont BoxFont(BoxKind kind)
{
    switch (kind) {
        case BoxKind::Winner:
            return SansFont(11, true);
        case BoxKind::Scratch:
            return SansFont(11);
        case BoxKind::Order:
            break;
    }
    QFont narrow = SansFont(11);
    narrow.setStretch(QFont::ExtraCondensed);
    return narrow;
}

QString BoxName(const BoxArea& area, int race, int number)
{
    if (area.kind == BoxKind::Order)
        return QStringLiteral("Turo%1%2").arg(race).arg(number);
    return QString::fromLatin1(area.prefix) +
           QStringLiteral("%1%2").arg(race).arg(number, 2, 10, QLatin1Char('0'));
}

// The prize classes of Panel1, from 6 right down to 4, and the hidden 7 right: the
// PayoutPerHits entry, the CorrectCounts index and the component names.
struct PrizeRow {
    int entry;
    const char* countName;
    const char* payoutName;
    const char* amountName;
    const char* caption;
    int top;
};
// Panel1's columns, left edge and width: the count, the payout, the won amount and its "kr".
// An amount holds the largest the grading gives, 100 000 000 kr a row times 99 999 rows
// (13 digits); a count holds six digits and " st".
struct PanelColumn {
    int left;
    int width;
};
constexpr PanelColumn CountColumn{68, 66};
constexpr PanelColumn PayoutColumn{136, 90};
constexpr PanelColumn AmountColumn{228, 118};
constexpr PanelColumn KrColumn{351, 12};  // a blank right of the amount

constexpr PrizeRow PrizeRows[] = {{3, "N7rett", "Utd7Edit", "Vinst7Edit", "7 rätt:", 0},
                                  {2, "N6rett", "Utd6Edit", "Vinst6Edit", "6 rätt:", 24},
                                  {1, "N5rett", "Utd5Edit", "Vinst5Edit", "5 rätt:", 48},
                                  {0, "N4rett", "Utd4Edit", "Vinst4Edit", "4 rätt:", 72}};

void PlayResultPrintout(PrintJob& job, const ResultPrintout& printout, const QFont& font)
{
    QFont title = font;
    title.setBold(true);
    title.setPixelSize(static_cast<int>(RoundHalfEven(1.3 * printout.textHeight)));
    int page = 0;
    for (const ResultPrintText& text : printout.texts) {
        while (page < text.page) {
            job.NewPage();
            ++page;
        }
        job.SetFont(text.title ? title : font);
        job.TextOut(text.x, text.y, text.text);
    }
    job.SetFont(font);
}

// Plays the print-out as one job; the job reports a print that the printer could not finish.
void PrintResult(const ResultPrintout& printout, const QFont& font)
{
    PrintJob job(QStringLiteral("Resultat"));
    PlayResultPrintout(job, printout, font);
}

}  // namespace

TRetta2::TRetta2()
    : VForm(QStringLiteral("Rätta"), ClientSize), fontDialog_(QFont(QStringLiteral("Liberation Sans"), 8))
{
    setObjectName(QStringLiteral("Retta2"));
    SetBackground(this, BlueColour);
    CentreOverMainWhenFirstShown();
    BuildBoxAreas();
    BuildButtons();
    BuildResultPanels();
    BuildWinningRowsPanel();
    ResetToStartState();
}

void TRetta2::BuildBoxAreas()
{
    NewBox(this, QStringLiteral("Shape1"), QString(), {4, 4, 720, 188}, WindowFont(), GreenColour);
    NewBox(this, QStringLiteral("Label1"), QStringLiteral("Rätt rad"), {32, 14, 254, 18}, SansFont(13, true),
           YellowColour);
    NewBox(this, QStringLiteral("Label2"), QStringLiteral("Strukna"), {305, 14, 209, 18}, SansFont(13, true),
           YellowColour);
    NewShape(this, QStringLiteral("Shape3"), {533, 11, 181, 53}, YellowColour);
    NewCentredLabel(this, QStringLiteral("Label32"), QStringLiteral("Turordning"), {536, 15, 173, 17},
                    SansFont(13));
    NewLabel(this, QStringLiteral("Label40"), QStringLiteral("Ändra från vänster till höger"),
             {549, 34, 136, 14}, SansFont(11));
    NewLabel(this, QStringLiteral("Label41"), QStringLiteral("med upprepade klick i rutorna."),
             {549, 46, 144, 14}, SansFont(11));
    for (int h = 1; h <= StartNumbers; ++h) {
        NewBox(this, QStringLiteral("Nrrr%1").arg(h), QString::number(h),
               {WinnerArea.left + WinnerArea.step * (h - 1), 46, WinnerArea.width, 16}, SansFont(11),
               YellowColour);
        NewBox(this, QStringLiteral("Nrst%1").arg(h), QString::number(h),
               {ScratchArea.left + ScratchArea.step * (h - 1), 46, ScratchArea.width, 16}, SansFont(10),
               YellowColour);
    }
    for (int race = 1; race <= RaceSlots; ++race) {
        const QString number = QString::number(race);
        NewBox(this, QStringLiteral("Avdrr%1").arg(race), number, {14, RowTop(race, 481), 16, 16},
               SansFont(13), YellowColour);
        NewBox(this, QStringLiteral("Avdst%1").arg(race), number, {289, RowTop(race, 503), 14, 16},
               SansFont(13), YellowColour);
        NewBox(this, QStringLiteral("Label%1").arg(162 + race), number, {516, RowTop(race, 503), 15, 16},
               SansFont(13), YellowColour);
        BuildBoxRow(WinnerBoxes, race, RowTop(race, WinnerArea.slot7Top));
        BuildBoxRow(ScratchBoxes, race, RowTop(race, ScratchArea.slot7Top));
        BuildBoxRow(OrderBoxes, race, RowTop(race, OrderArea.slot7Top));
    }
    static const char* const legend[] = {"A", "B", "C", "D"};
    for (int group = GroupA; group <= GroupD; ++group)
        NewBox(this, QStringLiteral("Legend%1").arg(legend[group - 1]),
               QString::fromLatin1(legend[group - 1]), {WinnerArea.left + 20 * (group - 1), 171, 16, 16},
               SansFont(11, true), ToQColor(GroupColours[group]));
}

void TRetta2::BuildBoxRow(QLabel* (&boxes)[RaceSlots + 1][StartNumbers + 1], int race, int top)
{
    const BoxArea& area = &boxes == &WinnerBoxes    ? WinnerArea
                          : &boxes == &ScratchBoxes ? ScratchArea
                                                    : OrderArea;
    for (int n = 1; n <= StartNumbers; ++n) {
        QLabel* box = NewBox(this, BoxName(area, race, n), QString(),
                             {area.left + area.step * (n - 1), top, area.width, 16}, BoxFont(area.kind),
                             Qt::white, area.kind == BoxKind::Scratch ? RedColour : QColor(Qt::black));
        box->setProperty("boxKind", static_cast<int>(area.kind));
        box->setProperty("race", race);
        box->setProperty("number", n);
        box->installEventFilter(this);
        boxes[race][n] = box;
    }
}

void TRetta2::BuildButtons()
{
    struct GradingButton {
        QPushButton* TRetta2::*member;
        const char* name;
        const char* caption;
        void (TRetta2::*click)();
    };
    static const GradingButton buttons[] = {
        {&TRetta2::Button1, "Button1", "Rätta", &TRetta2::Button1Click},
        {&TRetta2::Knappnesta, "Knappnesta", "Nästa avd", &TRetta2::KnappnestaClick},
        {&TRetta2::Button5, "Button5", "Skrivare", &TRetta2::Button5Click},
        {&TRetta2::Button4, "Button4", "Teckensnitt", &TRetta2::Button4Click},
        {&TRetta2::Button3, "Button3", "Skriv", &TRetta2::Button3Click},
        {&TRetta2::Button9, "Button9", "Spara omgången", &TRetta2::Button9Click},
        {&TRetta2::Button8, "Button8", "Ekonomi", &TRetta2::Button8Click},
        {&TRetta2::Button7, "Button7", "Textfil", &TRetta2::Button7Click},
        {&TRetta2::Button6, "Button6", "Info", &TRetta2::Button6Click},
        {&TRetta2::Button2, "Button2", "Tillbaka", &TRetta2::Button2Click}};
    int index = 0;
    for (const GradingButton& entry : buttons) {
        const QRect rect(10 + 104 * (index % 5), 198 + 28 * (index / 5), 100, 24);
        QPushButton* button =
            NewButton(this, QString::fromLatin1(entry.name), QString::fromUtf8(entry.caption), rect);
        connect(button, &QPushButton::clicked, this, entry.click);
        this->*entry.member = button;
        ++index;
    }
}

void TRetta2::BuildResultPanels()
{
    Reservin = NewLabel(this, QStringLiteral("Reservin"), QStringLiteral("Ordinarie har ersatts med reserv"),
                        {10, 254, 340, 18}, SansFont(16, true));
    SetTextColour(Reservin, YellowColour);
    Visaantal = NewLabel(this, QStringLiteral("Visaantal"), QString(), {500, 254, 224, 18}, SansFont(16));
    SetTextColour(Visaantal, YellowColour);

    Panel1 =
        NewBox(this, QStringLiteral("Panel1"), QString(), {6, 276, 364, 124}, WindowFont(), YellowColour);
    const QFont bold = SansFont(16, true);
    NewLabel(Panel1, QStringLiteral("Label3"), QStringLiteral("Resultat"), {CountColumn.left, 2, 66, 18},
             bold);
    NewLabel(Panel1, QStringLiteral("Label4"), QStringLiteral("Utdelning"), {PayoutColumn.left, 2, 90, 18},
             bold);
    NewLabel(Panel1, QStringLiteral("Label5"), QStringLiteral("Vinst"), {296, 2, 50, 18}, bold);
    for (const PrizeRow& row : PrizeRows) {
        const bool hidden = row.entry == 3;
        const int top = hidden ? 200 : 2 + row.top;
        QLabel* caption = NewLabel(Panel1, QStringLiteral("Cap%1").arg(row.countName),
                                   QString::fromUtf8(row.caption), {4, top, 62, 20}, bold);
        CountLabels[3 - row.entry] = NewLabel(Panel1, QString::fromLatin1(row.countName), QString(),
                                              {CountColumn.left, top, CountColumn.width, 20}, SansFont(15));
        QLineEdit* edit = NewEdit(Panel1, QString::fromLatin1(row.payoutName),
                                  {PayoutColumn.left, top, PayoutColumn.width, 20}, 12);
        edit->setFont(MonoFont(15));
        edit->setFrame(false);
        const int entry = row.entry;
        connect(edit, &QLineEdit::textChanged, this, [this] {
            ClearPayoutDisplay();
            Events::ChanceInputsChanged.Emit();
        });
        connect(edit, &QLineEdit::editingFinished, this, [this, entry] { PayoutEditExit(entry); });
        PayoutEdits[entry] = edit;
        AmountLabels[entry] = NewLabel(Panel1, QString::fromLatin1(row.amountName), QString(),
                                       {AmountColumn.left, top, AmountColumn.width, 20}, MonoFont(15),
                                       Qt::AlignRight | Qt::AlignVCenter);
        QLabel* kr = NewLabel(Panel1, QStringLiteral("Kr%1").arg(row.entry), QStringLiteral("kr"),
                              {KrColumn.left, top, KrColumn.width, 20}, SansFont(15));
        for (QWidget* control :
             {static_cast<QWidget*>(caption), static_cast<QWidget*>(CountLabels[3 - row.entry]),
              static_cast<QWidget*>(edit), static_cast<QWidget*>(AmountLabels[entry]),
              static_cast<QWidget*>(kr)})
            control->setVisible(!hidden);
    }
    NewLabel(Panel1, QStringLiteral("Label9"), QStringLiteral("Summa:"), {4, 100, 62, 20}, bold);
    VinstSummaEdit = NewLabel(Panel1, QStringLiteral("VinstSummaEdit"), QString(),
                              {AmountColumn.left, 100, AmountColumn.width, 20}, MonoFont(15),
                              Qt::AlignRight | Qt::AlignVCenter);
    NewLabel(Panel1, QStringLiteral("Kr4s"), QStringLiteral("kr"), {KrColumn.left, 100, KrColumn.width, 20},
             SansFont(15));

    Panel2 =
        NewBox(this, QStringLiteral("Panel2"), QString(), {374, 276, 122, 124}, WindowFont(), YellowColour);
    static const char* const lowNames[] = {"N3rett", "N2rett", "N1rett", "N0rett"};
    for (int i = 4; i <= 7; ++i) {
        const int top = 6 + 28 * (i - 4);
        NewLabel(Panel2, QStringLiteral("Cap%1").arg(lowNames[i - 4]), QStringLiteral("%1 rätt:").arg(7 - i),
                 {4, top, 56, 20}, bold);
        CountLabels[i] = NewLabel(Panel2, QString::fromLatin1(lowNames[i - 4]), QString(), {60, top, 62, 20},
                                  SansFont(15), Qt::AlignRight | Qt::AlignVCenter);
    }
    CountLabels[0]->setParent(Panel2);
    CountLabels[0]->setGeometry(60, 200, 62, 20);
    CountLabels[0]->hide();

    Rettlista = new QTableWidget(this);
    Rettlista->setObjectName(QStringLiteral("Rettlista"));
    Rettlista->setGeometry(500, 276, 224, 124);
    Rettlista->setColumnCount(4);
    const int widths[] = {48, 38, 53, 69};
    for (int column = 0; column < 4; ++column)
        Rettlista->setColumnWidth(column, widths[column]);
    Rettlista->verticalHeader()->hide();
    Rettlista->verticalHeader()->setDefaultSectionSize(19);
    Rettlista->horizontalHeader()->setFixedHeight(19);
    Rettlista->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Rettlista->setSelectionBehavior(QAbstractItemView::SelectRows);
    Rettlista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Rettlista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Rettlista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Rettlista->setStyleSheet(QStringLiteral("QTableWidget { background: rgb(255, 255, 0); }"));
    Rettlista->setFont(SansFont(12));
}

void TRetta2::BuildWinningRowsPanel()
{
    Vinster =
        NewBox(this, QStringLiteral("Vinster"), QString(), {500, 276, 224, 124}, WindowFont(), YellowColour);
    const QFont bold = SansFont(13, true);
    NewLabel(Vinster, QStringLiteral("Label6"), QStringLiteral("Vinst"), {2, 2, 36, 18}, bold);
    NewLabel(Vinster, QStringLiteral("Label7"), QStringLiteral("Radnr"), {48, 2, 40, 18}, bold);
    NewLabel(Vinster, QStringLiteral("Label8"), QStringLiteral("Rad"), {88, 2, 40, 18}, bold);
    for (int line = 1; line <= 4; ++line) {
        const int top = 22 + 24 * (line - 1);
        Vinstgrp[line] = NewLabel(Vinster, QStringLiteral("Vinstgrp%1").arg(line), QString(),
                                  {2, top, 44, 20}, MonoFont(12));
        Vinstnr[line] = NewLabel(Vinster, QStringLiteral("Vinstnr%1").arg(line), QString(), {48, top, 38, 20},
                                 SansFont(12));
        Vinstrad[line] = NewLabel(Vinster, QStringLiteral("Vinstrad%1").arg(line), QString(),
                                  {88, top, 116, 20}, SansFont(12));
    }
    ScrollBar1 = new QScrollBar(Qt::Vertical, Vinster);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setGeometry(206, 2, 16, 120);
    ScrollBar1->setRange(1, 3);
    ScrollBar1->setPageStep(1);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TRetta2::ScrollBar1Change);
}

void TRetta2::FormCreate()
{
    ShiftOnCreate(WideScreenShift::HeightBased);
    ScrollOnNarrowScreen();
    for (flag& scratched : ScratchedInGrading)
        scratched = 0;
}

void TRetta2::ResetToStartState()
{
    for (int race = 1; race <= RaceSlots; ++race) {
        PaintWinnerRow(race);
        PaintOrderRow(race);
        for (int h = 1; h <= StartNumbers; ++h)
            PaintScratchBox(race, h);
    }
    for (QLineEdit* edit : PayoutEdits) {
        const QSignalBlocker blocker(edit);
        edit->setText(StartPayoutText);
    }
    saveDialogName_.clear();
    ShowCouponGrid(5);
    ClearGradingResults();
    Vinster->hide();
    Rettlista->show();
}

// ---- Painting from the tables ----

void TRetta2::PaintWinnerRow(int race)
{
    for (int h = 1; h <= StartNumbers; ++h) {
        QLabel* box = WinnerBoxes[race][h];
        const bool winner = CorrectRow[race] == h;
        box->setText(winner ? QString::number(h) : QString());
        SetBackground(box,
                      winner ? ToQColor(GroupColours[WinnerMarkGroup[race] <= 4 ? WinnerMarkGroup[race] : 0])
                             : QColor(Qt::white));
    }
}

void TRetta2::PaintScratchBox(int race, int startNr)
{
    ScratchBoxes[race][startNr]->setText(IsScratchedInGrading(race, startNr) ? QString::number(startNr)
                                                                             : QString());
}

void TRetta2::PaintOrderRow(int race)
{
    for (int p = 1; p <= StartNumbers; ++p)
        OrderBoxes[race][p]->setText(OfficialOrderCaption(race, p));
}

// The four payout edits from PayoutPerHits; each new text is a change of its field.
void TRetta2::ShowPayoutEdits()
{
    for (int entry = 3; entry >= 0; --entry)
        PayoutEdits[entry]->setText(AmountText(PayoutPerHits[entry]));
}

void TRetta2::ShowCouponGrid(int dataRows)
{
    Rettlista->setRowCount(dataRows);
    filledGridRows_ = 0;
    Rettlista->setHorizontalHeaderLabels({QStringLiteral("  Kup"), QStringLiteral("  6 r"),
                                          QStringLiteral("     5 r"), QStringLiteral("     4 r")});
    for (int row = 0; row < dataRows; ++row)
        for (int column = 0; column < 4; ++column)
            Rettlista->setItem(row, column, new QTableWidgetItem());
}

// ---- Clearing ----

void TRetta2::ClearPayoutDisplay()
{
    InvalidateGrading();
    for (QLabel* amount : AmountLabels)
        amount->clear();
    VinstSummaEdit->clear();
    Reservin->hide();
}

void TRetta2::ClearGradingResults()
{
    ClearPayoutDisplay();
    Events::ChanceInputsChanged.Emit();
    Visaantal->hide();
    for (QLabel* count : CountLabels)
        count->clear();
    ClearWinningRowsPage();
    EmptyFilledGridRows();
    Knappnesta->setEnabled(false);
}

// The page belongs to the counts on show: once they clear, it stays empty, at position 1,
// until the next grading of single rows.
void TRetta2::ClearWinningRowsPage()
{
    pageGraded_ = false;
    const QSignalBlocker blocker(ScrollBar1);
    ScrollBar1->setValue(1);
    ScrollBar1Change();
}

void TRetta2::EmptyFilledGridRows()
{
    for (int row = 0; row < std::min(filledGridRows_, Rettlista->rowCount()); ++row)
        for (int column = 0; column < 4; ++column)
            Rettlista->item(row, column)->setText(QString());
    filledGridRows_ = 0;
}

void TRetta2::PrepareForGrading()
{
    InvalidateGrading();
    ShowCouponGrid(std::max<int>(KeptCouponCount, 5));
    for (int i = 0; i <= 3; ++i)
        CountLabels[i]->clear();
    ClearWinningRowsPage();
    RemarkAllWinners();
    for (int race = 1; race <= RaceSlots; ++race)
        PaintWinnerRow(race);
}

// ---- Window events ----

void TRetta2::FormActivate()
{
    ClearGradingResults();
    fontDialog_.setFont(PrinterFont());
    SharedPrinter().setPageOrientation(GradingWindowFlags == 1 ? QPageLayout::Portrait
                                                               : QPageLayout::Landscape);
    Vinster->hide();
    Rettlista->setVisible(CouponsBuilt == 1);
    if (SingleRowsBuilt == 1) {
        Rettlista->hide();
        Vinster->show();
    }
    if (SavedRoundWaiting()) {
        RestoreSavedRound();
        for (int race = 1; race <= RaceSlots; ++race)
            PaintWinnerRow(race);
        ShowPayoutEdits();
    }
}

void TRetta2::closeEvent(QCloseEvent* e)
{
    GradingWindowFlags = SharedPrinter().pageLayout().orientation() == QPageLayout::Landscape ? 0 : 1;
    VForm::closeEvent(e);
}

bool TRetta2::eventFilter(QObject* watched, QEvent* e)
{
    const QVariant kind = watched->property("boxKind");
    if (!kind.isValid())
        return VForm::eventFilter(watched, e);
    const int race = watched->property("race").toInt();
    const int number = watched->property("number").toInt();
    // The second press of a quick double click comes as a double-click event.
    const bool mouseDown = e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick;
    switch (static_cast<BoxKind>(kind.toInt())) {
        case BoxKind::Winner:
            if (mouseDown)
                WinnerBoxMouseDown(race, number);
            break;
        case BoxKind::Scratch:
            if (mouseDown)
                ScratchBoxMouseDown(race, number);
            break;
        case BoxKind::Order:
            if (e->type() == QEvent::MouseButtonRelease &&
                static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
                OrderBoxClick(race, number);
            break;
    }
    return VForm::eventFilter(watched, e);
}

// ---- Inputs ----

void TRetta2::WinnerBoxMouseDown(int race, int startNr)
{
    ClearGradingResults();
    SetRaceWinner(race, startNr);
    PaintWinnerRow(race);
}

void TRetta2::ScratchBoxMouseDown(int race, int startNr)
{
    ClearGradingResults();
    ToggleScratchedHorse(race, startNr);
    PaintScratchBox(race, startNr);
}

void TRetta2::OrderBoxClick(int race, int position)
{
    ClickOfficialOrder(race, position);
    PaintOrderRow(race);
}

void TRetta2::PayoutEditExit(int entry)
{
    if (entry < 0 || entry > 2)
        return;
    const QString shown = StorePayoutText(entry, PayoutEdits[entry]->text());
    if (PayoutEdits[entry]->text() != shown)
        PayoutEdits[entry]->setText(shown);
}

// ---- Buttons ----

void TRetta2::Button1Click()
{
    const GradingResult result = GradeSystem();
    if (!result.refusal.isEmpty()) {
        ShowMessage(result.refusal);
        return;
    }
    for (int i = 0; i <= RaceSlots; ++i)
        CountLabels[i]->setText(result.countTexts[i]);
    for (int entry = 0; entry <= 3; ++entry)
        AmountLabels[entry]->setText(result.amountTexts[entry]);
    VinstSummaEdit->setText(result.totalText);
    if (result.substituted)
        Reservin->show();
    if (result.singleRows) {
        pageGraded_ = true;
        const QSignalBlocker blocker(ScrollBar1);
        ScrollBar1->setRange(1, WinningRowsScrollMaximum());
        ScrollBar1->setValue(1);
    } else {
        // A changed official order is graded without clearing the results first.
        EmptyFilledGridRows();
        if (Rettlista->rowCount() < static_cast<int>(result.couponGrid.size()))
            ShowCouponGrid(static_cast<int>(result.couponGrid.size()));
        for (std::size_t row = 0; row < result.couponGrid.size(); ++row)
            for (int column = 0; column < 4; ++column)
                Rettlista->item(static_cast<int>(row), column)->setText(result.couponGrid[row][column]);
        filledGridRows_ = static_cast<int>(result.couponGrid.size());
    }
    if (result.singleRows)
        ScrollBar1Change();
    Visaantal->setText(result.winnersText);
    Visaantal->setVisible(!result.winnersText.isEmpty());
    if (result.nextRaceEnabled)
        Knappnesta->setEnabled(true);
}

void TRetta2::ScrollBar1Change()
{
    const auto lines = pageGraded_ ? WinningRowsPage(ScrollBar1->value()) : std::array<WinningRowLine, 4>{};
    for (int line = 1; line <= 4; ++line) {
        const WinningRowLine& shown = lines[static_cast<std::size_t>(line - 1)];
        Vinstgrp[line]->setText(shown.classText);
        Vinstnr[line]->setText(shown.rowNumber);
        Vinstrad[line]->setText(shown.startNumbers);
    }
}

void TRetta2::Button2Click()
{
    Nesta->close();
    close();
}

void TRetta2::Button3Click()
{
    const QFont font = fontDialog_.font();
    SetPrinterFont(font);
    const ResultPrintout printout =
        LayOutResultPrintout(PrinterPage(), PointSizeOf(font),
                             [&font](const QString& text) { return PrinterTextWidth(font, text); });
    if (!printout.refusal.isEmpty()) {
        ShowMessage(printout.refusal);
        return;
    }
    PrintResult(printout, font);
}

void TRetta2::Button4Click()
{
    fontDialog_.Execute(this);
    SetPrinterFont(fontDialog_.font());
}

void TRetta2::Button5Click()
{
    ChoosePrinter(this);
}

void TRetta2::Button6Click()
{
    RequestHelp(HelpTopic::Grading);
}

void TRetta2::Button7Click()
{
    if (Graded == 0) {
        ShowMessage(GradeBeforeSavingMessage);
        return;
    }
    const QStringList lines = ResultTextLines();
    const QString chosen = ChooseSaveFileName(this, ResultFileFilter, saveDialogName_);
    if (chosen.isEmpty())
        return;
    const QString path = ResultFileName(chosen);
    saveDialogName_ = path;
    if (QFileInfo::exists(path) && !AskYesNo(QStringLiteral("Ska filen ") + QFileInfo(path).fileName() +
                                             QStringLiteral(" skrivas över?")))
        return;
    if (!WriteTextLines(path, lines))
        ShowErrorMessage(QStringLiteral("Filen ") + path + QStringLiteral(" kunde inte skrivas."));
}

void TRetta2::Button8Click()
{
    Ekonomi->Show();
}

void TRetta2::Button9Click()
{
    const HourglassCursor hourglass;
    BeginRoundSave();
    WriteSystemFile(this);
}

void TRetta2::KnappnestaClick()
{
    Nesta->Show();
}

TRetta2* Retta2 = nullptr;
