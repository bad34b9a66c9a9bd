#pragma once
// Window placement rules. Windows are laid out for an 800 x 600 screen; on a wider screen
// many windows move on creation, and windows laid out to centre on the main window are
// centred over it when they are first shown.

#include <QPoint>
#include <QRect>
#include <QSize>

enum class WideScreenShift {
    None,         // the window keeps its designed position
    Standard,     // right by half the screen width less 400, down by 3/8 of it less 300
    HeightBased,  // right as Standard, down by half the screen height less 300
};

// The position after the shift on creation; unchanged on a screen 800 pixels wide or less.
QPoint ShiftedForScreen(QPoint designed, QSize screen, WideScreenShift shift);
// Top-left that centres a window of size own over the owner window, halves rounded toward
// zero, not left of or above the work area.
QPoint CentredOver(QRect owner, QSize own, QRect workArea);
// Whether the main window turns its scroll bars on: horizontal below 800 wide, vertical
// below 600 high.
bool NeedsHorizontalScrollBar(QSize screen);
bool NeedsVerticalScrollBar(QSize screen);
