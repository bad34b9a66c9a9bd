#pragma once
// Events from the logic to the windows.
//
// The logic never touches a widget. At the end of a public operation that changed tables
// which windows show, it emits the event that names what changed; every window that shows
// those tables subscribes once (usually in its constructor) and repaints from the tables and
// the query functions of the logic headers. A subscription made with an owner ends when the
// owner is destroyed; one made without an owner lasts until ClearObservers().
//
// Subscribers are called in the order they subscribed. While an EventBatch is open, events
// are held and delivered when the outermost batch closes, each distinct event (with its
// arguments) once, in the order first emitted: a public operation opens one, so that the
// windows repaint once, from tables that the whole operation has updated.

#include <QObject>
#include <QPointer>
#include <algorithm>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

class EventBase {
public:
    EventBase() { All().push_back(this); }
    EventBase(const EventBase&) = delete;
    EventBase& operator=(const EventBase&) = delete;
    virtual void Clear() = 0;

    static std::vector<EventBase*>& All()
    {
        static std::vector<EventBase*> events;
        return events;
    }

protected:
    ~EventBase() = default;
};

// Holds the events emitted while it lives (see above).
class EventBatch {
public:
    EventBatch() { ++Depth(); }
    ~EventBatch()
    {
        if (--Depth() == 0)
            Deliver();
    }
    EventBatch(const EventBatch&) = delete;
    EventBatch& operator=(const EventBatch&) = delete;

    static bool Open() { return Depth() > 0; }
    static void Hold(std::function<void()> delivery) { Held().push_back(std::move(delivery)); }

private:
    static int& Depth()
    {
        static int depth = 0;
        return depth;
    }
    static std::vector<std::function<void()>>& Held()
    {
        static std::vector<std::function<void()>> held;
        return held;
    }
    // A subscriber may run another operation that holds events of its own; they follow.
    static void Deliver()
    {
        while (!Held().empty()) {
            const std::vector<std::function<void()>> due = std::exchange(Held(), {});
            for (const auto& delivery : due)
                delivery();
        }
    }
};

template <typename... Args>
class Event final : public EventBase {
public:
    void Subscribe(const QObject* owner, std::function<void(Args...)> observer)
    {
        std::erase_if(observers_, [](const Observer& o) { return o.owned && o.owner.isNull(); });
        observers_.push_back({QPointer<const QObject>(owner), owner != nullptr, std::move(observer)});
    }

    void Emit(Args... args)
    {
        if (EventBatch::Open()) {
            const std::tuple<Args...> key(args...);
            if (std::find(held_.begin(), held_.end(), key) != held_.end())
                return;
            held_.push_back(key);
            EventBatch::Hold([this, key] {
                std::erase(held_, key);
                std::apply([this](Args... a) { Deliver(a...); }, key);
            });
            return;
        }
        Deliver(args...);
    }

    void Clear() override
    {
        observers_.clear();
        held_.clear();
    }

private:
    void Deliver(Args... args) const
    {
        const std::vector<Observer> snapshot = observers_;
        for (const Observer& o : snapshot)
            if (!o.owned || !o.owner.isNull())
                o.call(args...);
    }

    struct Observer {
        QPointer<const QObject> owner;
        bool owned;
        std::function<void(Args...)> call;
    };
    std::vector<Observer> observers_;
    std::vector<std::tuple<Args...>> held_;
};

namespace Events {
// One horse changed group (race, start number).
inline Event<int, int> HorseMarked;
// Every mark of races 1-6 was removed.
inline Event<> MarksCleared;
// The marks as a whole changed (a load, a global change): repaint every horse's group.
inline Event<> GroupsReplaced;
// The recount after marking ran: row counts, marked-horse count, winner counts, ABCD list.
inline Event<> CountsRecomputed;
// A pattern-level condition changed (winner counts, ABCD list, ABCD group conditions).
inline Event<> ConditionsChanged;
// The number of active points conditions (ActivePointsCondCount) was shown anew.
inline Event<> PointsCondCountChanged;
// A rows-stale reset ran: the result labels of ResultLabels changed.
inline Event<> ResultsStale;
// The marks changed under the reduction window, which closes; the flag tells whether its
// unreduced percentages were shown.
inline Event<bool> ReductionInputsChanged;
// ReductionPoints were replaced as a whole (the unreduced shares handed to the older
// single-row window as win chances).
inline Event<> ReductionPointsReplaced;
// The inputs of the chance evaluation changed: its results no longer hold.
inline Event<> ChanceInputsChanged;
// The grading window changed a correct horse (ChanceCorrectRow follows CorrectRow) or a
// payout (PayoutPerHits): the chance window shows its correct row and payouts anew.
inline Event<> GradingInputsChanged;
// The reserve rule was written (mode, orders, fixed reserves) and the reserve signal settled.
inline Event<> ReserveRuleChanged;
// A varying reduction stored new single rows (their count): the row count, "enkelrader" and
// the stake in ResultLabels changed.
inline Event<int> SingleRowsReplaced;
// The keep flags of the coupons changed: the kept totals and the price in ResultLabels.
inline Event<> KeptCouponsChanged;
// SystemStreckPercent was recomputed from the single rows.
inline Event<> SystemStreckPercentChanged;
// StreckPresent was recomputed over races 1-6: the raw streck grids and their sums
// (StreckCellText, StreckSumText) are shown afresh.
inline Event<> StreckPresentRecomputed;
// The start list of a race was taken in: its race data, the pool and the heading changed.
inline Event<int> StartListImported;
// The start-number conditions or the groups over them changed: their marks, counts, active
// flags (StartNrCondActiveCount), comments or group boxes.
inline Event<> StartNrConditionsChanged;
// ChanceSystemRows was written from outside the chance window (a reduction's finish, a load).
inline Event<> ChanceSystemRowsChanged;
// A system file was loaded: every table it carries was replaced. Windows repaint what no
// other event covers: captions, the system name and date, the payout and random-code edits,
// the start-list texts, the chance window's row count (ChanceSystemRows), the loaded shares.
inline Event<> SystemLoaded;
}  // namespace Events

// Drops every subscription (tests start clean with it).
inline void ClearObservers()
{
    for (EventBase* event : EventBase::All())
        event->Clear();
}
