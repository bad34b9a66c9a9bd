// The main window's marking cells and winner-count labels, and every repaint of the window
// from the global tables after the logic has notified a change.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <tuple>

#include "conditions/abcdlist.h"
#include "conditions/groupconditions.h"
#include "conditions/winnercounts.h"
#include "core/ui/constructdispatch.h"
#include "core/ui/huvf.h"
#include "core/ui/updatenotice.h"
#include "marks/groupmarks.h"
#include "marks/marking.h"
#include "marks/recount.h"
#include "marks/ui/markcolours.h"
#include "model/notify.h"
#include "model/variabl.h"
#include "output/reserves.h"
#include "racedata/startlistimport.h"
#include "reduction/ui/reducu.h"

namespace {

void SetText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

}  // namespace

void TV65x::BindMarkingHandlers()
{
    for (int race = 1; race <= RaceSlots; ++race)
        for (int group = GroupA; group <= GroupD; ++group)
            for (int horse = 1; horse <= StartNumbers; ++horse)
                OnMouseDown(MarkCells[race][group][horse],
                            [this, race, group, horse] { MarkCellMouseDown(race, group, horse); });
    for (int count = 0; count <= 7; ++count)
        for (int group = GroupA; group <= GroupD; ++group)
            OnMouseDown(WinnerCountLabels[count][group],
                        [this, group, count] { WinnerCountMouseDown(group, count); });
}

void TV65x::SubscribeToChanges()
{
    Events::HorseMarked.Subscribe(this, [this](int race, int horse) { PaintHorseCells(race, horse); });
    Events::ReserveRuleChanged.Subscribe(this, [this] { PaintReserveSignal(); });
    Events::MarksCleared.Subscribe(this, [this] {
        ClearGroupColours();
        ClearWinnerCountLabels();
    });
    Events::GroupsReplaced.Subscribe(this, [this] { PaintMarkingGrid(); });
    // Every recount closes the varying-reduction window, so that it never shows a reduction
    // of marks that have changed.
    Events::ReductionInputsChanged.Subscribe(this, [](bool) {
        if (ReduceraF && ReduceraF->isVisible())
            ReduceraF->close();
    });
    Events::GroupsReplaced.Subscribe(this, [this] { PaintGroupMarks(); });
    Events::ResultsStale.Subscribe(this, [this] { PaintResultLabels(); });
    Events::SingleRowsReplaced.Subscribe(this, [this](int) { PaintResultLabels(); });
    Events::KeptCouponsChanged.Subscribe(this, [this] { PaintResultLabels(); });
    Events::CountsRecomputed.Subscribe(this, [this] { PaintRecount(); });
    Events::ConditionsChanged.Subscribe(this, [this] { PaintConditionDisplays(); });
    Events::PointsCondCountChanged.Subscribe(this, [this] { PaintPointsCondCount(); });
    Events::StartListImported.Subscribe(this, [this](int) {
        MainFormCaption = MainCaptionAfterImport(MakerDomain());
        setWindowTitle(MainFormCaption);
    });
    Events::SystemLoaded.Subscribe(this, [this] { PaintLoadedSystem(); });
    Events::StartNrConditionsChanged.Subscribe(this, [this] { PaintStartNrCondCount(); });
}

void TV65x::MarkCellMouseDown(int race, int group, int horse)
{
    ClickedMarkCode = MarkCode(group, horse);
    ToggleGroupMark(race);
}

void TV65x::WinnerCountMouseDown(int group, int count)
{
    ClickWinnerCount(group, count);
}

void TV65x::PaintHorseCells(int race, int horse)
{
    if (!IsRace(race) || !IsHorse(horse))
        return;
    for (int group = GroupA; group <= GroupD; ++group) {
        QLabel* cell = MarkCells[race][group][horse];
        const QString caption = MarkCellCaption(race, group, horse);
        SetText(cell, caption);
        SetBackground(cell, caption.isEmpty() ? QColor(Qt::white) : ToQColor(GroupColour(group)));
    }
}

void TV65x::PaintMarkingGrid()
{
    for (int race = 1; race <= RaceSlots; ++race)
        for (int horse = 1; horse <= StartNumbers; ++horse)
            PaintHorseCells(race, horse);
}

void TV65x::PaintGroupMarks()
{
    for (int race = 1; race <= RaceSlots; ++race)
        for (int group = GroupA; group <= GroupD; ++group)
            for (int horse = 1; horse <= StartNumbers; ++horse) {
                QLabel* cell = MarkCells[race][group][horse];
                const bool painted = IsPaintedInGroup(race, group, horse);
                SetText(cell, painted ? QString::number(horse) : QString());
                SetBackground(cell, ToQColor(painted ? GroupColours[group] : White));
            }
}

void TV65x::PaintResultLabels()
{
    SetText(LabelRadantal, ResultLabels.Radantal);
    SetText(LRaderoreduc, ResultLabels.Raderoreduc);
    SetText(LabelKup, ResultLabels.Kup);
    SetText(LReducgrad, ResultLabels.Reducgrad);
    // A caption shows over a value that shows: none at start or after a stale reset, all three
    // over a coupon system's price, only the stake's over single rows (no fee, no total).
    const std::tuple<QLabel*, QLabel*, const QString&> prices[] = {{Pris1, Prisrader, ResultLabels.Prisrader},
                                                                   {Pris3, Prisavg, ResultLabels.Prisavg},
                                                                   {Pris4, Pristot, ResultLabels.Pristot}};
    for (const auto& [caption, value, text] : prices) {
        SetText(value, text);
        value->setVisible(ResultLabels.PriceVisible);
        caption->setVisible(ResultLabels.PriceVisible && !text.isEmpty());
    }
    LReducgrad->setVisible(ResultLabels.ReducgradVisible);
    if (ResultLabels.SystemButtonsEnabled)
        for (QPushButton* button : {Button2, Button3, Button4, Button5, LATGfil, KnReducera})
            button->setEnabled(true);
}

