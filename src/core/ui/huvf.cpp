#include "core/ui/huvf.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QUrl>

#include "conditions/abcdlist.h"
#include "core/ui/updatenotice.h"
#include "model/variabl.h"
#include "platform/ui/kit.h"
#include "sysfile/ui/savesystem.h"

namespace {

constexpr QSize ClientSize(768, 568);
// Components that the window keeps but never shows lie below this line.
constexpr int OutsideTop = 600;

const QString GroupLetters[5] = {QString(), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                 QStringLiteral("D")};

// Marking grid geometry: cell of race 1-6 (race slot 7 lies far right, outside).
int MarkColumnLeft(int race, int group)
{
    const int raceLeft = race <= 6 ? 41 + 61 * (race - 1) : 857;
    return raceLeft + 15 * (group - 1);
}

int MarkRowTop(int horse)
{
    return 129 + 15 * (horse - 1);
}

// Winner-count label [count][group]: the row shows the real races won (count - 1 for A).
QRect WinnerCountRect(int count, int group)
{
    constexpr int HiddenLefts[5] = {0, 18, 26, 42, 58};
    const bool hidden = group == 1 ? count == 0 : count == 7;
    if (hidden)
        return {HiddenLefts[group], 545, 14, 15};
    const int shown = group == 1 ? count - 1 : count;
    return {22 + 16 * (group - 1), 508 - 16 * shown, 14, 15};
}

// Group-condition panel geometry; race slot 7 and hit count 7 lie outside.
int ConditionColumnLeft(int column)
{
    return 147 + 76 * (column - 1);
}

int ConditionRowTop(int race)
{
    return race <= 6 ? 428 + 16 * (race - 1) : OutsideTop;
}

int HitCountTop(int hits)
{
    return hits <= 6 ? 512 - 14 * hits : OutsideTop;
}

}  // namespace

QString MainWindowCaption()
{
    const QString caption = QStringLiteral("Vimsta för V65-V64, version 18.2");
    const QString host = MakerDomain();
    return host.isEmpty() ? caption : caption + QStringLiteral("   ") + host;
}

TV65x::TV65x() : VForm(MainWindowCaption(), ClientSize)
{
    setObjectName(QStringLiteral("V65x"));
    MainFormCaption = windowTitle();
    MainFormWidget() = this;
    CentreOnScreenWhenFirstShown();
    // Customised, so that the platform adds no maximise button of its own: the size is fixed.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    BuildClientArea();
    BuildFileButtons();
    BuildNameAndDate();
    BuildConstructButtons();
    BuildResultBoxes();
    BuildOutputButtons();
    BuildMarkingGrid();
    BuildColumnSignals();
    BuildExtraConditions();
    BuildPrice();
    BuildRowCounts();
    BuildWinnerCounts();
    BuildGroupConditionPanel();
    BuildAbcdList();
    BuildProgressOverlay();
    BuildOutsideControls();
    BindMarkingHandlers();
    SubscribeToChanges();
    InstallMainWindowRequests();
    ConnectActions();
    ConnectConstructDispatch();
}

// The client area sits in a scroll area whose scroll bars the create handler turns on for
// small screens; the range is the client area itself.
void TV65x::BuildClientArea()
{
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setGeometry(QRect(QPoint(0, 0), ClientSize));
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Client = new QWidget;
    Client->setFixedSize(ClientSize);
    Client->setFont(WindowFont());
    SetBackground(Client, ToQColor(PaleCream));
    scrollArea_->setWidget(Client);
}

