#include "racedata/ui/racepopup.h"

#include <QCheckBox>
#include <QMouseEvent>

#include "platform/ui/colours.h"
#include "platform/ui/kit.h"
#include "racedata/popupcontent.h"
#include "racedata/ui/datavisa.h"
#include "racedata/ui/racepopups.h"

namespace {

constexpr int LineLeft = 118;
// Right edges of the points, odds, streck and scaled streck columns.
constexpr int PointsRight = 17;
constexpr int OddsRight = 40;
constexpr int StreckRight = 75;
constexpr int ScaledRight = 108;
// The race with a double-click on "X" instead of a click.
constexpr int RaceClosedByDoubleClick = 5;

// A label that takes the size of its text and keeps its left or right edge.
QLabel* NewTextLabel(QWidget* parent, const QString& name, const QFont& font)
{
    return NewLabel(parent, name, QString(), {0, 0, 0, 0}, font);
}

void SetText(QLabel* label, const QString& text, Qt::Alignment edge, int x)
{
    label->setText(text);
    label->resize(label->sizeHint());
    label->move(edge == Qt::AlignRight ? x - label->width() : x, label->y());
}

// The race-data window's check box, checked or not; its design state when there is no window.
bool DataBoxChecked(QCheckBox* TData::*box, bool design)
{
    return Data ? (Data->*box)->isChecked() : design;
}

const QWidget* DataRowPanel(int race, int h)
{
    return Data ? Data->Panel[race][h] : nullptr;
}

}  // namespace

TRacePopup::TRacePopup(int race) : VForm(QString(), QSize(316, 459)), race_(race)
{
    setObjectName(QStringLiteral("F%1%1").arg(race));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    SetBackground(this, ToQColor(PaleCream));
    setFont(SansFont(11));
    BuildHeadings();
    BuildLines();
}

void TRacePopup::BuildHeadings()
{
    const QFont font = SansFont(11);
    QFont italic = font;
    italic.setItalic(true);
    NewLabel(this, QStringLiteral("Label17"), QStringLiteral("P"), {7, 0, 10, 14}, font)->adjustSize();
    NewLabel(this, QStringLiteral("Label20"), QStringLiteral("Odds"), {17, 0, 30, 14}, font)->adjustSize();
    NewLabel(this, QStringLiteral("Label18"), QStringLiteral("Streck"), {45, 0, 40, 14}, font)->adjustSize();
    if (race_ == RaceSlots)
        NewLabel(this, QStringLiteral("Label19"), QStringLiteral("Str-100"), {78, 0, 40, 14}, italic)
            ->adjustSize();
    Label16 = NewLabel(this, QStringLiteral("Label16"), QStringLiteral("Avd. %1").arg(race_),
                       {144, 0, 60, 14}, SansFont(11, true));
    Label16->adjustSize();
    Shape1 = NewShape(this, QStringLiteral("Shape1"), {290, 5, 17, 17}, Qt::white);
    Label21 = NewLabel(this, QStringLiteral("Label21"), QStringLiteral("X"), {295, 6, 10, 15}, SansFont(13));
    Label21->adjustSize();
    Shape1->installEventFilter(this);
    Label21->installEventFilter(this);
}

void TRacePopup::BuildLines()
{
    const QFont font = SansFont(11);
    QFont italic = font;
    italic.setItalic(true);
    for (int h = 1; h <= StartNumbers; ++h) {
        const int top = 29 * h - 1;
        const QString n = QString::number(h);
        Label[h] = NewTextLabel(this, QStringLiteral("Label") + n, font);
        LP[h] = NewTextLabel(this, QStringLiteral("LP") + n, font);
        LO[h] = NewTextLabel(this, QStringLiteral("LO") + n, font);
        LS[h] = NewTextLabel(this, QStringLiteral("LS") + n, font);
        LSP[h] = NewTextLabel(this, QStringLiteral("LSP") + n, italic);
        for (QLabel* label : {Label[h], LP[h], LO[h], LS[h], LSP[h]})
            label->move(label->x(), top);
        SetText(Label[h], n, Qt::AlignLeft, LineLeft);
    }
}

