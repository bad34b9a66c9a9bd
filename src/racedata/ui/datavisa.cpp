#include "racedata/ui/datavisa.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDrag>
#include <QDropEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>

#include "marks/marking.h"
#include "marks/recount.h"
#include "model/colours.h"
#include "model/notify.h"
#include "model/variabl.h"
#include "platform/textfile.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/kit.h"
#include "racedata/columnsettings.h"
#include "racedata/pointscolumn.h"
#include "racedata/roworder.h"
#include "racedata/startlistimport.h"
#include "racedata/ui/atgsida.h"
#include "racedata/ui/datavisa_columns.h"
#include "racedata/ui/infostartlistor.h"
#include "racedata/ui/racepopup.h"

namespace {

constexpr QSize ClientSize(758, 559);
// Components that the user never sees lie below this line.
constexpr int OutsideTop = 600;
constexpr int RowWidth = 120;
constexpr int DesignRowHeight = 28;
// A drag of a row of this window carries this format; drags of other windows are refused.
const QString RowDragFormat = QStringLiteral("application/x-vimsta-racedata-row");

const QFont& Arial7()
{
    static const QFont font = SansFont(9);
    return font;
}

const QFont& Arial8()
{
    static const QFont font = SansFont(11);
    return font;
}

const QFont& Arial9()
{
    static const QFont font = SansFont(12);
    return font;
}

// Left edge of race slot r's column; race slot 7 lies beyond the client area.
int ColumnLeft(int race)
{
    return race <= PoolRaces ? 9 + 124 * (race - 1) : 870;
}

QString HorseSuffix(int race, int horse)
{
    return QString::number(race) + QString::number(horse);
}

QString BoxName(int race, int group, int horse)
{
    return QStringLiteral("R%1%2%3").arg(race).arg(group).arg(horse, 2, 10, QLatin1Char('0'));
}

QString RankLabelName(int race, int slot)
{
    return race == 1 ? QStringLiteral("v%1").arg(slot) : QStringLiteral("v%1%2").arg(race).arg(slot);
}

// The points labels that take a drop at the row's bottom rather than at its top.
bool PointsLabelDropsAtBottom(int race, int horse)
{
    return race == 5 && (horse == 8 || horse == 9 || horse == 11);
}

int RaceOfDragSourceCode(int32 code)
{
    return code >= 100 ? code / 100 : code / 10;
}

int32 DragSourceCodeOf(int race, int horse)
{
    return horse >= 10 ? race * 100 + horse : race * 10 + horse;
}

void SetText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

void SetVisible(QWidget* widget, bool visible)
{
    if (widget->isHidden() == visible)
        widget->setVisible(visible);
}

void SetColour(QWidget* widget, const QColor& colour)
{
    if (!widget->autoFillBackground() || BackgroundOf(widget) != colour)
        SetBackground(widget, colour);
}

void SetFontStyle(QLabel* label, void (QFont::*style)(bool), bool on)
{
    QFont font = label->font();
    (font.*style)(on);
    if (font != label->font())
        label->setFont(font);
}

void SetNameScratched(QLabel* name, bool scratched)
{
    SetFontStyle(name, &QFont::setStrikeOut, scratched);
    const QColor colour = scratched ? ToQColor(Red) : ToQColor(Black);
    if (TextColourOf(name) != colour)
        SetTextColour(name, colour);
}

QFrame* NewLine(QWidget* parent, const QString& name, QRect rect)
{
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setGeometry(rect);
    SetBackground(line, ToQColor(Black));
    return line;
}

bool IsRowDrag(const QMimeData* mime)
{
    return mime && mime->hasFormat(RowDragFormat);
}

}  // namespace