void TV65x::BuildFileButtons()
{
    Button8 = NewButton(Client, QStringLiteral("Button8"), QStringLiteral("Hämta system"), {18, 5, 102, 23});
    Button9 = NewButton(Client, QStringLiteral("Button9"), QStringLiteral("Spara system"), {18, 28, 102, 23});
    Button26 = NewButton(Client, QStringLiteral("Button26"), QStringLiteral("Startlistor, rank mm"),
                         {18, 51, 172, 23});
    Button5 = NewButton(Client, QStringLiteral("Button5"), QStringLiteral("Rätta"), {121, 5, 49, 23});
    Button27 = NewButton(Client, QStringLiteral("Button27"), QStringLiteral("Chans"), {171, 5, 49, 23});
    LATGfil =
        NewButton(Client, QStringLiteral("LATGfil"), QStringLiteral("Spara ATG-fil"), {121, 28, 99, 23});
    Button28 = NewButton(Client, QStringLiteral("Button28"), QStringLiteral("%"), {191, 51, 29, 23});
    Button6 = NewButton(Client, QStringLiteral("Button6"), QStringLiteral("Radera"), {18, 74, 75, 18});
    KnReducera = NewButton(Client, QStringLiteral("KnReducera"), QStringLiteral("Reducera kuponger"),
                           {94, 74, 126, 18});
    KnReducera->setEnabled(false);
}

void TV65x::BuildNameAndDate()
{
    NewHeading(Client, QStringLiteral("Systemnamn"), {242, 5, 163, 19});
    NewHeading(Client, QStringLiteral("Datum"), {406, 5, 81, 19});
    Namn = NewEdit(Client, QStringLiteral("Namn"), {242, 26, 163, 22}, 50);
    Datum = NewEdit(Client, QStringLiteral("Datum"), {406, 26, 81, 22}, 25);
}

void TV65x::BuildConstructButtons()
{
    Berekna = NewButton(Client, QStringLiteral("Berekna"), QStringLiteral("Flerkupong"), {242, 53, 90, 23});
    Bereknaerader = NewButton(Client, QStringLiteral("Bereknaerader"),
                              QStringLiteral("Varierande reducering"), {333, 53, 154, 23});
}

void TV65x::BuildResultBoxes()
{
    NewHeading(Client, QStringLiteral("Antal rader"), {509, 5, 82, 17});
    LabelRadantal = NewBox(Client, QStringLiteral("LabelRadantal"), QStringLiteral("x"), {509, 22, 82, 26},
                           SansFont(15, true), YellowColour);
    NewHeading(Client, QStringLiteral("Antal kup."), {509, 50, 82, 17});
    LabelKup = NewBox(Client, QStringLiteral("LabelKup"), QStringLiteral("x"), {509, 67, 82, 23},
                      SansFont(12, true), YellowColour);
}

void TV65x::BuildOutputButtons()
{
    Button2 =
        NewButton(Client, QStringLiteral("Button2"), QStringLiteral("Fylla i kuponger"), {598, 5, 120, 23});
    CKnapp = NewButton(Client, QStringLiteral("CKnapp"), QStringLiteral("©"), {720, 5, 29, 23});
    Button3 = NewButton(Client, QStringLiteral("Button3"), QStringLiteral("Papperskopia"), {598, 28, 75, 23});
    Button11 = NewButton(Client, QStringLiteral("Button11"), QStringLiteral("Textfil"), {674, 28, 75, 23});
    Button4 = NewButton(Client, QStringLiteral("Button4"), QStringLiteral("Se kuponger"), {598, 51, 151, 23});
    Button13 = NewButton(Client, QStringLiteral("Button13"), QStringLiteral("Reserver"), {598, 74, 75, 23});
    LabelRes = NewCentredLabel(Client, QStringLiteral("LabelRes"), QStringLiteral("-"), {676, 77, 26, 17},
                               SansFont(13, true));
    ResF = NewBox(Client, QStringLiteral("ResF"), QStringLiteral(" ? "), {676, 77, 26, 17},
                  SansFont(13, true), RedColour, Qt::white);
    ResF->hide();
    Button1 = NewButton(Client, QStringLiteral("Button1"), QStringLiteral("Info"), {705, 74, 44, 23});
    LabelVersionskoll =
        NewLabel(Client, QStringLiteral("LabelVersionskoll"),
                 QStringLiteral("Kunde inte kontrollera om det finns en nyare version."), {237, 77, 255, 13});
    LabelVersionskoll->hide();
}

