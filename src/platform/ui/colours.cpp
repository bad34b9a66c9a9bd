#include "platform/ui/colours.h"

#include <QPalette>
#include <QWidget>

void SetBackground(QWidget* control, const QColor& colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, colour);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

void SetTextColour(QWidget* control, const QColor& colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, colour);
    control->setPalette(palette);
}

QColor BackgroundOf(const QWidget* control)
{
    return control->palette().color(QPalette::Window);
}

QColor TextColourOf(const QWidget* control)
{
    return control->palette().color(QPalette::WindowText);
}
