#include "platform/ui/placement.h"

#include <algorithm>
#include <cmath>

namespace {

// Round half to even, as every new position is rounded.
int RoundEven(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

}  // namespace

QPoint ShiftedForScreen(QPoint designed, QSize screen, WideScreenShift shift)
{
    if (shift == WideScreenShift::None || screen.width() <= 800)
        return designed;
    const double dx = screen.width() / 2.0 - 400.0;
    const double dy = shift == WideScreenShift::Standard ? screen.width() * 3.0 / 8.0 - 300.0
                                                         : screen.height() / 2.0 - 300.0;
    return {RoundEven(designed.x() + dx), RoundEven(designed.y() + dy)};
}

QPoint CentredOver(QRect owner, QSize own, QRect workArea)
{
    const int left = owner.left() + (owner.width() - own.width()) / 2;
    const int top = owner.top() + (owner.height() - own.height()) / 2;
    return {std::max(left, workArea.left()), std::max(top, workArea.top())};
}

QRect OuterRect(QRect client, QRect frame)
{
    frame.setTop(std::min(frame.top(), client.top() - TitleBarHeight));
    return frame;
}

QPoint TitleBarOnArea(QRect outer, QRect workArea)
{
    const int left = std::max(std::min(outer.left(), workArea.right() + 1 - outer.width()), workArea.left());
    const int top = std::max(std::min(outer.top(), workArea.bottom() + 1 - TitleBarHeight), workArea.top());
    return {left, top};
}

bool NeedsHorizontalScrollBar(QSize screen)
{
    return screen.width() < 800;
}

bool NeedsVerticalScrollBar(QSize screen)
{
    return screen.height() < 600;
}
