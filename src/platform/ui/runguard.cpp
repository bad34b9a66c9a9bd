#include "platform/ui/runguard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
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
            return true;
        default:
            return false;
    }
}

// The program's windows; popups and tooltips close themselves and are left alone.
bool IsProgramWindow(const QWidget* widget)
{
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

}  // namespace

RunGuard::RunGuard(QAbstractButton* cancel) : cancel_(cancel)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qApp->installEventFilter(this);
}

// The closes put off run from the event loop once the outermost run has ended (noBoxes_ ends
// after this body).
RunGuard::~RunGuard()
{
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
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
    return IsUserInput(e->type()) && widget != cancel_;
}