void TV65x::BuildMarkingGrid()
{
    for (int race = 1; race <= RaceSlots; ++race) {
        const int left = MarkColumnLeft(race, 1);
        RaceButtons[race] = NewButton(Client, QStringLiteral("Button%1").arg(18 + race),
                                      QStringLiteral("Avd %1").arg(race), {left - 1, 93, 63, 20});
        for (int group = GroupA; group <= GroupD; ++group) {
            const int x = MarkColumnLeft(race, group);
            NewCentredLabel(Client, QString(), GroupLetters[group], {x, 112, 14, 15});
            for (int horse = 1; horse <= StartNumbers; ++horse) {
                QLabel* cell = NewCentredLabel(
                    Client,
                    QStringLiteral("R%1%2%3").arg(race).arg(group).arg(horse, 2, 10, QLatin1Char('0')),
                    QString(), {x, MarkRowTop(horse), 14, 14});
                SetBackground(cell, Qt::white);
                SetTextColour(cell, Qt::black);
                MarkCells[race][group][horse] = cell;
            }
        }
    }
    for (int horse = 1; horse <= StartNumbers; ++horse) {
        const QString number = QString::number(horse);
        NewLabel(Client, QString(), number, {19, MarkRowTop(horse), 19, 14}, WindowFont(),
                 Qt::AlignRight | Qt::AlignVCenter);
        NewLabel(Client, QString(), number, {408, MarkRowTop(horse), 19, 14});
    }
    Button10 = NewButton(Client, QStringLiteral("Button10"), QStringLiteral("0"), {19, 107, 19, 21});
}

void TV65x::BuildColumnSignals()
{
    struct Signal {
        QLabel* TV65x::*member;
        const char* name;
        const char* caption;
        QColor fill;
    };
    const Signal columnSignals[] = {{&TV65x::Signalhest, "Signalhest", "Häst", LimeColour},
                                    {&TV65x::Signalstreck, "Signalstreck", "Procent", LimeColour},
                                    {&TV65x::Signalodds, "Signalodds", "Odds", RedColour}};
    int top = 92;
    for (const Signal& s : columnSignals) {
        this->*s.member = NewShape(Client, QString::fromLatin1(s.name), {417, top, 9, 9}, s.fill);
        NewLabel(Client, QString(), QString::fromUtf8(s.caption), {429, top - 3, 40, 14});
        top += 13;
    }
}

void TV65x::BuildExtraConditions()
{
    NewLabel(Client, QString(), QStringLiteral("Tilläggsvillkor"), {514, 107, 150, 17}, SansFont(13, true));
    NewLabel(Client, QString(), QStringLiteral("Antal"), {712, 109, 36, 15}, SansFont(12));
    struct Row {
        QPushButton* TV65x::*button;
        const char* buttonName;
        const char* caption;
        int width;
        QCheckBox* TV65x::*box;
        const char* boxName;
        QLabel* TV65x::*count;
        const char* countName;
    };
    const Row rows[] = {
        {&TV65x::Button16, "Button16", "Startnummer", 120, &TV65x::VlkstartnrJA, "VlkstartnrJA",
         &TV65x::Lsnvlk, "Lsnvlk"},
        {&TV65x::Button14, "Button14", "Poängvillkor", 120, &TV65x::VlkvinstchJA, "VlkvinstchJA",
         &TV65x::Lvchvlk, "Lvchvlk"},
        {&TV65x::Button29, "Button29", "Utdelningsintervall", 120, &TV65x::CBUtdelning, "CBUtdelning",
         nullptr, nullptr},
        {&TV65x::Button17, "Button17", "Övrigt", 60, &TV65x::Vlkovrigt, "Vlkovrigt", nullptr, nullptr},
    };
    int top = 128;
    for (const Row& row : rows) {
        this->*row.button = NewButton(Client, QString::fromLatin1(row.buttonName),
                                      QString::fromUtf8(row.caption), {528, top, row.width, 23});
        this->*row.box = NewCheckBox(Client, QString::fromLatin1(row.boxName), QStringLiteral("aktiv"),
                                     {656, top + 3, 54, 17});
        if (row.count)
            this->*row.count =
                NewLabel(Client, QString::fromLatin1(row.countName), QStringLiteral("0"),
                         {712, top + 3, 30, 17}, SansFont(12, true), Qt::AlignRight | Qt::AlignVCenter);
        top += 25;
    }
}