void TV65x::PaintRowCounts()
{
    SetText(Maxrader, UnreducedRowCountText());
    SetText(Lantalraderutan, RowsAfterConditionsText());
}

void TV65x::PaintMarkedHorseCount()
{
    const MarkedHorseCountText text = ShowMarkedHorseCount();
    SetText(Antalkusar, text.count);
    SetText(Label2, text.unit);
}

void TV65x::PaintReserveSignal()
{
    LabelRes->setText(ReserveModeLetter(ReserveMode));
    LabelRes->setVisible(!ReserveSignalShown);
    ResF->setVisible(ReserveSignalShown);
}

void TV65x::PaintRecount()
{
    PaintRowCounts();
    PaintMarkedHorseCount();
    PaintReserveSignal();
    PaintWinnerCountLabels();
    PaintAbcdList();
}

void TV65x::PaintConditionDisplays()
{
    SetText(Lantalraderutan, RowsAfterConditionsText());
    PaintWinnerCountLabels();
    PaintAbcdList();
    SetText(NejPanel, NejPanelText());
    SetText(Labelantalvlk, GroupConditionCountText());
    PaintAbcdConditionRows();
}

void TV65x::PaintWinnerCountLabels()
{
    for (int count = 0; count <= 7; ++count)
        for (int group = GroupA; group <= GroupD; ++group)
            PaintCountLook(WinnerCountLabels[count][group], WinnerCountLabel(count, group).look);
}

void TV65x::PaintAbcdList()
{
    for (int column = 0; column < 3; ++column) {
        ABClista->horizontalHeaderItem(column)->setText(AbcdListCells[0][column]);
        for (int row = 1; row <= CompositionCount; ++row) {
            QTableWidgetItem* item = ABClista->item(row - 1, column);
            if (item->text() != AbcdListCells[row][column])
                item->setText(AbcdListCells[row][column]);
        }
    }
}

void TV65x::PaintAll()
{
    PaintMarkingGrid();
    PaintResultLabels();
    PaintRecount();
    PaintConditionDisplays();
    PaintPointsCondCount();
    PaintStartNrCondCount();
    PaintSwitches();
}

// The name and date edits show the loaded texts without writing them back; a file with an
// empty caption gives the caption the window starts with.
void TV65x::PaintLoadedSystem()
{
    for (auto [edit, text] : {std::pair{Namn, SystemName.str()}, std::pair{Datum, SystemDate.str()}}) {
        const QSignalBlocker blocker(edit);
        edit->setText(text);
    }
    setWindowTitle(MainFormCaption.isEmpty() ? MainWindowCaption() : MainFormCaption);
    PaintAll();
}

void TV65x::PaintStartNrCondCount()
{
    Lsnvlk->setText(QString::number(StartNrCondActiveCount));
}

void TV65x::PaintAbcdConditionRows()
{
    const int position = RullistV->value();
    for (int column = 1; column <= 4; ++column) {
        const int condition = VisibleGroupCondition(position, column);
        Vnr[column]->setText(QString::number(condition));
        for (int race = 1; race <= RaceSlots; ++race) {
            for (int group = GroupA; group <= GroupD; ++group) {
                QLabel* cell = ConditionCells[column][race][group];
                if (GroupCondCellSelected(condition, race, group)) {
                    SetBackground(cell, ToQColor(GroupColour(group)));
                    SetTextColour(cell, Qt::black);
                } else {
                    PaintInactiveLook(cell);
                }
            }
        }
        for (int hits = 7; hits >= 0; --hits)
            PaintCountLook(HitCountLabels[column][hits], GroupCondHitLook(condition, hits));
    }
}

void TV65x::ClearGroupColours()
{
    for (int race = 1; race <= RaceSlots; ++race) {
        for (int horse = 1; horse <= StartNumbers; ++horse) {
            for (int group = GroupA; group <= GroupD; ++group) {
                QLabel* cell = MarkCells[race][group][horse];
                cell->clear();
                SetBackground(cell, Qt::white);
            }
        }
    }
}

void TV65x::ClearWinnerCountLabels()
{
    for (int group = GroupA; group <= GroupD; ++group)
        for (int count = 7; count >= 0; --count)
            PaintInactiveLook(WinnerCountLabels[count][group]);
}

void TV65x::ClearAbcdConditionCells()
{
    for (int column = 1; column <= 4; ++column) {
        for (int race = 1; race <= RaceSlots; ++race)
            for (int group = GroupA; group <= GroupD; ++group)
                PaintInactiveLook(ConditionCells[column][race][group]);
        for (int hits = 7; hits >= 0; --hits)
            PaintInactiveLook(HitCountLabels[column][hits]);
    }
}

void TV65x::PaintPointsCondCount()
{
    Lvchvlk->setText(QString::number(ActivePointsCondCount));
}
