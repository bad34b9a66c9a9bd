#pragma once
// The one guard of every long run that lets events through while it computes: the
// construction, the row counts, the varying reduction and the chance evaluation. While a
// RunGuard lives:
//  - clicks, keys and the wheel reach only the run's "Avbryt" button, so nothing changes the
//    tables under the run; Escape anywhere clicks that button;
//  - the window of "Avbryt" lies above every other window, those that stay on top included;
//  - no box opens: notices (the update notice) and actions put off with AfterLongRun wait
//    until the outermost run has ended (LongRun, dialogs.h);
//  - no context menu opens, and any other popup (a menu, a list) closes as soon as it shows,
//    since a popup takes all input and would leave nothing to reach "Avbryt";
//  - a close request of any window (its close box, Alt+F4, close()) first stops the run as
//    "Avbryt" does, by clicking that button, and comes back once the run has ended, when the
//    window closes or asks its question;
//  - the hourglass shows.
// Painting, timers and window moves still go through. Active() is true meanwhile: a run
// starts only when it is false, so that no second run starts from the first one's events.
// The run's progress callback calls Refresh as often as it likes; at most every 30 ms (and at
// its first call) Refresh paints the running figures and lets pending events through, which is
// when "Avbryt" is heard.
//
//     if (RunGuard::Active())
//         return;
//     RunGuard guard(KnAvbryt);
//     progress.progress = [&](int32 rows) {
//         guard.Refresh([&] { LRader->setText(QString::number(rows)); });
//         return true;  // "Avbryt" stops the run through ReduceAbort
//     };

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <vector>

#include "platform/ui/dialogs.h"

class QAbstractButton;

class RunGuard : public QObject {
public:
    explicit RunGuard(QAbstractButton* cancel);
    ~RunGuard() override;
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;

    // A run is under way.
    static bool Active();

    // At most every 30 ms: paint(), then the pending events are handled.
    template <typename Paint>
    void Refresh(Paint&& paint)
    {
        if (!RefreshDue())
            return;
        paint();
        LetEventsThrough();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    using Clock = std::chrono::steady_clock;

    bool RefreshDue();
    static void LetEventsThrough();
    void PutOffClose(QWidget* window);
    void RaiseAboveEveryWindow(QWidget* window);

    const LongRun noBoxes_;
    QAbstractButton* cancel_;
    QPointer<QWindow> onTopForTheRun_;  // the window made to stay on top until the run ends
    std::vector<QPointer<QWidget>> closesPutOff_;
    Clock::time_point nextRefresh_ = Clock::now();
};
