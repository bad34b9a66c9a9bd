#pragma once
// Window placement rules. Windows are laid out for an 800 x 600 screen; on a wider screen
// many windows move on creation, and windows laid out to centre on the main window are
// centred over it when they are first shown. Wherever the program places a window, its title
// bar lies on the screen.

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
// The height of a title bar, for a window whose frame the platform reports without one: the
// offscreen platform's, or a window that the window manager has not framed yet.
constexpr int TitleBarHeight = 30;
// The rectangle that a window takes on the screen, title bar included: the frame that the
// platform reports for the client area, its top raised to a title bar above the client area
// where the reported frame has less.
QRect OuterRect(QRect client, QRect frame);
// The outer top-left nearest to outer's at which the window's title bar lies on the work
// area: its top neither above the area nor so low that the bar reaches below it, and the
// whole bar within the area's width when the window fits it, else starting at its left edge.
QPoint TitleBarOnArea(QRect outer, QRect workArea);
// Whether the main window turns its scroll bars on: horizontal below 800 wide, vertical
// below 600 high.
bool NeedsHorizontalScrollBar(QSize screen);
bool NeedsVerticalScrollBar(QSize screen);
