#pragma once
// Events from the logic to the windows.
//
// The logic never touches a widget. At the end of a public operation that changed tables
// which windows show, it emits the event that names what changed; every window that shows
// those tables subscribes once (usually in its constructor) and repaints from the tables and
// the query functions of the logic headers. A subscription made with an owner ends when the
// owner is destroyed; one made without an owner lasts until ClearObservers().
//
// Subscribers are called in the order they subscribed.

#include <QObject>
#include <QPointer>
#include <functional>
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

template <typename... Args>
class Event final : public EventBase {
public:
    void Subscribe(const QObject* owner, std::function<void(Args...)> observer)
    {
        std::erase_if(observers_, [](const Observer& o) { return o.owned && o.owner.isNull(); });
        observers_.push_back({QPointer<const QObject>(owner), owner != nullptr, std::move(observer)});
    }

    void Emit(Args... args) const
    {
        const std::vector<Observer> snapshot = observers_;
        for (const Observer& o : snapshot)
            if (!o.owned || !o.owner.isNull())
                o.call(args...);
    }

    void Clear() override { observers_.clear(); }

private:
    struct Observer {
        QPointer<const QObject> owner;
        bool owned;
        std::function<void(Args...)> call;
    };
    std::vector<Observer> observers_;
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
}  // namespace Events

// Drops every subscription (tests start clean with it).
inline void ClearObservers()
{
    for (EventBase* event : EventBase::All())
        event->Clear();
}