void TV65x::BuildPrice()
{
    Pris1 = NewCentredLabel(Client, QStringLiteral("Pris1"), QStringLiteral("Insats, kr"), {513, 237, 76, 16},
                            SansFont(12));
    Pris3 = NewCentredLabel(Client, QStringLiteral("Pris3"), QStringLiteral("Kup. avgift"),
                            {591, 237, 76, 16}, SansFont(12));
    Pris4 = NewCentredLabel(Client, QStringLiteral("Pris4"), QStringLiteral("Totalt, kr"), {669, 237, 77, 16},
                            SansFont(12));
    Prisrader = NewCentredLabel(Client, QStringLiteral("Prisrader"), QString(), {513, 255, 76, 18},
                                SansFont(13, true));
    Prisavg =
        NewCentredLabel(Client, QStringLiteral("Prisavg"), QString(), {591, 255, 76, 18}, SansFont(13, true));
    Pristot =
        NewCentredLabel(Client, QStringLiteral("Pristot"), QString(), {669, 255, 77, 18}, SansFont(13, true));
    for (QLabel* label : {Pris1, Pris3, Pris4, Prisrader, Prisavg, Pristot})
        label->hide();
}

void TV65x::BuildRowCounts()
{
    struct Row {
        const char* caption;
        QLabel* TV65x::*value;
        const char* name;
    };
    const Row rows[] = {{"Rader inom ramen", &TV65x::Maxrader, "Maxrader"},
                        {"Rader utan tilläggsvillkor", &TV65x::Lantalraderutan, "Lantalraderutan"},
                        {"Rader oreducerat", &TV65x::LRaderoreduc, "LRaderoreduc"}};
    int top = 277;
    for (const Row& row : rows) {
        NewLabel(Client, QString(), QString::fromUtf8(row.caption), {514, top, 150, 17}, SansFont(12));
        this->*row.value =
            NewLabel(Client, QString::fromLatin1(row.name), QStringLiteral("0"), {668, top, 80, 17},
                     SansFont(12, true), Qt::AlignRight | Qt::AlignVCenter);
        top += 19;
    }
    NewLabel(Client, QString(), QStringLiteral("Reducering: "), {514, 335, 72, 17}, SansFont(12));
    LReducgrad = NewBox(Client, QStringLiteral("LReducgrad"), QStringLiteral("0 %"), {588, 335, 44, 17},
                        SansFont(12, true), YellowColour);
    Antalkusar = NewLabel(Client, QStringLiteral("Antalkusar"), QStringLiteral("0"), {636, 335, 44, 17},
                          SansFont(12, true), Qt::AlignRight | Qt::AlignVCenter);
    Label2 = NewLabel(Client, QStringLiteral("Label2"), QStringLiteral("hästar"), {684, 335, 64, 17},
                      SansFont(12));
}

void TV65x::BuildWinnerCounts()
{
    NewLabel(Client, QString(), QStringLiteral("Vinnare"), {18, 372, 68, 17}, SansFont(12, true));
    for (int group = GroupA; group <= GroupD; ++group) {
        NewBox(Client, QString(), GroupLetters[group], {22 + 16 * (group - 1), 394, 14, 15}, WindowFont(),
               ToQColor(GroupColour(group)));
        for (int count = 0; count <= 7; ++count) {
            const bool hidden = group == 1 ? count == 0 : count == 7;
            const int shown = group == 1 && count > 0 ? count - 1 : count;
            QLabel* label = NewBox(Client, QStringLiteral("%1vin%2").arg(GroupLetters[group]).arg(count),
                                   QString::number(hidden ? count : shown), WinnerCountRect(count, group),
                                   WindowFont(), Qt::white, SilverColour);
            label->setVisible(!hidden);
            WinnerCountLabels[count][group] = label;
        }
    }
    NewBox(Client, QString(), QStringLiteral(" Förbjudet "), {91, 532, 60, 15}, WindowFont(), RedColour);
    NewBox(Client, QString(), QStringLiteral(" Tillåtet "), {91, 549, 60, 15}, WindowFont(), LimeColour);
}

