#include "output/ui/reserv.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "model/colours.h"
#include "model/notify.h"
#include "model/variabl.h"
#include "output/ui/reservinf.h"
#include "platform/ui/kit.h"

namespace {

constexpr QSize ClientSize(603, 369);
constexpr int StripLeft = 81;
constexpr int StripWidth = 340;
constexpr int LabelWidth = 16;
// Race slot 7's controls lie below the client area.
constexpr int LabelTops[RaceSlots + 1] = {0, 163, 188, 215, 241, 267, 293, 420};

int StripTop(int race)
{
    return 158 + 26 * (race - 1);
}

}  // namespace

TReserver::TReserver() : VForm(QStringLiteral("Reserver"), ClientSize)
{
    setObjectName(QStringLiteral("Reserver"));
    SetBackground(this, SilverColour);
    CentreOverMainWhenFirstShown();
    BuildModeButtons();
    BuildStrips();
    BuildFixedReserveFields();
    NewBox(this, QStringLiteral("Label31"),
           QStringLiteral("Välj reservordning. \"Drag och släpp\" ändrar ordningen."), {85, 136, 330, 17},
           SansFont(12), YellowColour);
    NewBox(this, QStringLiteral("Label4"),
           QStringLiteral("Reserverna fylls i enligt turordningen ovan,  från vänster till höger."),
           {84, 318, 340, 15}, SansFont(11), YellowColour);
    ResetToStartState();
}

