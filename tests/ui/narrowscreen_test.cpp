// The windows on small screens, as the windows were created on them: each window that the
// placement rule names puts its client area in a scroll area with both scroll bars on when, and
// only when, the screen is narrower than 800 pixels, from its own create handler; every window
// that the program places shows its title bar on the screen; controls that a window keeps out
// of sight take no keyboard focus. The window tests run this file three times: on the usual
// screen, on an 800 x 600 one and on a 640 x 480 one.

#include <gtest/gtest.h>
#include <QApplication>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <functional>
#include <memory>

#include "conditions/ui/grpvlk.h"
#include "conditions/ui/ordn.h"
#include "conditions/ui/ovrigavlk.h"
#include "conditions/ui/radvlk.h"
#include "core/ui/huvf.h"
#include "core/ui/info.h"
#include "core/ui/infoch.h"
#include "grading/ui/nestaavd.h"
#include "grading/ui/rettar2.h"
#include "output/ui/fyllakup.h"
#include "output/ui/reserv.h"
#include "output/ui/sekup.h"
#include "output/ui/sekupe.h"
#include "output/ui/skrivaut.h"
#include "output/ui/xtratext.h"
#include "platform/ui/placement.h"
#include "sysfile/ui/suddafil.h"
#include "views/ui/streckford.h"
#include "windowset.h"

namespace {

class SmallScreen : public WindowSetTest {
protected:
    // Every window of the program, each shown as the program shows it and made the active
    // window (where some place themselves), then hidden again. The main window is a fresh one,
    // shown first and left for the other windows to place themselves by, so that the main
    // window of the other tests is never shown.
    static void ForEachShownWindow(const std::function<void(VForm*)>& check)
    {
        auto main = std::make_unique<TV65x>();
        const auto restore = qScopeGuard([&] {
            main.reset();
            MainFormWidget() = V65x;
        });
        main->UpdateCheckOnShow = false;
        QList<VForm*> windows{main.get()};
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<VForm*>(window); form && form != V65x && form != main.get())
                windows << form;
        for (VForm* window : windows) {
            window->Show();
            QEvent activate(QEvent::WindowActivate);
            QCoreApplication::sendEvent(window, &activate);
            QCoreApplication::processEvents();
            check(window);
            if (window != main.get())
                window->hide();
        }
    }
};

TEST_F(SmallScreen, NamedWindowsScrollExactlyOnANarrowScreen)
{
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const bool narrow = screen.width() < 800;
    const VForm* const named[] = {Information, InfoChans, Radvillkor, Gruppvillkor, ovrigavillkor, Ordningsf,
                                  Reserver,    Kuponger,  KupongerE,  Fyllikup,     Skriva,        Egentext,
                                  Streckf,     Radera,    Retta2,     Nesta};
    for (const VForm* window : named) {
        const char* name = window->metaObject()->className();
        const auto* area = window->findChild<QScrollArea*>(QStringLiteral("ScrollArea"));
        ASSERT_EQ(area != nullptr, narrow) << name << " on a screen " << screen.width() << " wide";
        if (!area)
            continue;
        EXPECT_EQ(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << name;
        EXPECT_EQ(area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << name;
        EXPECT_EQ(area->widget()->size(), window->size()) << name;
    }

    const auto* main = V65x->findChild<QScrollArea*>();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn, narrow);
    EXPECT_EQ(main->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn, screen.height() < 600);
}

TEST(TitleBarRule, OuterRectAndTheTitleBarOnTheArea)
{
    // A frame reported without a title bar gets one; a real one is kept.
    EXPECT_EQ(OuterRect({10, 40, 100, 50}, {8, 38, 104, 54}), QRect(8, 10, 104, 82));
    EXPECT_EQ(OuterRect({10, 40, 100, 50}, {6, 5, 108, 89}), QRect(6, 5, 108, 89));
    const QRect area(0, 20, 800, 580);
    struct Case {
        QRect outer;
        QPoint placed;
    };
    const Case cases[] = {
        {{100, 50, 300, 200}, {100, 50}},    // on the area: stays
        {{100, -9, 300, 200}, {100, 20}},    // above the area's top
        {{-5, 50, 300, 200}, {0, 50}},       // left of it
        {{600, 50, 300, 200}, {500, 50}},    // partly right of it
        {{100, 590, 300, 200}, {100, 570}},  // the bar reaches below the bottom
        {{50, 50, 900, 700}, {0, 50}},       // wider than the area: from its left edge
    };
    for (const Case& c : cases)
        EXPECT_EQ(TitleBarOnArea(c.outer, area), c.placed) << c.outer.x() << "," << c.outer.y();
}

// Wherever the program puts a window (centred over the main window, at its designed place, on
// the main window's side, beside another window on activation), its title bar lies on the work
// area, where the user can take hold of it: the whole bar when the window is no wider than the
// screen. A frame that the platform reports without a title bar gets one of TitleBarHeight.
// The window system places the windows that the program does not place.
TEST_F(SmallScreen, EveryTitleBarLiesOnTheScreen)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QStringList off;
    ForEachShownWindow([&](VForm* window) {
        if (window->windowFlags().testFlag(Qt::FramelessWindowHint) || !window->testAttribute(Qt::WA_Moved))
            return;
        const QRect outer = OuterRect(window->geometry(), window->frameGeometry());
        const QRect bar(outer.topLeft(), QSize(std::min(outer.width(), area.width()), TitleBarHeight));
        if (!area.contains(bar))
            off << QStringLiteral("%1: title bar at %2,%3, %4 wide")
                       .arg(QString::fromLatin1(window->metaObject()->className()))
                       .arg(bar.x())
                       .arg(bar.y())
                       .arg(bar.width());
    });
    EXPECT_TRUE(off.isEmpty()) << "on " << area.width() << " x " << area.height() << ":\n"
                               << off.join(QLatin1Char('\n')).toStdString();
}

// Whether any of the control shows in its window; what a scroll area scrolls counts as shown.
bool ShowsInItsWindow(const QWidget* control, const QWidget* window)
{
    QRect visible = control->rect();
    for (const QWidget* w = control; w != window; w = w->parentWidget()) {
        if (w->parentWidget()->objectName() == QLatin1String("qt_scrollarea_viewport"))
            break;
        visible &= QRect(control->mapFrom(w->parentWidget(), QPoint(0, 0)), w->parentWidget()->size());
    }
    return !visible.isEmpty();
}

// The controls that a window keeps out of sight with their values (the points edits of the
// dummy race slot, for example) are never reached by Tab, so nothing can be typed into them.
TEST_F(SmallScreen, NoControlOutOfSightTakesFocus)
{
    QStringList reachable;
    ForEachShownWindow([&](VForm* window) {
        for (const QWidget* control : window->findChildren<QWidget*>())
            if ((control->focusPolicy() & Qt::TabFocus) && !control->focusProxy() &&
                control->isVisibleTo(window) && !ShowsInItsWindow(control, window))
                reachable << QStringLiteral("%1.%2").arg(
                    QString::fromLatin1(window->metaObject()->className()), control->objectName());
    });
    EXPECT_TRUE(reachable.isEmpty()) << reachable.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