void TV65x::BuildGroupConditionPanel()
{
    Labelantalvlk = NewLabel(Client, QStringLiteral("Labelantalvlk"), QStringLiteral("Villkor, 0 st"),
                             {148, 373, 150, 16}, SansFont(12, true));
    Button12 = NewButton(Client, QStringLiteral("Button12"), QStringLiteral("0"), {125, 403, 19, 21});
    RullistV = new QScrollBar(Qt::Horizontal, Client);
    RullistV->setObjectName(QStringLiteral("RullistV"));
    RullistV->setGeometry(148, 392, 300, 17);
    RullistV->setRange(1, ConditionCount - 3);
    RullistV->setValue(1);
    for (int race = 1; race <= RaceSlots; ++race) {
        const QString caption = QStringLiteral(" Avd %1 ").arg(race);
        NewLabel(Client, QString(), caption, {103, ConditionRowTop(race), 42, 15});
        NewLabel(Client, QString(), caption, {451, ConditionRowTop(race), 42, 15});
    }
    for (int column = 1; column <= 4; ++column) {
        const int left = ConditionColumnLeft(column);
        Vnr[column] = NewCentredLabel(Client, QStringLiteral("Vnr%1").arg(column), QString::number(column),
                                      {left, 411, 60, 15}, SansFont(12, true));
        for (int race = 1; race <= RaceSlots; ++race)
            for (int group = GroupA; group <= GroupD; ++group)
                ConditionCells[column][race][group] =
                    NewBox(Client, QStringLiteral("V%1%2%3").arg(column).arg(race).arg(GroupLetters[group]),
                           QLatin1Char(' ') + GroupLetters[group],
                           {left + 15 * (group - 1), ConditionRowTop(race), 14, 15}, WindowFont(), Qt::white,
                           SilverColour);
        for (int hits = 0; hits <= 7; ++hits)
            HitCountLabels[column][hits] = NewBox(
                Client, QStringLiteral("V%1%2").arg(column).arg(hits), QString::number(hits),
                {208 + 76 * (column - 1), HitCountTop(hits), 13, 14}, WindowFont(), Qt::white, SilverColour);
    }
}

void TV65x::BuildAbcdList()
{
    NewBox(Client, QString(), QStringLiteral("Rader utan tilläggsvillkor o. reduc."), {512, 370, 236, 16},
           SansFont(12), SilverColour);
    ABClista = new QTableWidget(CompositionCount, 3, Client);
    ABClista->setObjectName(QStringLiteral("ABClista"));
    ABClista->setGeometry(512, 388, 236, 139);
    ABClista->setFont(MonoFont(12));
    ABClista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ABClista->setSelectionBehavior(QAbstractItemView::SelectRows);
    ABClista->setSelectionMode(QAbstractItemView::SingleSelection);
    ABClista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ABClista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ABClista->setTextElideMode(Qt::ElideNone);
    ABClista->setWordWrap(false);
    // Tab leaves the list for the next control; the arrow keys move within it.
    ABClista->setTabKeyNavigation(false);
    ABClista->setCornerButtonEnabled(false);
    QHeaderView* rows = ABClista->verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(16);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* head = ABClista->horizontalHeader();
    head->setFont(MonoFont(12));
    head->setMinimumSectionSize(1);
    head->setSectionResizeMode(QHeaderView::Fixed);
    head->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    head->setHighlightSections(false);
    head->setSectionsClickable(false);
    head->setFixedHeight(16);
    const int widths[3] = {87, 75, 55};
    for (int column = 0; column < 3; ++column) {
        ABClista->setColumnWidth(column, widths[column]);
        ABClista->setHorizontalHeaderItem(column, new QTableWidgetItem);
        for (int row = 0; row < CompositionCount; ++row)
            ABClista->setItem(row, column, new QTableWidgetItem);
    }
    Allanej = NewButton(Client, QStringLiteral("Allanej"), QStringLiteral("Nej på alla"), {512, 533, 90, 19});
    NejPanel = NewCentredLabel(Client, QStringLiteral("NejPanel"), QStringLiteral("0 Nej"),
                               {606, 533, 70, 19}, SansFont(12, true));
    NejPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Button7 = NewButton(Client, QStringLiteral("Button7"), QStringLiteral("0"), {726, 533, 22, 19});
}

