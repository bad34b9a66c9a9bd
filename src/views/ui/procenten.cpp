#include "views/ui/procenten.h"

#include <functional>

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegion>
#include <QSignalBlocker>

#include "conditions/mainrequests.h"
#include "marks/groupmarks.h"
#include "marks/marking.h"
#include "model/notify.h"
#include "model/variabl.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/kit.h"
#include "racedata/streck.h"
#include "racedata/ui/streckgrid.h"
#include "views/percentages.h"

namespace {

const QColor Maroon{128, 0, 0};
const QColor Background = ToQColor(PaleCream);

constexpr int FirstRow = 60;  // a row's top is FirstRow + 15 x start number
constexpr int RowHeight = 15;
constexpr int StreckLeft = 45;  // race r's streck column at StreckLeft + 20 x r
constexpr int ShareLeft = 185;  // race r's share column at ShareLeft + 21 x r
// Race slot 7 lies beyond the 399-pixel-wide client area.
constexpr int HiddenStreckLeft = 573;
constexpr int HiddenShareLeft = 594;

constexpr int RowTop(int horse)
{
    return FirstRow + RowHeight * horse;
}

QString Name(const char* prefix, int race, int horse)
{
    return QString::fromLatin1(prefix) + QString::number(race) + QString::number(horse);
}

QLabel* NewCell(QWidget* parent, const QString& name, QRect rect)
{
    return NewBox(parent, name, QString(), rect, SansFont(11), Qt::white);
}

// Runs a handler on a mouse press of any button on the watched control.
class MouseDownFilter : public QObject {
public:
    MouseDownFilter(QObject* parent, std::function<void()> handler)
        : QObject(parent), handler_(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
            handler_();
            return true;
        }
        return QObject::eventFilter(watched, e);
    }

private:
    std::function<void()> handler_;
};

}  // namespace

TProcent::TProcent() : VForm(QStringLiteral("Streckfördelning"), QSize(399, 482))
{
    setObjectName(QStringLiteral("Procent"));
    SetBackground(this, Background);
    CentreOverMainWhenFirstShown();
    BuildGrids();
    BuildControls();
    SubscribeToMarks();
    Events::StreckPresentRecomputed.Subscribe(this, [this] { ShowStreck(); });
}

void TProcent::BuildGrids()
{
    const QFont bold = SansFont(11, true);
    Label2 = NewLabel(this, QStringLiteral("Label2"), QStringLiteral("V64-Procent"), {55, 20, 110, 16},
                      SansFont(13, true));
    Label133 = NewLabel(this, QStringLiteral("Label133"), QStringLiteral("Oreducerat system [%]"),
                        {200, 20, 150, 16}, SansFont(13, true));
    NewCentredLabel(this, QString(), QStringLiteral("Avdelning"), {StreckLeft + 20, 42, 119, 14}, bold);
    NewCentredLabel(this, QString(), QStringLiteral("Avdelning"), {ShareLeft + 21, 42, 125, 14}, bold);
    NewBox(this, QString(), QString(), {StreckLeft + 19, RowTop(1) - 1, 121, 226}, WindowFont(), Maroon);
    NewBox(this, QString(), QString(), {ShareLeft + 20, RowTop(1) - 1, 127, 226}, WindowFont(), Maroon);
    NewBox(this, QString(), QString(), {StreckLeft - 1, 300, 141, 16}, WindowFont(), Maroon);
    NewBox(this, QString(), QStringLiteral("S:a"), {StreckLeft, 301, 19, 14}, bold, Maroon, Qt::white);
    for (int horse = 1; horse <= StartNumbers; ++horse)
        for (int left : {45, 186, 333})
            NewCentredLabel(this, QString(), QString::number(horse), {left, RowTop(horse), 18, 14}, bold);
    for (int race = 1; race <= PoolRaces; ++race)
        BuildRaceColumn(race, StreckLeft + 20 * race, ShareLeft + 21 * race);
    BuildRaceColumn(RaceSlots, HiddenStreckLeft, HiddenShareLeft);
}

void TProcent::BuildRaceColumn(int race, int streckLeft, int shareLeft)
{
    const QFont bold = SansFont(11, true);
    NewCentredLabel(this, QString(), QString::number(race), {streckLeft, 57, 19, 14}, bold);
    NewCentredLabel(this, QString(), QString::number(race), {shareLeft, 57, 20, 14}, bold);
    for (int horse = 1; horse <= StartNumbers; ++horse) {
        s[race][horse] = NewCell(this, Name("s", race, horse), {streckLeft, RowTop(horse), 19, 14});
        o[race][horse] = NewCell(this, Name("o", race, horse), {shareLeft, RowTop(horse), 20, 14});
    }
    ss[race] = NewBox(this, QStringLiteral("ss") + QString::number(race), QString(),
                      {streckLeft, 301, 19, 14}, SansFont(11), Maroon, Qt::white);
    const QRect covers[3] = {{}, {streckLeft, RowTop(1), 19, 224}, {shareLeft, RowTop(1), 20, 224}};
    for (int column = 1; column <= 2; ++column) {
        Lock[race][column] =
            NewBox(this, Name("Lock", race, column), QString(), covers[column], WindowFont(), Background);
        Lock[race][column]->hide();
    }
}

