#pragma once
// The colours the windows use besides the group colours, and painting a control's fill and
// text colour through its palette.

#include <QColor>

class QWidget;

inline const QColor LimeColour{0, 255, 0};
inline const QColor RedColour{255, 0, 0};
inline const QColor SilverColour{192, 192, 192};
inline const QColor YellowColour{255, 255, 0};
inline const QColor BlueColour{0, 0, 255};

// Background (fill) and text colour of a label, panel or shape.
void SetBackground(QWidget* control, const QColor& colour);
void SetTextColour(QWidget* control, const QColor& colour);
QColor BackgroundOf(const QWidget* control);
QColor TextColourOf(const QWidget* control);