void TV65x::BuildProgressOverlay()
{
    Venta1 = NewShape(Client, QStringLiteral("Venta1"), {221, 127, 112, 57}, YellowColour);
    Venta2 = NewCentredLabel(Client, QStringLiteral("Venta2"), QStringLiteral("Beräknar"),
                             {225, 133, 104, 18}, SansFont(13, true));
    Venta3 = NewCentredLabel(Client, QStringLiteral("Venta3"), QStringLiteral("VÄNTA!"), {225, 155, 104, 22},
                             SansFont(15, true));
    Avbrytknapp = NewButton(Client, QStringLiteral("Avbrytknapp"), QStringLiteral("Avbryt"),
                            {221, 184, 112, 41}, SansFont(13, true));
    for (QWidget* part : std::initializer_list<QWidget*>{Venta1, Venta2, Venta3, Avbrytknapp})
        part->hide();
}

void TV65x::BuildOutsideControls()
{
    Button18 =
        NewButton(Client, QStringLiteral("Button18"), QStringLiteral("Startlistor"), {800, 55, 90, 23});
    Button18->hide();
}

void TV65x::OnMouseDown(QWidget* control, std::function<void()> handler)
{
    mouseDownHandlers_.insert(control, std::move(handler));
    control->installEventFilter(this);
}

// Any mouse button; a quick second click arrives as a double click and counts as another
// mouse-down.
bool TV65x::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
        const auto handler = mouseDownHandlers_.constFind(watched);
        if (handler != mouseDownHandlers_.constEnd()) {
            (*handler)();
            return true;
        }
    }
    return VForm::eventFilter(watched, e);
}

void TV65x::FormCreate()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        if (NeedsHorizontalScrollBar(screen->size()))
            scrollArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        if (NeedsVerticalScrollBar(screen->size()))
            scrollArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
    InitAbcdList();
    PaintAbcdList();
    ProgramDir = QDir::currentPath();
    if (!ProgramDir.endsWith(QLatin1Char('/')))
        ProgramDir += QLatin1Char('/');
}

// The edits are emptied without their change handlers: the tables are the start state's.
void TV65x::ResetToStartState()
{
    for (QLineEdit* edit : {Namn, Datum}) {
        const QSignalBlocker blocker(edit);
        edit->clear();
    }
    RullistV->setValue(1);
    ForgetSystemFileNames();
    setWindowTitle(MainWindowCaption());
    MainFormCaption = windowTitle();
    PaintAll();
}

void TV65x::FormShow()
{
    if (UpdateCheckOnShow)
        StartUpdateCheck(LabelVersionskoll);
}

void TV65x::FormCloseQuery(bool& canClose)
{
    canClose = SaveOrGiveUpUnsavedSystem(QStringLiteral("Ska systemet sparas innan programmet stängs?"));
}

// During a long run the close does not come here: the run's guard (platform/ui/runguard.h)
// stops the run first and sends the close again once it has ended.
void TV65x::closeEvent(QCloseEvent* e)
{
    bool canClose = true;
    FormCloseQuery(canClose);
    if (!canClose) {
        e->ignore();
        return;
    }
    e->accept();
    QApplication::quit();
}

TV65x* V65x = nullptr;
