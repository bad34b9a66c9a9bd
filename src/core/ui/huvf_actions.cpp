// The main window's actions: loading and saving the system, grading, the varying
// reduction, the coupon viewers and the other windows it opens, the condition switches,
// the system name and date, the column signals, the ABCD group-condition panel, the ABCD
// distribution list, the three clear buttons and "Avbryt".

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>

#include "conditions/abcdlist.h"
#include "conditions/groupconditions.h"
#include "conditions/stale.h"
#include "conditions/ui/cvillkor.h"
#include "conditions/ui/ovrigavlk.h"
#include "conditions/ui/radvlk.h"
#include "core/clearing.h"
#include "core/mainactions.h"
#include "core/ui/aboutb.h"
#include "core/ui/constructdispatch.h"
#include "core/ui/huvf.h"
#include "core/ui/info.h"
#include "grading/ui/chanser.h"
#include "grading/ui/rettar2.h"
#include "marks/ui/markcolours.h"
#include "model/variabl.h"
#include "output/ui/atgfilin.h"
#include "output/ui/fyllakup.h"
#include "output/ui/reserv.h"
#include "output/ui/sekup.h"
#include "output/ui/sekupe.h"
#include "output/ui/skrivaut.h"
#include "output/ui/txtfil.h"
#include "platform/textfile.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/hourglass.h"
#include "racedata/streck.h"
#include "racedata/ui/atgdata.h"
#include "racedata/ui/datavisa.h"
#include "racedata/ui/startlists.h"
#include "reduction/ui/infoutdeln.h"
#include "reduction/ui/reduc.h"
#include "reduction/ui/reducu.h"
#include "sysfile/sysload.h"
#include "sysfile/systemfile.h"
#include "sysfile/ui/savesystem.h"
#include "sysfile/ui/suddafil.h"
#include "views/ui/procenten.h"
#include "views/ui/seenkelrad.h"

namespace {

enum class Shown { Modeless, Modal };

// The window is looked up when the button is clicked: the main window is created before
// every other window.
using WindowOf = VForm* (*)();

void Open(WindowOf window, Shown shown)
{
    VForm* form = window();
    if (shown == Shown::Modal)
        form->ShowModal();
    else
        form->Show();
}

// The condition switches and the column signals with the table entries they mirror.
struct SwitchBox {
    QCheckBox* TV65x::*box;
    bool TConditionSwitches::*entry;
};
constexpr SwitchBox SwitchBoxes[] = {
    {&TV65x::VlkstartnrJA, &TConditionSwitches::startNumbers},
    {&TV65x::VlkvinstchJA, &TConditionSwitches::points},
    {&TV65x::Vlkovrigt, &TConditionSwitches::otherNumbers},
    {&TV65x::CBUtdelning, &TConditionSwitches::payout},
};

struct SignalShape {
    QLabel* TV65x::*shape;
    bool TColumnSignals::*entry;
};
constexpr SignalShape SignalShapes[] = {
    {&TV65x::Signalhest, &TColumnSignals::horse},
    {&TV65x::Signalstreck, &TColumnSignals::streck},
    {&TV65x::Signalodds, &TColumnSignals::odds},
};

// The text as the code page keeps it: characters it lacks become "?".
QString InCodePage(const QString& text)
{
    return DecodeWindows1252(EncodeWindows1252(text));
}

}  // namespace

void TV65x::ConnectActions()
{
    ConnectWindowOpeners();
    ConnectConditionSwitches();
    ConnectAbcdPanels();
    const auto click = [this](QPushButton* button, void (TV65x::*handler)()) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    click(Button8, &TV65x::Button8Click);
    click(Button9, &TV65x::Button9Click);
    click(Button6, &TV65x::Button6Click);
    click(Button5, &TV65x::Button5Click);
    click(Bereknaerader, &TV65x::BereknaeraderClick);
    click(Button4, &TV65x::Button4Click);
    click(Button29, &TV65x::Button29Click);
    click(Avbrytknapp, &TV65x::AvbrytknappClick);
    click(Button10, &TV65x::Button10Click);
    click(Button1, &TV65x::Button1Click);
    click(CKnapp, &TV65x::CKnappClick);
    connect(Namn, &QLineEdit::textChanged, this, &TV65x::NamnChange);
    connect(Datum, &QLineEdit::textChanged, this, &TV65x::DatumChange);
    for (const SignalShape& s : SignalShapes)
        OnMouseDown(this->*s.shape, [this, entry = s.entry] { SignalMouseDown(entry); });
}