void TProcent::BuildControls()
{
    Button3 = NewButton(this, QStringLiteral("Button3"), QStringLiteral("Beräkna"), {244, 307, 62, 23});
    Button1 = NewButton(this, QStringLiteral("Button1"), QStringLiteral("Stäng"), {302, 423, 48, 23});
    connect(Button3, &QPushButton::clicked, this, &TProcent::Button3Click);
    connect(Button1, &QPushButton::clicked, this, &TProcent::close);

    auto* restrictions = new QGroupBox(QStringLiteral("Aktiva begränsningar"), this);
    restrictions->setGeometry(45, 338, 305, 64);
    BuildCheckBoxes(this, restrictions,
                    {{&TProcent::CBVinnare, "CBVinnare", "Vinnare", {10, 17, 90, 18}},
                     {&TProcent::CBABCD, "CBABCD", "ABCD-listan", {105, 17, 95, 18}},
                     {&TProcent::CBChans, "CBChans", "Poängvillkor", {205, 17, 95, 18}},
                     {&TProcent::CBVillkor, "CBVillkor", "Villkor", {10, 39, 90, 18}},
                     {&TProcent::CBStartnr, "CBStartnr", "Startnummer", {105, 39, 95, 18}},
                     {&TProcent::CBovrigt, "CBovrigt", "Övrigt", {205, 39, 95, 18}}});

    auto* lamps = new QGroupBox(QStringLiteral("Visa avd"), this);
    lamps->setGeometry(45, 407, 225, 44);
    for (int race = 1; race <= PoolRaces; ++race) {
        const int left = 12 + 35 * (race - 1);
        Visa[race] = NewBox(lamps, QStringLiteral("Visa") + QString::number(race), QString(),
                            {left, 22, 12, 9}, WindowFont(), LimeColour);
        Visa[race]->setMask(QRegion(0, 0, 12, 9, QRegion::Ellipse));
        Visa[race]->installEventFilter(
            new MouseDownFilter(Visa[race], [this, race] { VisaMouseDown(race); }));
        NewLabel(lamps, QString(), QString::number(race), {left + 15, 18, 12, 16});
    }
    ResetToStartState();
}

void TProcent::SubscribeToMarks()
{
    Events::HorseMarked.Subscribe(this, [this](int race, int horse) {
        if (IsRace(race) && IsHorse(horse))
            PaintHorse(race, horse, HorseGroupOf(race, horse));
    });
    Events::MarksCleared.Subscribe(this, [this] { ClearGroupColours(); });
    Events::GroupsReplaced.Subscribe(this, [this] { PaintGroupMarks(); });
    Events::SystemLoaded.Subscribe(this, [this] { ShowSystemShares(); });
}

// The lamps, covers, ticks and captions as the window is designed; the cell colours follow
// the marks.
void TProcent::ResetToStartState()
{
    for (int race = 1; race <= RaceSlots; ++race) {
        for (int horse = 1; horse <= StartNumbers; ++horse) {
            s[race][horse]->setText(QStringLiteral("0"));
            o[race][horse]->setText(NoShareText);
        }
        ss[race]->setText(QStringLiteral("  0"));
    }
    for (int race = 1; race <= PoolRaces; ++race)
        SetBackground(Visa[race], LimeColour);
    for (int race = 1; race <= RaceSlots; ++race)
        for (int column = 1; column <= 2; ++column)
            Lock[race][column]->hide();
    for (QCheckBox* box : {CBVinnare, CBVillkor, CBABCD, CBStartnr, CBChans, CBovrigt})
        box->setChecked(box == CBVinnare || box == CBVillkor || box == CBABCD);
    PaintGroupMarks();
}

void TProcent::FormActivate()
{
    RecomputeStreckPresent();
    MirrorConditionSwitches();
    if (UnreducedPercentValid == 1)
        ShowSystemShares();
    else
        for (int race = 1; race <= RaceSlots; ++race)
            for (int horse = 1; horse <= StartNumbers; ++horse)
                o[race][horse]->setText(NoShareText);
}

void TProcent::Button3Click()
{
    if (UnreducedRowCount <= 0) {
        ShowMessage(QStringLiteral("Markera först minst en häst i varje avdelning."));
        return;
    }
    if (UnreducedPercentValid == 0)
        RequestConstruction();
    ShowSystemShares();
}

void TProcent::VisaMouseDown(int race)
{
    if (!IsPoolRace(race))
        return;
    const bool hide = BackgroundOf(Visa[race]) == LimeColour;
    SetBackground(Visa[race], hide ? RedColour : LimeColour);
    for (int column = 1; column <= 2; ++column)
        Lock[race][column]->setVisible(hide);
}

void TProcent::ShowStreck()
{
    for (int race = 1; race <= RaceSlots; ++race)
        PaintStreckRace(race, s[race], ss[race]);
}

void TProcent::MirrorConditionSwitches()
{
    CBStartnr->setChecked(ConditionSwitches.startNumbers);
    CBChans->setChecked(ConditionSwitches.points);
    CBovrigt->setChecked(ConditionSwitches.otherNumbers);
}

void TProcent::ShowSystemShares()
{
    for (int race = 1; race <= RaceSlots; ++race)
        for (int horse = 1; horse <= StartNumbers; ++horse)
            o[race][horse]->setText(SystemShareText(race, horse));
}

void TProcent::PaintHorse(int race, int horse, int group)
{
    const QColor colour = ToQColor(GroupColour(group));
    SetBackground(s[race][horse], colour);
    SetBackground(o[race][horse], colour);
}

void TProcent::PaintGroupMarks()
{
    for (int race = 1; race <= RaceSlots; ++race)
        for (int horse = 1; horse <= StartNumbers; ++horse)
            PaintHorse(race, horse, PaintedGroupOf(race, horse));
}

// After every mark of races 1-6 was removed: white cells and no shares until the system is
// constructed again.
void TProcent::ClearGroupColours()
{
    for (int race = 1; race <= RaceSlots; ++race)
        for (int horse = 1; horse <= StartNumbers; ++horse) {
            PaintHorse(race, horse, 0);
            o[race][horse]->setText(NoShareText);
        }
}

TProcent* Procent = nullptr;
