#include "conditions/ui/grpvlk.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "conditions/construction.h"
#include "conditions/startnrconditions.h"
#include "model/notify.h"
#include "model/variabl.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/kit.h"

namespace {

constexpr int ClientWidth = 633;
constexpr int ClientHeight = 188;  // the bottom row "Krav: 0 - 100 aktiv" shows whole
constexpr int PanelWidth = 209;
constexpr int RowHeadWidth = 44;
constexpr int BoxPitch = 16, RowPitch = 13;
constexpr int GridTop = 30;
constexpr int Columns = 10;
constexpr QPoint OffsetFromMain{68, 380};

const QColor WindowTeal{0, 170, 170};

// Left to right the panels hold groups 1, 2 and 3; their names and fills.
struct PanelLook {
    const char* name;
    QColor fill;
};
const PanelLook Panels[] = {
    {"", {}}, {"Panel4", WindowTeal}, {"Panel1", WindowTeal}, {"Panel2", SilverColour}};

// The limit of index 1-6 (E1L, E1H, E2L, ...) belongs to group (index + 1) / 2.
int LowIndex(int group)
{
    return 2 * group - 1;
}

int HighIndex(int group)
{
    return 2 * group;
}

}  // namespace

TGruppvillkor::TGruppvillkor() : VForm(QStringLiteral("Gruppvillkor"), QSize(ClientWidth, ClientHeight))
{
    setObjectName(QStringLiteral("Gruppvillkor"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    SetBackground(this, WindowTeal);
    for (int group = 1; group <= Groups; ++group)
        BuildGroup(group);
    Events::StartNrConditionsChanged.Subscribe(this, [this] {
        if (isVisible())
            PaintBoxes();
    });
    // A load closes the window: its boxes and limits are shown again from the loaded tables
    // when the user opens it next.
    Events::SystemLoaded.Subscribe(this, [this] { close(); });
}

void TGruppvillkor::BuildGroup(int group)
{
    const PanelLook& look = Panels[group];
    auto* panel = NewBox(this, QString::fromLatin1(look.name), QString(),
                         {2 + (group - 1) * (PanelWidth + 2), 2, PanelWidth, ClientHeight - 4}, WindowFont(),
                         look.fill);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    const QFont font = SansFont(11);
    NewLabel(panel, QString(), QStringLiteral("Villkor nr"), {RowHeadWidth, 2, 120, 13}, SansFont(11, true));
    for (int column = 0; column < Columns; ++column)
        NewCentredLabel(panel, QString(), QString::number((column + 1) % 10),
                        {RowHeadWidth + column * BoxPitch, 16, BoxPitch, 13}, font);
    for (int row = 0; row < ConditionCount / Columns; ++row)
        NewLabel(panel, QString(), QStringLiteral("%1-%2").arg(row * 10 + 1).arg(row * 10 + 10),
                 {4, GridTop + row * RowPitch, RowHeadWidth - 4, RowPitch}, font);
    for (int c = 1; c <= ConditionCount; ++c) {
        const int row = (c - 1) / Columns, column = (c - 1) % Columns;
        QCheckBox* box =
            NewCheckBox(panel, QStringLiteral("CB%1%2").arg(group).arg(c), QString(),
                        {RowHeadWidth + column * BoxPitch + 1, GridTop + row * RowPitch, 15, 13});
        MemberBoxes[group][c] = box;
        connect(box, &QCheckBox::clicked, this,
                [group, c](bool ticked) { SetConditionGroupMember(group, c, ticked); });
    }
    const int bottom = GridTop + 10 * RowPitch + 4;
    NewLabel(panel, QString(), QStringLiteral("Krav:"), {4, bottom, 34, 19}, SansFont(12, true));
    LowEdits[group] = NewEdit(panel, QStringLiteral("E%1L").arg(group), {40, bottom, 34, 19}, 3);
    NewCentredLabel(panel, QString(), QStringLiteral("-"), {74, bottom, 12, 19}, SansFont(12, true));
    HighEdits[group] = NewEdit(panel, QStringLiteral("E%1H").arg(group), {86, bottom, 34, 19}, 3);
    ActiveBoxes[group] =
        NewCheckBox(panel, QStringLiteral("CBA%1").arg(group), QString(), {132, bottom + 2, 16, 15});
    NewLabel(panel, QString(), QStringLiteral("aktiv"), {150, bottom, 40, 19}, SansFont(12, true));
    connect(ActiveBoxes[group], &QCheckBox::clicked, this,
            [group](bool ticked) { SetConditionGroupActive(group, ticked); });
    for (QLineEdit* edit : {LowEdits[group], HighEdits[group]}) {
        const int index = edit == LowEdits[group] ? LowIndex(group) : HighIndex(group);
        connect(edit, &QLineEdit::textEdited, this,
                [this, edit, index](const QString& text) { LimitChange(edit, index, text); });
        edit->installEventFilter(this);
    }
}

void TGruppvillkor::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
    ScrollOnNarrowScreen();
    PaintLimits();
}

void TGruppvillkor::FormActivate()
{
    if (const QWidget* main = MainFormWidget())
        move(main->pos() + OffsetFromMain);
    GroupFormOpen = 1;
    PaintBoxes();
    PaintLimits();
}

void TGruppvillkor::ResetToStartState()
{
    PaintBoxes();
    PaintLimits();
    for (int group = 1; group <= Groups; ++group)
        for (int c = 1; c <= ConditionCount; ++c)
            MemberBoxes[group][c]->setEnabled(true);
}

void TGruppvillkor::closeEvent(QCloseEvent* e)
{
    GroupFormOpen = 0;
    VForm::closeEvent(e);
}

// The exit check runs when the focus moves to another control of this window, not when
// another window becomes active.
bool TGruppvillkor::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            for (int index = 1; index <= ConditionGroupLimitCount; ++index)
                if (LimitEdit(index) == watched)
                    LimitExit(LimitEdit(index), index);
    }
    return VForm::eventFilter(watched, e);
}