void TRacePopup::FormActivate()
{
    FollowDataWindow();
    ShowTexts();
    PlaceLines();
}

void TRacePopup::FollowDataWindow()
{
    if (Data)
        move(Data->x() + PopupLeftOffset(race_), Data->y() + PopupTopOffset);
}

void TRacePopup::ShowTexts()
{
    const PopupSwitches switches{
        DataBoxChecked(&TData::CBPoeng, false), DataBoxChecked(&TData::CBOdds, false),
        DataBoxChecked(&TData::CBStreck, true), DataBoxChecked(&TData::CBStr100, true)};
    const PopupContent content = BuildPopupContent(race_, switches);
    for (int h = 1; h <= StartNumbers; ++h) {
        const PopupLine& line = content.lines[h];
        SetText(Label[h], line.line, Qt::AlignLeft, LineLeft);
        SetText(LP[h], line.points, Qt::AlignRight, PointsRight);
        SetText(LO[h], line.odds, Qt::AlignRight, OddsRight);
        SetText(LS[h], line.streck, Qt::AlignRight, StreckRight);
        if (!content.keepScaled)
            SetText(LSP[h], line.scaled, Qt::AlignRight, ScaledRight);
    }
}

void TRacePopup::PlaceLines()
{
    for (int h = 1; h <= StartNumbers; ++h) {
        const QWidget* panel = DataRowPanel(race_, h);
        if (!panel)
            continue;
        for (int s = 1; s <= StartNumbers; ++s) {
            if (panel->y() != RowTops[s])
                continue;
            for (QLabel* label : {Label[h], LP[h], LO[h], LS[h], LSP[h]})
                label->move(label->x(), 29 * s - 1);
        }
        Label[h]->setVisible(!panel->isHidden());
    }
}

void TRacePopup::ClosePopup()
{
    RaceWindowOpen[race_] = 0;
    hide();
}

bool TRacePopup::eventFilter(QObject* watched, QEvent* event)
{
    const bool closeOnDoubleClick = race_ == RaceClosedByDoubleClick && watched == Label21;
    const QEvent::Type closing =
        closeOnDoubleClick ? QEvent::MouseButtonDblClick : QEvent::MouseButtonRelease;
    if ((watched == Label21 || watched == Shape1) && event->type() == closing) {
        ClosePopup();
        return true;
    }
    if (watched == Label21 && event->type() == QEvent::MouseButtonDblClick)
        return true;  // a double-click on "X" is not a double-click on the popup
    return VForm::eventFilter(watched, event);
}

void TRacePopup::mouseDoubleClickEvent(QMouseEvent* event)
{
    ClosePopup();
    event->accept();
}

TRacePopup* RacePopup(int race)
{
    TRacePopup* const popups[RaceSlots + 1] = {nullptr, F11, F22, F33, F44, F55, F66, F77};
    return race >= 1 && race <= RaceSlots ? popups[race] : nullptr;
}

void ToggleRacePopup(int race)
{
    TRacePopup* popup = RacePopup(race);
    if (!popup)
        return;
    if (RaceWindowOpen[race] == 1) {
        popup->hide();
        RaceWindowOpen[race] = 0;
        return;
    }
    popup->FormActivate();
    popup->Show();
    for (int r = 1; r <= RaceSlots; ++r) {
        if (r != race && RacePopup(r)) {
            RacePopup(r)->hide();
            RaceWindowOpen[r] = 0;
        }
    }
    RaceWindowOpen[race] = 1;
}

void FollowDataWindowWithPopups()
{
    for (int r = 1; r <= RaceSlots; ++r)
        if (RaceWindowOpen[r] == 1 && RacePopup(r))
            RacePopup(r)->FollowDataWindow();
}

void HideRacePopups()
{
    for (int r = 1; r <= RaceSlots; ++r) {
        if (RacePopup(r))
            RacePopup(r)->hide();
        RaceWindowOpen[r] = 0;
    }
}
