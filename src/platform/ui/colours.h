#pragma once
// The program's colours as QColor, and painting a control's fill and
// text colour through its palette.

#include <QColor>

#include "model/colours.h"

class QWidget;

constexpr QColor ToQColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

inline const QColor LimeColour = ToQColor(Lime);
inline const QColor RedColour = ToQColor(Red);
inline const QColor SilverColour = ToQColor(Silver);
inline const QColor YellowColour = ToQColor(Yellow);
inline const QColor BlueColour = ToQColor(Blue);

// Background (fill) and text colour of a label, panel or shape.
void SetBackground(QWidget* control, const QColor& colour);
void SetTextColour(QWidget* control, const QColor& colour);
QColor BackgroundOf(const QWidget* control);
QColor TextColourOf(const QWidget* control);