TData::TData() : VForm(QStringLiteral("Startlistor, streck och odds"), ClientSize)
{
    setObjectName(QStringLiteral("Data"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(MonoFont(12));
    SetBackground(this, ToQColor(PaleCream));
    setAcceptDrops(true);
    setMouseTracking(true);
    CentreOverMainWhenFirstShown();
    BuildRaceColumns();
    BuildBottomArea();
    BuildHiddenControls();
    BindHandlers();
    ConnectDataWindowHandlers(*this);
    SubscribeToChanges();
}

void TData::BuildRaceColumns()
{
    for (int k = 0; k <= 6; ++k) {
        static const char* const names[] = {"Shape7",  "Shape65", "LinjeV10", "LinjeV11",
                                            "Shape70", "LinjeV4", "LinjeV6"};
        Separators[k] = NewLine(this, QString::fromLatin1(names[k]), QRect(7 + 124 * k, 8, 1, 457));
    }
    for (int i = 1; i <= 3; ++i) {
        static const int tops[] = {0, 8, 24, 464};
        NewLine(this, QStringLiteral("LinjeV%1").arg(i), QRect(7, tops[i], 745, 1));
    }
    for (int race = 1; race <= RaceSlots; ++race) {
        const int left = ColumnLeft(race);
        Kavd[race] = NewButton(this, QStringLiteral("Kavd%1").arg(race), QStringLiteral("Avd %1").arg(race),
                               QRect(left + 3, 9, 43, 16), Arial8());
        S[race] = NewLabel(this, QStringLiteral("S%1").arg(race), QString(), QRect(left + 50, 10, 70, 14),
                           Arial8());
        if (race >= 2) {
            Lavd[race] =
                NewLabel(this, QStringLiteral("Lavd%1").arg(race), QStringLiteral("Avd %1").arg(race),
                         QRect(left + 50, 10, 70, 14), SansFont(11, true));
            Lavd[race]->setEnabled(false);
            Lavd[race]->hide();
        }
        for (int slot = 1; slot <= StartNumbers; ++slot)
            RankLabels[race][slot] =
                NewLabel(this, RankLabelName(race, slot), QString::number(slot),
                         QRect(left, 29 * slot + 11, 10, 14), Arial7(), Qt::AlignRight | Qt::AlignVCenter);
        for (int horse = 1; horse <= StartNumbers; ++horse)
            BuildRow(race, horse);
    }
}

void TData::BuildRow(int race, int horse)
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel") + HorseSuffix(race, horse));
    panel->setGeometry(ColumnLeft(race), 29 * horse, RowWidth, DesignRowHeight);
    Panel[race][horse] = panel;
    const QString suffix = HorseSuffix(race, horse);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const int nameLeft = race >= 3 && race <= PoolRaces ? 2 : 1;
    H[race][horse] =
        NewLabel(panel, QStringLiteral("H") + suffix, QString(), QRect(nameLeft, 1, 70, 13), Arial8());
    if (race != RaceSlots || horse != 1)
        Ps[race][horse] = NewLabel(panel, QStringLiteral("Ps") + suffix, QString(),
                                   race == 1 ? QRect(78, 1, 40, 13) : QRect(83, 1, 35, 13), Arial8());
    // Wide enough for the three digits of the largest points a points file holds.
    Po[race][horse] =
        NewLabel(panel, QStringLiteral("Po") + suffix, QString(), QRect(0, 14, 15, 11), Arial7(), right);
    O[race][horse] =
        NewLabel(panel, QStringLiteral("O") + suffix, QString(), QRect(15, 14, 26, 11), Arial7(), right);
    for (int group = 1; group <= GroupCount; ++group)
        R[race][group][horse] =
            NewShape(panel, BoxName(race, group, horse), QRect(35 + 10 * group, 15, 10, 10), ToQColor(White));
    P[race][horse] =
        NewLabel(panel, QStringLiteral("P") + suffix, QString(), QRect(86, 12, 28, 12), Arial8(), right);
}

void TData::BuildBottomArea()
{
    NewShape(this, QStringLiteral("Shape4"), QRect(10, 490, 591, 62), ToQColor(Silver))
        ->setFrameStyle(QFrame::NoFrame);
    NewShape(this, QStringLiteral("Shape3"), QRect(601, 490, 151, 62), ToQColor(Yellow))
        ->setFrameStyle(QFrame::NoFrame);
    static const int lefts[] = {0, 26, 149, 273, 397, 521, 647};
    for (int race = 1; race <= PoolRaces; ++race)
        KnLesinAvd[race] =
            NewButton(this, QStringLiteral("KnLesinAvd%1").arg(race),
                      QStringLiteral("Lägg in avd %1").arg(race), QRect(lefts[race], 467, 88, 21), Arial8());
    BuildButtons<TData>(this, this,
                        {{&TData::Button21, "Button21", "Viktigt!", QRect(19, 498, 53, 23)},
                         {&TData::Button20, "Button20", "Hämta startlistor", QRect(70, 498, 107, 23)}},
                        Arial9());
    BuildButtons<TData>(this, this,
                        {{&TData::Button12, "Button12", "Hämta", QRect(196, 527, 40, 19)},
                         {&TData::Button2, "Button2", "Streck", QRect(343, 509, 54, 19)},
                         {&TData::Button5, "Button5", "Egen", QRect(393, 509, 47, 19)},
                         {&TData::HemtaKnapp, "HemtaKnapp", "Hämta", QRect(444, 509, 45, 19)},
                         {&TData::SparaKnapp, "SparaKnapp", "Spara", QRect(444, 528, 45, 19)},
                         {&TData::Button17, "Button17", "Odds", QRect(343, 528, 36, 19)},
                         {&TData::Button11, "Button11", "Poäng", QRect(377, 528, 40, 19)},
                         {&TData::Button3, "Button3", "Nr", QRect(415, 528, 25, 19)},
                         {&TData::Button13, "Button13", "Skriv ut", QRect(494, 509, 56, 19)},
                         {&TData::Button14, "Button14", "Tecken", QRect(494, 528, 56, 19)},
                         {&TData::Button15, "Button15", "csv", QRect(555, 509, 26, 19)},
                         {&TData::Button1, "Button1", "Åter", QRect(555, 528, 35, 19)}},
                        Arial8());
    BuildLabels<TData>(this, this,
                       {{&TData::Label19, "Label19", "Markera hästar med", QRect(19, 523, 110, 13)},
                        {&TData::Label20, "Label20", "klick i de små rutorna.", QRect(19, 535, 110, 13)},
                        {&TData::Label15, "Label15", "Poäng", QRect(199, 495, 32, 13)},
                        {&TData::Label16, "Label16", "Odds", QRect(236, 495, 30, 13)},
                        {&TData::Label17, "Label17", "Streck", QRect(270, 495, 35, 13)},
                        {&TData::Label2, "Label2", "Kusk", QRect(307, 495, 30, 13)},
                        {&TData::Label9, "Label9", "Aktuell ordning:", QRect(338, 495, 74, 13)},
                        {&TData::Lordning, "Lordning", "egen", QRect(418, 495, 33, 13)},
                        {&TData::Label10, "Label10", "Rank", QRect(454, 495, 30, 13)},
                        {&TData::Label11, "Label11", "Ram:", QRect(608, 497, 60, 14)},
                        {&TData::Label12, "Label12", "Utan tilläggsv.", QRect(608, 516, 67, 14)},
                        {&TData::Label8, "Label8", "Antal hästar:", QRect(607, 535, 66, 14)}},
                       Arial8());
    Maxrader =
        NewCentredLabel(this, QStringLiteral("Maxrader"), QString(), QRect(675, 497, 68, 14), Arial9());
    Lantalraderutan = NewCentredLabel(this, QStringLiteral("Lantalraderutan"), QString(),
                                      QRect(675, 516, 68, 14), Arial9());
    Antalkusar =
        NewCentredLabel(this, QStringLiteral("Antalkusar"), QString(), QRect(673, 535, 26, 14), Arial9());
    static const char* const letters[] = {"", "A", "B", "C", "D"};
    for (int group = 1; group <= GroupCount; ++group)
        GroupLegend[group] =
            NewBox(this, QStringLiteral("Label%1").arg(group + 2), QString::fromLatin1(letters[group]),
                   QRect(112 + 16 * group, 529, 14, 15), SansFont(11, true), ToQColor(GroupColours[group]));
    const auto box = [this](QCheckBox* TData::*member, const char* name, QRect rect) {
        this->*member = NewCheckBox(this, QString::fromLatin1(name), QString(), rect);
    };
    box(&TData::CBPoeng, "CBPoeng", QRect(208, 508, 15, 17));
    box(&TData::CBOdds, "CBOdds", QRect(243, 508, 15, 17));
    box(&TData::CBStreck, "CBStreck", QRect(278, 508, 15, 17));
    box(&TData::CBKusk, "CBKusk", QRect(313, 508, 15, 17));
}

void TData::BuildHiddenControls()
{
    const auto box = [this](QCheckBox* TData::*member, const char* name, int left) {
        this->*member =
            NewCheckBox(this, QString::fromLatin1(name), QString(), QRect(left, OutsideTop + 20, 15, 17));
    };
    box(&TData::CBRank, "CBRank", 10);
    box(&TData::CBStart, "CBStart", 80);
    box(&TData::CBStr100, "CBStr100", 150);
    static const char* const captions[] = {"Ranknr", "Startnr", "Str100", "Data"};
    for (int i = 0; i < 4; ++i)
        NewLabel(this, QString(), QString::fromLatin1(captions[i]), QRect(30 + 70 * i, OutsideTop, 40, 13),
                 Arial8());
    Pfil = NewLabel(this, QStringLiteral("Pfil"), QString(), QRect(10, OutsideTop + 40, 300, 13), Arial8());
    BuildButtons<TData>(this, this,
                        {{&TData::Button4, "Button4", "ATG", QRect(10, OutsideTop + 60, 40, 19)},
                         {&TData::Button6, "Button6", "Läs in", QRect(60, OutsideTop + 60, 40, 19)},
                         {&TData::Button7, "Button7", "P", QRect(110, OutsideTop + 60, 20, 19)},
                         {&TData::Button8, "Button8", "P", QRect(130, OutsideTop + 60, 20, 19)},
                         {&TData::Button9, "Button9", "P", QRect(150, OutsideTop + 60, 20, 19)},
                         {&TData::Button10, "Button10", "P", QRect(170, OutsideTop + 60, 20, 19)},
                         {&TData::Button16, "Button16", "P", QRect(190, OutsideTop + 60, 20, 19)},
                         {&TData::Button18, "Button18", "P", QRect(210, OutsideTop + 60, 20, 19)},
                         {&TData::Button19, "Button19", "P", QRect(230, OutsideTop + 60, 20, 19)}},
                        Arial8());
    Button6->hide();
}

void TData::BindHandlers()
{
    for (int race = 1; race <= PoolRaces; ++race)
        connect(KnLesinAvd[race], &QPushButton::clicked, this, [this, race] { KnLesinAvdClick(race); });
    connect(Button1, &QPushButton::clicked, this, &TData::close);
    connect(Button20, &QPushButton::clicked, this, [] { ATGBrowser->Show(); });
    connect(Button21, &QPushButton::clicked, this, [] { Form2->Show(); });
    connect(Button3, &QPushButton::clicked, this,
            [this] { ShowFixedOrder(QStringLiteral("nr"), &TData::PlaceRowsByStartNumber); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { ShowFixedOrder(QStringLiteral("streck"), &TData::SortRowsByStreck); });
    connect(Button17, &QPushButton::clicked, this,
            [this] { ShowFixedOrder(QStringLiteral("odds"), &TData::PlaceRowsByOdds); });
    connect(Button11, &QPushButton::clicked, this,
            [this] { ShowFixedOrder(QStringLiteral("poäng"), &TData::PlaceRowsByPoints); });
    connect(Button5, &QPushButton::clicked, this, &TData::Button5Click);

    for (int race = 1; race <= RaceSlots; ++race) {
        for (int horse = 1; horse <= StartNumbers; ++horse) {
            const DropTarget rowTop{DropKind::RowTop, RowPart::Row, race, horse};
            const DropTarget rowBottom{DropKind::RowBottom, RowPart::Row, race, horse};
            dropTargets_.insert(Panel[race][horse], {DropKind::Exact, RowPart::Row, race, horse});
            dropTargets_.insert(H[race][horse], rowTop);
            dropTargets_.insert(Po[race][horse], PointsLabelDropsAtBottom(race, horse) ? rowBottom : rowTop);
            for (QLabel* label : {O[race][horse], P[race][horse], Ps[race][horse]})
                if (label)
                    dropTargets_.insert(label, rowBottom);
            for (int group = 1; group <= GroupCount; ++group)
                dropTargets_.insert(R[race][group][horse],
                                    {DropKind::RowBottom, RowPart::Box, race, horse, group});
            dropTargets_.insert(RankLabels[race][horse], {DropKind::RowBottom, RowPart::Other, race, horse});
        }
    }
    for (int k = 1; k <= 5; ++k)
        dropTargets_.insert(Separators[k], {DropKind::Separator, RowPart::Other, 0, 0});
    for (auto it = dropTargets_.cbegin(); it != dropTargets_.cend(); ++it) {
        auto* widget = static_cast<QWidget*>(it.key());
        widget->setAcceptDrops(true);
        widget->installEventFilter(this);
    }
}

void TData::SubscribeToChanges()
{
    Events::HorseMarked.Subscribe(this, [this](int race, int horse) { PaintRowGroup(race, horse); });
    Events::MarksCleared.Subscribe(this, [this] { PaintDataRowsByGroup(); });
    Events::GroupsReplaced.Subscribe(this, [this] { PaintDataRowsByGroup(); });
    Events::CountsRecomputed.Subscribe(this, [this] {
        PaintCounts();
        PaintMarkedHorseCount();
    });
    // A loaded system brings its caption, its points and, with race data, its start lists,
    // which a hidden window fills on its next activation.
    Events::SystemLoaded.Subscribe(this, [this] {
        setWindowTitle(DataFormCaption);
        CBPoeng->setEnabled(PointsLoaded == 1);
        ShowDataWindowPoints(*this);
        if (isVisible() && StartListLoaded == 1)
            FillDataWindow();
    });
}

// ---- Creation, activation, close ----

void TData::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
    SetDesignState();
    ApplyColumnSettings();
}

void TData::ResetToStartState()
{
    OwnOrderOpenName.clear();
    PointsOpenName.clear();
    SetDesignState();
}

// The window as it stands after creation: every race in start-number order with its design
// captions, the own order the start-number order, the column switches in their design states.
void TData::SetDesignState()
{
    for (int race = 1; race <= RaceSlots; ++race)
        for (int s = 0; s <= StartNumbers; ++s)
            OwnOrder[race][s] = s;
    for (int s = 1; s <= StartNumbers; ++s)
        RowTops[s] = 29 * s;
    RepositionAllRaces = 0;
    ShowRankColumn = 1;
    DragSourceCode = 11;
    DragRowTop = DragSourceSlot = 0;
    MoveDirection = 0;
    RowHeight = DesignRowHeight;
    RowGap = 1;
    pressedRace_ = 0;
    SetText(Lordning, QStringLiteral("egen"));
    SetText(Pfil, QString());
    setWindowTitle(QStringLiteral("Startlistor, streck och odds"));
    for (int race = 1; race <= RaceSlots; ++race) {
        SetFittedText(S[race], QString());
        for (int horse = 1; horse <= StartNumbers; ++horse) {
            Panel[race][horse]->move(ColumnLeft(race), RowTops[horse]);
            SetVisible(Panel[race][horse], race <= PoolRaces);
            SetText(H[race][horse], QString::number(horse));
            SetNameScratched(H[race][horse], false);
            H[race][horse]->resize(70, 13);
            if (Ps[race][horse]) {
                SetText(Ps[race][horse], QString());
                SetVisible(Ps[race][horse], true);
            }
            SetText(Po[race][horse], PointsLabelText(race, horse));
            SetVisible(Po[race][horse], false);
            SetText(O[race][horse], QStringLiteral("999"));
            SetVisible(O[race][horse], true);
            SetText(P[race][horse], QStringLiteral("0"));
            SetVisible(P[race][horse], true);
            SetVisible(RankLabels[race][horse], true);
        }
    }
    const std::pair<QCheckBox*, bool> designStates[] = {{CBPoeng, false}, {CBOdds, false}, {CBStreck, true},
                                                        {CBKusk, true},   {CBRank, true},  {CBStart, false},
                                                        {CBStr100, true}};
    for (const auto& [box, checked] : designStates) {
        const QSignalBlocker blocker(box);
        box->setChecked(checked);
        box->setEnabled(true);
    }
    PaintDataRowsByGroup();
    PaintCounts();
    PaintMarkedHorseCount();
}

// "visa.rnn" in the program directory: which columns show at start. Changing a box's state
// runs its handler as a click would; a box already in the file's state runs nothing.
void TData::ApplyColumnSettings()
{
    const ColumnSettings settings = ReadColumnSettings(ProgramDir);
    ShowRankColumn = settings.showRank ? 1 : 0;
    CBOdds->setChecked(settings.odds);
    CBStreck->setChecked(settings.streck);
    CBStr100->setChecked(settings.str100);
    CBStart->setChecked(settings.startNr);
    CBRank->setChecked(ShowRankColumn == 1);
    for (int race = 1; race <= RaceSlots; ++race)
        for (int slot = 1; slot <= StartNumbers; ++slot)
            SetVisible(RankLabels[race][slot], ShowRankColumn != 0);
}

void TData::FormActivate()
{
    bool popupOpen = false;
    for (int race = 1; race <= RaceSlots; ++race)
        popupOpen = popupOpen || RaceWindowOpen[race] == 1;
    if (!popupOpen) {
        if (PointsLoaded == 0)
            SetText(Pfil, QString());
        RowHeight = Panel[1][1]->height();
        RowGap = RowTops[2] - RowTops[1] - RowHeight;
        PaintCounts();
        if (StartListLoaded == 1)
            FillDataWindow();
    }
    if (RestoreOwnOrderPending == 1) {
        SetText(Lordning, QStringLiteral("egen"));
        OwnOrderMode = 1;
        MoveDirection = 0;
        RepositionAllRaces = 1;
        for (int race = 1; race <= RaceSlots; ++race)
            for (int s = 0; s <= StartNumbers; ++s)
                OwnOrder[race][s] = SavedOwnOrder[race][s];
        ApplyOwnOrderMove();
    }
    RestoreOwnOrderPending = 0;
}

void TData::closeEvent(QCloseEvent* e)
{
    HideRacePopups();
    VForm::closeEvent(e);
}

// A mouse move over the window's own surface brings the open popup back beside the window.
void TData::mouseMoveEvent(QMouseEvent* e)
{
    FollowDataWindowWithPopups();
    VForm::mouseMoveEvent(e);
}

// ---- Filling and painting ----

void TData::FillDataWindow()
{
    for (int race = 1; race <= PoolRaces; ++race)
        SetFittedText(S[race], RaceInfoLines[race][0]);
    for (int race = 1; race <= RaceSlots; ++race) {
        for (int horse = 1; horse <= StartNumbers; ++horse) {
            const int i = HorseIndex(race, horse);
            SetNameScratched(H[race][horse], Scratched[i] == 1);
            if (race <= PoolRaces) {
                SetText(P[race][horse], StreckTexts[race][horse]);
                SetText(H[race][horse], HorseNames[race][horse]);
                SetText(Ps[race][horse], DriverNames[race][horse]);
            } else {
                SetText(H[race][horse], QString::number(horse) + QLatin1Char(' ') + HorseNames[race][horse]);
            }
            SetText(O[race][horse], OddsTexts[race][horse]);
            SetVisible(Panel[race][horse], HorsePresent[i] != 0 || HorseGroupOf(race, horse) > 0);
        }
    }
    if (StartListFromFile == 1)
        KeepOwnOrder = 0;
    StartListFromFile = 0;
}

void TData::PaintRowGroup(int race, int horse)
{
    if (!IsRace(race) || !IsHorse(horse))
        return;
    const int group = HorseGroups[race][0][horse];
    for (int g = 1; g <= GroupCount; ++g)
        SetColour(R[race][g][horse], ToQColor(White));
    SetFontStyle(H[race][horse], &QFont::setBold, group != 0);
    if (group != 0 && !IsGroup(group))
        return;
    const QColor colour = ToQColor(DataRowColour(group));
    for (QWidget* part : std::initializer_list<QWidget*>{Panel[race][horse], H[race][horse], Po[race][horse],
                                                         O[race][horse], P[race][horse]})
        SetColour(part, colour);
    if (IsGroup(group))
        SetColour(R[race][group][horse], colour);
}

void TData::PaintDataRowsByGroup()
{
    for (int race = 1; race <= RaceSlots; ++race)
        for (int horse = 1; horse <= StartNumbers; ++horse)
            PaintRowGroup(race, horse);
}

void TData::PaintCounts()
{
    SetText(Maxrader, UnreducedRowCountText());
    SetText(Lantalraderutan, RowsAfterConditionsText());
}

void TData::PaintMarkedHorseCount()
{
    SetText(Antalkusar, ShowMarkedHorseCount().count);
}

// ---- Start-list import ----

void TData::KnLesinAvdClick(int race)
{
    ParserRace = race;
    ParseClipboardStartList();
}

void TData::ParseClipboardStartList()
{
    const int race = ParserRace;
    const StartListImport result =
        ImportStartList(QGuiApplication::clipboard()->text(), race, CurrentStartListState(race));
    if (result.accepted) {
        StoreStartList(race, result.state);
        FillDataWindow();
        setWindowTitle(DataCaptionAfterImport());
        Events::StartListImported.Emit(race);
    }
    if (!result.message.isEmpty())
        ShowMessage(result.message);
}

// ---- Marking ----

void TData::MarkBoxMouseDown(int race, int group, int horse)
{
    ClickedMarkCode = MarkCode(group, horse);
    ToggleGroupMark(race);
}

// ---- Row orders ----

void TData::ShowFixedOrder(const QString& name, void (TData::*place)())
{
    SetText(Lordning, name);
    OwnOrderMode = 0;
    (this->*place)();
}

void TData::PlaceRace(int race, const HorseOrder& order)
{
    for (int s = 1; s <= StartNumbers; ++s)
        if (IsHorse(order[s]))
            Panel[race][order[s]]->move(ColumnLeft(race), RowTops[s]);
}

void TData::PlaceRowsByStartNumber()
{
    for (int race = 1; race <= RaceSlots; ++race)
        PlaceRace(race, StartNumberOrder());
}

void TData::SortRowsByStreck()
{
    for (int race = 1; race <= RaceSlots; ++race) {
        const HorseOrder order = SortedRace(RowSortKey::Streck, race);
        PlaceRace(race, order);
        HandStreckOrderToOwnOrder(race, order);
    }
}

void TData::PlaceRowsByOdds()
{
    for (int race = 1; race <= RaceSlots; ++race)
        PlaceRace(race, SortedRace(RowSortKey::Odds, race));
}

void TData::PlaceRowsByPoints()
{
    for (int race = 1; race <= RaceSlots; ++race)
        PlaceRace(race, SortedRace(RowSortKey::Points, race));
}

void TData::Button5Click()
{
    if (RestoreOwnOrderPending == 1)
        for (int race = 1; race <= RaceSlots; ++race)
            for (int s = 0; s <= StartNumbers; ++s)
                OwnOrder[race][s] = SavedOwnOrder[race][s];
    RestoreOwnOrderPending = 0;
    SetText(Lordning, QStringLiteral("egen"));
    OwnOrderMode = 1;
    MoveDirection = 0;
    RepositionAllRaces = 1;
    ApplyOwnOrderMove();
}

void TData::ApplyOwnOrderMove()
{
    const int pressedRace = RaceOfDragSourceCode(DragSourceCode);
    if (IsRace(pressedRace))
        MoveInOwnOrder(OwnOrder[pressedRace], static_cast<RowMove>(MoveDirection), DragSourceSlot,
                       DropTargetSlot);
    for (int race = 1; race <= RaceSlots; ++race) {
        if (race != pressedRace && RepositionAllRaces != 1)
            continue;
        const HorseOrder order = AsPermutation(OwnOrder[race]);
        for (int s = 1; s <= StartNumbers; ++s)
            OwnOrder[race][s] = order[s];
        PlaceRace(race, order);
    }
    RepositionAllRaces = 0;
}

void TData::ComputeDisplayedSlots()
{
    for (int race = 1; race <= RaceSlots; ++race)
        for (int horse = 1; horse <= StartNumbers; ++horse) {
            const int slot = SlotAtTop(Panel[race][horse]->y(), RowTops);
            if (slot > 0)
                DisplayedSlot[HorseIndex(race, horse)] = slot;
        }
}

// ---- Dragging rows ----

void TData::RowMouseDown(int race, int horse, QPoint globalPos)
{
    pressedRace_ = race;
    pressedHorse_ = horse;
    pressPoint_ = globalPos;
    DragSourceCode = DragSourceCodeOf(race, horse);
    DragRowTop = Panel[race][horse]->y();
    DragSourceSlot = DragSourceSlotOf(DragRowTop, DragSourceSlot, RowTops);
}

void TData::StartRowDrag(int race, int horse)
{
    auto* mime = new QMimeData;
    mime->setData(RowDragFormat, QByteArray::number(DragSourceCodeOf(race, horse)));
    auto* drag = new QDrag(Panel[race][horse]);
    drag->setMimeData(mime);
    pressedRace_ = 0;
    drag->exec(Qt::MoveAction);
}

int TData::DropYOf(const DropTarget& target, int yInTarget) const
{
    switch (target.kind) {
        case DropKind::Exact:
            return Panel[target.race][target.horse]->y() + yInTarget;
        case DropKind::RowTop:
            return Panel[target.race][target.horse]->y();
        case DropKind::RowBottom:
            return Panel[target.race][target.horse]->y() + RowHeight;
        case DropKind::Separator:
            break;
    }
    return yInTarget + 8;
}

void TData::DropRowAtPosition(int dropY)
{
    DropY = dropY;
    const OwnOrderMove move = DropMoveAt(DropY, DragRowTop, RowHeight, RowGap, RowTops);
    MoveDirection = static_cast<int32>(move.direction);
    DropTargetSlot = move.targetSlot;
    if (OwnOrderMode == 1)
        ApplyOwnOrderMove();
    else
        ShowMessage(QStringLiteral("Klicka först på \"Egen\" ordning!"));
}

bool TData::eventFilter(QObject* watched, QEvent* e)
{
    const auto found = dropTargets_.constFind(watched);
    if (found == dropTargets_.cend())
        return VForm::eventFilter(watched, e);
    const DropTarget& t = *found;
    switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (t.part == RowPart::Box)
                MarkBoxMouseDown(t.race, t.group, t.horse);
            else if (t.part == RowPart::Row && e->type() == QEvent::MouseButtonPress)
                RowMouseDown(t.race, t.horse, static_cast<QMouseEvent*>(e)->globalPosition().toPoint());
            return t.part != RowPart::Other;
        case QEvent::MouseMove:
            if (t.part == RowPart::Row && pressedRace_ != 0 &&
                (static_cast<QMouseEvent*>(e)->globalPosition().toPoint() - pressPoint_).manhattanLength() >=
                    QApplication::startDragDistance())
                StartRowDrag(pressedRace_, pressedHorse_);
            return t.part == RowPart::Row;
        case QEvent::MouseButtonRelease:
            pressedRace_ = 0;
            return t.part == RowPart::Row;
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(e);
            if (IsRowDrag(drag->mimeData()))
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(e);
            if (DropAt(static_cast<QWidget*>(watched), drop->position().toPoint(), drop->mimeData()))
                drop->acceptProposedAction();
            else
                drop->ignore();
            return true;
        }
        default:
            return VForm::eventFilter(watched, e);
    }
}

// The window's own background takes a drop at the pointer's height; its other components
// (buttons, titles, the coloured areas) take none.
void TData::dragEnterEvent(QDragEnterEvent* e)
{
    if (IsRowDrag(e->mimeData()))
        e->acceptProposedAction();
    else
        e->ignore();
}

void TData::dragMoveEvent(QDragMoveEvent* e)
{
    if (IsRowDrag(e->mimeData()) && childAt(e->position().toPoint()) == nullptr)
        e->acceptProposedAction();
    else
        e->ignore();
}

void TData::dropEvent(QDropEvent* e)
{
    if (DropAt(this, e->position().toPoint(), e->mimeData()))
        e->acceptProposedAction();
    else
        e->ignore();
}

bool TData::DropAt(QWidget* target, QPoint at, const QMimeData* mime)
{
    if (!IsRowDrag(mime))
        return false;
    if (target == this) {
        if (childAt(at) != nullptr)
            return false;
        DropRowAtPosition(at.y());
        return true;
    }
    const auto found = dropTargets_.constFind(target);
    if (found == dropTargets_.cend())
        return false;
    DropRowAtPosition(DropYOf(*found, at.y()));
    return true;
}

TData* Data = nullptr;
