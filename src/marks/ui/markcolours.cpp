#include "marks/ui/markcolours.h"

#include <QLabel>

#include "platform/ui/colours.h"

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