void TV65x::ConnectWindowOpeners()
{
    struct Opener {
        QPushButton* button;
        WindowOf window;
        Shown shown;
    };
    const Opener openers[] = {
        {Button26, []() -> VForm* { return Data; }, Shown::Modeless},
        {Button27, []() -> VForm* { return Chans; }, Shown::Modeless},
        {LATGfil, []() -> VForm* { return ATGFilform; }, Shown::Modeless},
        {Button28, []() -> VForm* { return Procent; }, Shown::Modeless},
        {Button2, []() -> VForm* { return Fyllikup; }, Shown::Modal},
        {Button3, []() -> VForm* { return Skriva; }, Shown::Modal},
        {Button11, []() -> VForm* { return Textfil; }, Shown::Modeless},
        {Button13, []() -> VForm* { return Reserver; }, Shown::Modal},
        {RaceButtons[1], []() -> VForm* { return Startlista1; }, Shown::Modeless},
        {RaceButtons[2], []() -> VForm* { return Startlista2; }, Shown::Modeless},
        {RaceButtons[3], []() -> VForm* { return Startlista3; }, Shown::Modeless},
        {RaceButtons[4], []() -> VForm* { return Startlista4; }, Shown::Modeless},
        {RaceButtons[5], []() -> VForm* { return Startlista5; }, Shown::Modeless},
        {RaceButtons[6], []() -> VForm* { return Startlista6; }, Shown::Modeless},
        {RaceButtons[7], []() -> VForm* { return Startlista7; }, Shown::Modeless},
        {Button18, []() -> VForm* { return ATG; }, Shown::Modeless},
        {KnReducera, []() -> VForm* { return Reducera; }, Shown::Modal},
    };
    for (const Opener& opener : openers)
        connect(opener.button, &QPushButton::clicked, this,
                [window = opener.window, shown = opener.shown] { Open(window, shown); });
}

// Every change of a switch's state, by the user or by code, marks the results stale; the
// three condition buttons tick their switch before they open the condition's window.
void TV65x::ConnectConditionSwitches()
{
    for (const SwitchBox& s : SwitchBoxes)
        connect(this->*s.box, &QCheckBox::toggled, this, [entry = s.entry](bool on) {
            ConditionSwitches.*entry = on;
            MarkRowsStaleMain();
        });
    struct SwitchOpener {
        QPushButton* button;
        QCheckBox* box;
        WindowOf window;
    };
    const SwitchOpener openers[] = {
        {Button16, VlkstartnrJA, []() -> VForm* { return Radvillkor; }},
        {Button14, VlkvinstchJA, []() -> VForm* { return Chansvillkor; }},
        {Button17, Vlkovrigt, []() -> VForm* { return ovrigavillkor; }},
    };
    for (const SwitchOpener& opener : openers)
        connect(opener.button, &QPushButton::clicked, this, [box = opener.box, window = opener.window] {
            box->setChecked(true);
            Open(window, Shown::Modeless);
        });
}

void TV65x::ConnectAbcdPanels()
{
    connect(RullistV, &QScrollBar::valueChanged, this, &TV65x::RullistVChange);
    for (int column = 1; column <= 4; ++column) {
        for (int race = 1; race <= RaceSlots; ++race)
            for (int group = GroupA; group <= GroupD; ++group)
                OnMouseDown(ConditionCells[column][race][group],
                            [this, column, race, group] { ConditionCellMouseDown(column, race, group); });
        for (int hits = 0; hits <= 7; ++hits)
            OnMouseDown(HitCountLabels[column][hits],
                        [this, column, hits] { HitCountMouseDown(column, hits); });
    }
    // A quick second click on the list arrives as a double click and toggles again.
    connect(ABClista, &QTableWidget::cellPressed, this, &TV65x::ABClistaMouseDown);
    connect(ABClista, &QTableWidget::cellDoubleClicked, this, &TV65x::ABClistaMouseDown);
    connect(Allanej, &QPushButton::clicked, this, &TV65x::AllanejClick);
    connect(Button12, &QPushButton::clicked, this, &TV65x::Button12Click);
    connect(Button7, &QPushButton::clicked, this, &TV65x::Button7Click);
}

void TV65x::Button8Click()
{
    if (SaveOrGiveUpUnsavedSystem(QStringLiteral("Ska systemet sparas innan nytt system hämtas in?")))
        ReadSystemFile();
}

void TV65x::Button9Click()
{
    const HourglassCursor hourglass;
    PrepareSystemSave();
    SaveSystem();
}

bool TV65x::SaveSystem()
{
    return WriteSystemFile(this);
}

// Only "Nej" gives up an unsaved system. On "Ja" a save that did not happen (cancelled,
// declined or failed) stops the action; so do Escape and the close box on the question.
bool TV65x::SaveOrGiveUpUnsavedSystem(const QString& question)
{
    if (!UnsavedSystemExists())
        return true;
    switch (AskYesNoOrCancel(question)) {
        case Answer::Yes:
            return SaveSystem();
        case Answer::No:
            return true;
        case Answer::Cancel:
            return false;
    }
    return false;
}