void TGruppvillkor::LimitChange(QLineEdit* edit, int index, const QString& text)
{
    if (!TakeConditionGroupLimit(index, text))
        edit->setText(QString::number(ConditionGroupLimits[index]));
}

// While a construction runs no box may open: the text is corrected without the message.
void TGruppvillkor::LimitExit(QLineEdit* edit, int index)
{
    if (!ConditionGroupLimitTextDiffers(index, edit->text()))
        return;
    edit->setText(QString::number(ConditionGroupLimits[index]));
    if (!ConstructionRunning())
        ShowMessage(GroupLimitMessage);
}

void TGruppvillkor::EnableGroupConditionBoxes()
{
    for (int c = 1; c <= ConditionCount; ++c) {
        const bool enabled = ConditionGroupBoxEnabled(c);
        for (int group = 1; group <= Groups; ++group)
            if (MemberBoxes[group][c]->isEnabled() != enabled)
                MemberBoxes[group][c]->setEnabled(enabled);
    }
}

// The ticks from the tables; setting them from code is not a user's change.
void TGruppvillkor::PaintBoxes()
{
    for (int group = 1; group <= Groups; ++group) {
        for (int c = 1; c <= ConditionCount; ++c) {
            const QSignalBlocker blocker(MemberBoxes[group][c]);
            MemberBoxes[group][c]->setChecked(ConditionGroupMembers[group][c] == 1);
        }
        const QSignalBlocker blocker(ActiveBoxes[group]);
        ActiveBoxes[group]->setChecked(ConditionGroupActive[group] == 1);
    }
    if (GroupFormOpen == 1)
        EnableGroupConditionBoxes();
}

void TGruppvillkor::PaintLimits()
{
    for (int index = 1; index <= ConditionGroupLimitCount; ++index)
        LimitEdit(index)->setText(QString::number(ConditionGroupLimits[index]));
}

QLineEdit* TGruppvillkor::LimitEdit(int index) const
{
    const int group = (index + 1) / 2;
    return index % 2 == 1 ? LowEdits[group] : HighEdits[group];
}

TGruppvillkor* Gruppvillkor = nullptr;
