#include "platform/ui/runguard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <algorithm>

namespace {

constexpr auto RefreshInterval = std::chrono::milliseconds(30);

bool IsUserInput(QEvent::Type type)
{
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}

// The program's windows, the start-list windows (tool windows) among them; popups and
// tooltips are not.
bool IsProgramWindow(const QWidget* widget)
{
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
}

bool IsEscapePress(const QEvent* e)
{
    return e->type() == QEvent::KeyPress && static_cast<const QKeyEvent*>(e)->key() == Qt::Key_Escape;
}

// Closed from the event loop: a menu that runs its own loop from its showing ends that loop.
void CloseWhenEventsPass(QWidget* popup)
{
    QMetaObject::invokeMethod(
        popup, [popup] { popup->close(); }, Qt::QueuedConnection);
}

}  // namespace

RunGuard::RunGuard(QAbstractButton* cancel) : cancel_(cancel)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qApp->installEventFilter(this);
    RaiseAboveEveryWindow(cancel->window());
}

// The closes put off run from the event loop once the outermost run has ended (noBoxes_ ends
// after this body).
RunGuard::~RunGuard()
{
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    if (onTopForTheRun_)
        onTopForTheRun_->setFlags(onTopForTheRun_->flags() & ~Qt::WindowStaysOnTopHint);
    for (const QPointer<QWidget>& window : closesPutOff_)
        AfterLongRun([window] {
            if (window)
                window->close();
        });
}

bool RunGuard::Active()
{
    return LongRun::Active();
}

bool RunGuard::RefreshDue()
{
    const Clock::time_point now = Clock::now();
    if (now < nextRefresh_)
        return false;
    nextRefresh_ = now + RefreshInterval;
    return true;
}

void RunGuard::LetEventsThrough()
{
    QCoreApplication::processEvents();
}

void RunGuard::PutOffClose(QWidget* window)
{
    if (std::find(closesPutOff_.begin(), closesPutOff_.end(), window) == closesPutOff_.end())
        closesPutOff_.emplace_back(window);
}

// A window that stays on top would otherwise cover "Avbryt" (a condition window over the
// main window during its row count). The flag goes on the shown window itself (changing the
// widget's flags would hide and re-create it) and comes off again when the run ends.
void RunGuard::RaiseAboveEveryWindow(QWidget* window)
{
    QWindow* shown = window->windowHandle();
    if (shown && !shown->flags().testFlag(Qt::WindowStaysOnTopHint)) {
        shown->setFlags(shown->flags() | Qt::WindowStaysOnTopHint);
        onTopForTheRun_ = shown;
    }
    window->raise();
}

bool RunGuard::eventFilter(QObject* watched, QEvent* e)
{
    if (!watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (e->type() == QEvent::Close && IsProgramWindow(widget)) {
        e->ignore();
        cancel_->click();
        PutOffClose(widget);
        return true;
    }
    if (e->type() == QEvent::Show && widget->windowType() == Qt::Popup) {
        CloseWhenEventsPass(widget);
        return false;
    }
    if (IsEscapePress(e)) {
        cancel_->click();
        return true;
    }
    return IsUserInput(e->type()) && widget != cancel_;
}
