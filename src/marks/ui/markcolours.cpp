#include "marks/ui/markcolours.h"

#include <QLabel>
#include <QScrollBar>

#include "conditions/groupconditions.h"
#include "core/ui/huvf.h"
#include "model/variabl.h"

void PaintInactiveLook(QLabel* label)
{
    SetBackground(label, Qt::white);
    SetTextColour(label, SilverColour);
}

void PaintCountLook(QLabel* label, CountLook look)
{
    switch (look) {
        case CountLook::Impossible:
            PaintInactiveLook(label);
            break;
        case CountLook::Allowed:
            SetBackground(label, LimeColour);
            SetTextColour(label, Qt::black);
            break;
        case CountLook::Forbidden:
            SetBackground(label, RedColour);
            SetTextColour(label, Qt::black);
            break;
    }
}

void ShowAbcdConditionRows()
{
    if (!V65x)
        return;
    const int position = V65x->RullistV->value();
    for (int column = 1; column <= 4; ++column) {
        const int condition = VisibleGroupCondition(position, column);
        V65x->Vnr[column]->setText(QString::number(condition));
        for (int race = 1; race <= RaceSlots; ++race) {
            for (int group = 1; group <= 4; ++group) {
                QLabel* cell = V65x->ConditionCells[column][race][group];
                if (GroupCondCellSelected(condition, race, group)) {
                    SetBackground(cell, ToQColor(GroupColour(group)));
                    SetTextColour(cell, Qt::black);
                } else {
                    PaintInactiveLook(cell);
                }
            }
        }
        for (int hits = 7; hits >= 0; --hits)
            PaintCountLook(V65x->HitCountLabels[column][hits], GroupCondHitLook(condition, hits));
    }
}

// The marking cells keep their black text, so that a horse marked later shows its number.
void ClearAllGroupColours()
{
    if (!V65x)
        return;
    for (int race = 1; race <= RaceSlots; ++race) {
        for (int horse = 1; horse <= StartNumbers; ++horse) {
            for (int group = 1; group <= 4; ++group) {
                QLabel* cell = V65x->MarkCells[race][group][horse];
                cell->clear();
                SetBackground(cell, Qt::white);
            }
        }
    }
}

void ClearWinnerCountLabels()
{
    if (!V65x)
        return;
    for (int group = GroupA; group <= GroupD; ++group)
        for (int count = 7; count >= 0; --count)
            PaintInactiveLook(V65x->WinnerCountLabels[count][group]);
}

void ClearAbcdConditionCells()
{
    if (!V65x)
        return;
    for (int column = 1; column <= 4; ++column)
        for (int race = 1; race <= RaceSlots; ++race)
            for (int group = 1; group <= 4; ++group)
                PaintInactiveLook(V65x->ConditionCells[column][race][group]);
    for (int column = 1; column <= 4; ++column)
        for (int hits = 7; hits >= 0; --hits)
            PaintInactiveLook(V65x->HitCountLabels[column][hits]);
}