void TReserver::BuildModeButtons()
{
    GroupBox1 = new QGroupBox(QStringLiteral("  Alternativ  "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(30, 20, 304, 79);
    struct Mode {
        const char* name;
        const char* caption;
        QPoint at;
        const char* letterName;
    };
    static const Mode modes[] = {{"ResI", "Inga reserver ", {15, 24}, "Label5"},
                                 {"ResV", "Vald ordning", {168, 24}, "Label6"},
                                 {"ResF", "Fasta reserver", {15, 48}, "Label7"},
                                 {"ResL", "Närmast lägre", {168, 48}, "Label9"}};
    for (int mode = 1; mode <= 4; ++mode) {
        const Mode& m = modes[mode - 1];
        QRadioButton* button = new QRadioButton(QString::fromUtf8(m.caption), GroupBox1);
        button->setObjectName(QString::fromLatin1(m.name));
        button->setGeometry(QRect(m.at, QSize(110, 17)));
        connect(button, &QRadioButton::toggled, this, [mode](bool checked) {
            if (checked)
                ReserveMode = static_cast<byte>(mode);
        });
        ModeButtons[mode] = button;
        NewLabel(GroupBox1, QString::fromLatin1(m.letterName), ReserveModeLetter(mode),
                 QRect(m.at + QPoint(112, 0), QSize(12, 17)), SansFont(13, true));
    }
    Button1 = NewButton(this, QStringLiteral("Button1"), QStringLiteral("Info"), {358, 41, 65, 24});
    Button5 = NewButton(this, QStringLiteral("Button5"), QStringLiteral("Tillbaka"), {358, 75, 65, 24});
    connect(Button1, &QPushButton::clicked, this, &TReserver::Button1Click);
    connect(Button5, &QPushButton::clicked, this, &TReserver::Button5Click);
}

void TReserver::BuildStrips()
{
    static const char* const leftNames[] = {"Label13", "Label16", "Label17", "Label18", "Label19", "Label20"};
    for (int race = 1; race <= RaceSlots; ++race) {
        const int top = race <= PoolRaces ? StripTop(race) : LabelTops[7] - 5;
        const QString caption = race == 1 ? QStringLiteral(" Avd 1 ") : QStringLiteral(" Avd %1").arg(race);
        if (race <= PoolRaces) {
            NewBox(this, QString::fromLatin1(leftNames[race - 1]), caption, {36, top + 5, 40, 16},
                   SansFont(12), YellowColour);
            NewBox(this, QStringLiteral("Label%1").arg(21 + race), caption, {425, top + 5, 40, 16},
                   SansFont(12), YellowColour);
            NewShape(this, QStringLiteral("Shape%1").arg(3 + race), {36, top + 25, 429, 2}, Qt::black);
        }
        Strips[race] = new QFrame(this);
        Strips[race]->setObjectName(QStringLiteral("A%1").arg(race));
        Strips[race]->setGeometry(StripLeft, top, StripWidth, 26);
        Strips[race]->lower();
        for (int k = 1; k <= StartNumbers; ++k) {
            const int height = k == 5 ? 17 : 16;
            QLabel* label =
                NewCentredLabel(this, QStringLiteral("R%1%2").arg(race).arg(k), QString::number(k),
                                {0, LabelTops[race], LabelWidth, height}, SansFont(13));
            label->setAutoFillBackground(true);
            label->installEventFilter(this);
            StripLabels[race][k] = label;
        }
    }
}

void TReserver::BuildFixedReserveFields()
{
    NewLabel(this, QStringLiteral("Label8"), QStringLiteral("0 = ingen reserv"), {490, 100, 100, 15});
    NewBox(this, QStringLiteral("Label10"), QStringLiteral("Fasta res."), {500, 118, 76, 16}, SansFont(12),
           YellowColour);
    NewBox(this, QStringLiteral("Label11"), QStringLiteral("1:a"), {500, 134, 36, 16}, SansFont(12),
           YellowColour);
    NewBox(this, QStringLiteral("Label12"), QStringLiteral("2:a"), {540, 134, 36, 16}, SansFont(12),
           YellowColour);
    for (int race = 1; race <= RaceSlots; ++race)
        for (int which = 1; which <= 2; ++which) {
            QSpinBox* field = new QSpinBox(this);
            field->setObjectName(QStringLiteral("FR%1%2").arg(race).arg(which));
            field->setRange(0, StartNumbers);
            const int top = race <= PoolRaces ? StripTop(race) : LabelTops[7];
            field->setGeometry(which == 1 ? 500 : 540, top, 36, 26);
            FixedFields[race][which] = field;
        }
}

void TReserver::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
    ScrollOnNarrowScreen();
}

// The controls as designed: "Inga reserver " checked, fixed reserves 1 and 2.
void TReserver::ResetToStartState()
{
    const QSignalBlocker blocker(ModeButtons[1]);
    ModeButtons[1]->setChecked(true);
    for (int race = 1; race <= RaceSlots; ++race)
        for (int which = 1; which <= 2; ++which)
            FixedFields[race][which]->setValue(which);
    dragRace_ = dragLabel_ = dragFromSlot_ = 0;
}

// The fields are loaded when the window is shown, not on a return from the help window, so
// that a value typed before "Info" is kept.
void TReserver::FormShow()
{
    if (ReserveMode >= 1 && ReserveMode <= 4) {
        const QSignalBlocker blocker(ModeButtons[ReserveMode]);
        ModeButtons[ReserveMode]->setChecked(true);
    }
    geometry_ = StripGeometry(StripLeft, StripWidth, LabelWidth);
    for (int race = 1; race <= RaceSlots; ++race) {
        for (int which = 1; which <= 2; ++which)
            FixedFields[race][which]->setValue(FixedReserves[race][which]);
        if (ReserveOrderReset[race] == 1)
            BuildDefaultReserveOrder(race);
        ReserveOrderReset[race] = 0;
        PaintStrip(race);
    }
    ReserveAux = 0;
}

// Captions, colours and places of a race's labels from the reserve tables.
void TReserver::PaintStrip(int race)
{
    for (int k = 1; k <= StartNumbers; ++k) {
        QLabel* label = StripLabels[race][k];
        const int startNr = ReserveDefaultOrder[race][k];
        label->setText(QString::number(startNr));
        const int group = IsHorse(startNr) ? HorseGroups[race][0][startNr] : 0;
        SetBackground(label, ToQColor(GroupColours[IsGroup(group) ? group : 0]));
        const int slot = ReserveLabelSlot[race][k];
        label->move(geometry_.slotX[slot >= 1 && slot <= StartNumbers ? slot : k], label->y());
    }
}

void TReserver::Button1Click()
{
    Reservinfo->ShowModal();
}

void TReserver::closeEvent(QCloseEvent* e)
{
    EndDrag();
    ReserveSignalShown = false;
    for (int mode = 1; mode <= 4; ++mode)
        if (ModeButtons[mode]->isChecked())
            ReserveMode = static_cast<byte>(mode);
    WriteReserveOrderFromStrips();
    for (int race = 1; race <= RaceSlots; ++race)
        for (int which = 1; which <= 2; ++which)
            FixedReserves[race][which] = static_cast<byte>(FixedFields[race][which]->value());
    Events::ReserveRuleChanged.Emit();
    VForm::closeEvent(e);
}

bool TReserver::eventFilter(QObject* watched, QEvent* e)
{
    const QEvent::Type type = e->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return VForm::eventFilter(watched, e);
    const auto* mouse = static_cast<QMouseEvent*>(e);
    for (int race = 1; race <= RaceSlots; ++race)
        for (int k = 1; k <= StartNumbers; ++k) {
            if (watched != StripLabels[race][k])
                continue;
            if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton)
                StartDrag(race, k);
            else if (type == QEvent::MouseMove)
                DragOver(mapFromGlobal(mouse->globalPosition().toPoint()));
            else if (type == QEvent::MouseButtonRelease)
                EndDrag();
            return true;
        }
    return VForm::eventFilter(watched, e);
}

void TReserver::StartDrag(int race, int label)
{
    dragRace_ = race;
    dragLabel_ = label;
    dragFromSlot_ = ReserveLabelSlot[race][label];
}

// The dragged label follows the pointer, centred under it, while the pointer is over a part of
// its own race's strip that no other label covers.
void TReserver::DragOver(QPoint pointer)
{
    if (dragRace_ == 0 || !Strips[dragRace_]->geometry().contains(pointer))
        return;
    for (int k = 1; k <= StartNumbers; ++k)
        if (k != dragLabel_ && StripLabels[dragRace_][k]->geometry().contains(pointer))
            return;
    QLabel* label = StripLabels[dragRace_][dragLabel_];
    label->move(geometry_.xBase + pointer.x() - StripLeft, label->y());
}

void TReserver::EndDrag()
{
    if (dragRace_ == 0)
        return;
    const int race = dragRace_;
    const int dropSlot = DropSlot(geometry_, StripLabels[race][dragLabel_]->x(), dragFromSlot_);
    MoveReserveLabel(race, dragFromSlot_, dropSlot);
    dragRace_ = dragLabel_ = dragFromSlot_ = 0;
    PaintStrip(race);
}

TReserver* Reserver = nullptr;
