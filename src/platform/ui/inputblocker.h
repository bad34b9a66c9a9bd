#pragma once
// Input blocking for the long computations that let events through while they run: while an
// InputBlocker lives, clicks, keys and the wheel reach no widget but the one allowed (the
// computation's "Avbryt"), so nothing changes the tables under the run and no second run
// starts. Painting, timers and window moves still go through.

#include <QApplication>
#include <QEvent>
#include <QWidget>

class InputBlocker : public QObject {
public:
    explicit InputBlocker(QWidget* allowed) : allowed_(allowed) { qApp->installEventFilter(this); }
    ~InputBlocker() override { qApp->removeEventFilter(this); }
    InputBlocker(const InputBlocker&) = delete;
    InputBlocker& operator=(const InputBlocker&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        return IsUserInput(e->type()) && watched->isWidgetType() && watched != allowed_;
    }

private:
    static bool IsUserInput(QEvent::Type type)
    {
        switch (type) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::Wheel:
                return true;
            default:
                return false;
        }
    }

    QObject* allowed_;
};