// The file is read and checked whole before anything changes; a loaded system of coupons is
// constructed again in its saved mode with its saved keep flags. The wait sign shows from the
// reading of the file until the loaded system is in the tables and a differing row count has
// been reported; a refusal is told without it.
void TV65x::ReadSystemFile()
{
    const QString chosen = ChooseSystemFileToLoad(this);
    if (chosen.isEmpty())
        return;
    SystemLoadOutcome outcome;
    {
        const HourglassCursor hourglass;
        outcome = LoadSystemFile(chosen, [this] {
            ShowWaitSign(true);
            repaint();
        });
    }
    if (outcome.found)
        OfferLoadedSystemFile(chosen);
    if (outcome.rowCountDiffers)
        ShowMessage(LoadRowCountMismatchMessage);
    ShowWaitSign(false);
    if (!outcome.file.done) {
        ShowMessage(outcome.file.message);
        return;
    }
    if (!outcome.rebuild)
        return;
    ConstructLoadedSystem();
    FinishLoadedRebuild();
}

void TV65x::Button6Click()
{
    Radera->WireDeleteFilesControls();
    Radera->ShowModal();
}

void TV65x::Button5Click()
{
    const bool gradable = BeginGrading();
    Retta2->PrepareForGrading();
    if (gradable)
        Retta2->Show();
    else
        ShowMessage(QStringLiteral("Det finns inget system att rätta."));
}

void TV65x::BereknaeraderClick()
{
    DetachGradedRound();
    if (UnsavedCouponsExist() && !AskYesNo(QStringLiteral("Kupongerna raderas. Är det OK?    ")))
        return;
    BeginVaryingReduction();
    PaintResultLabels();
    if (UnreducedRowCount <= 0)
        ShowMessage(QStringLiteral("Markera först minst en häst i varje avdelning."));
    else
        ReduceraF->Show();
}

// Single rows have their own viewer; coupons open in the viewer of the construction mode,
// at the first kept coupon, or at none when there is no system.
void TV65x::Button4Click()
{
    if (SingleRowsBuilt == 1) {
        Seenkelrader->ShowModal();
        return;
    }
    SelectFirstKeptCoupon();
    if (GroupSystemBuilt == 1)
        Kuponger->ShowModal();
    else
        KupongerE->ShowModal();
}

void TV65x::Button29Click()
{
    if (!RecomputeStreckPresent()) {
        ShowMessage(QStringLiteral("Streckfördelningen saknas."));
        return;
    }
    CBUtdelning->setChecked(true);
    Infoutd->Show();
}

// Neither edit marks the system stale or unsaved.
// Setting the boxes from the table is no change by the user: it marks nothing stale.
void TV65x::PaintSwitches()
{
    for (const SwitchBox& s : SwitchBoxes) {
        const QSignalBlocker blocker(this->*s.box);
        (this->*s.box)->setChecked(ConditionSwitches.*s.entry);
    }
    for (const SignalShape& s : SignalShapes)
        SetBackground(this->*s.shape, ColumnSignals.*s.entry ? LimeColour : RedColour);
}

void TV65x::NamnChange()
{
    SystemName = InCodePage(Namn->text());
}

void TV65x::DatumChange()
{
    SystemDate = InCodePage(Datum->text());
}

void TV65x::SignalMouseDown(bool TColumnSignals::*signal)
{
    ColumnSignals.*signal = !(ColumnSignals.*signal);
    PaintSwitches();
}

void TV65x::RullistVChange()
{
    PaintAbcdConditionRows();
}

// Column 1-4 of the panel shows condition p + column - 1, p being RullistV's position.
void TV65x::ConditionCellMouseDown(int column, int race, int group)
{
    ClickedGroupCondCode = group * 10 + race;
    ToggleAbcdConditionCell(VisibleGroupCondition(RullistV->value(), column));
}

// A hit count that cannot occur for the condition is left as it is.
void TV65x::HitCountMouseDown(int column, int hits)
{
    ClickedGroupCondCode = hits;
    ToggleAbcdConditionHitCount(VisibleGroupCondition(RullistV->value(), column));
}

// The grid's head is its header, so list row n is table row n - 1.
void TV65x::ABClistaMouseDown(int tableRow, int column)
{
    CompositionListCol = column;
    CompositionListRow = tableRow + 1;
    if (ToggleAbcdListEntry() == AbcdListClick::ToggledWithAlarm)
        ShowMessage(AbcdListAlarmText);
}

void TV65x::AllanejClick()
{
    if (AskYesNo(QStringLiteral("Ska vi sätta \"Nej\" på allt i listan?")))
        SetAllAbcdListNej();
}

void TV65x::AvbrytknappClick()
{
    ReduceAbort = 1;
}

// The windows clear their group colours and the winner-count labels when the marks are
// cleared (model/notify.h).
void TV65x::Button10Click()
{
    if (AskYesNo(ClearMarksQuestion))
        ClearAllMarks();
}

void TV65x::Button12Click()
{
    if (!AskYesNo(ClearGroupConditionsQuestion))
        return;
    ClearAllGroupConditions();
    ClearAbcdConditionCells();
}

void TV65x::Button7Click()
{
    if (AskYesNo(ClearAbcdListNejQuestion))
        ClearAllAbcdListNej();
}

void TV65x::Button1Click()
{
    Information->Open();
}

void TV65x::CKnappClick()
{
    AboutC->Open();
}
