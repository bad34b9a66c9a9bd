#pragma once
// Change notifications from the logic to the windows.
//
// The logic never touches a widget. After a change that windows must repaint it calls one
// of the Notify... functions below; every window that shows the affected data subscribes
// once (usually in its constructor) with the matching Subscribe... function and repaints
// from the global tables and the query functions of the logic headers.
//
//   NotifyMarksChanged(race, horse)  one horse changed group (core/marking.h). Repaint that
//                                    horse's marking cells, race-data row, streck and
//                                    reduction labels from HorseGroups.
//   NotifyMarksCleared()             every mark of races 1-6 was removed (core/clearing.h).
//                                    Clear every group colour, repaint the race-data rows
//                                    from HorseGroups, show "   0" in the streck window's
//                                    percent labels, and untick the three "aktiv" boxes of
//                                    the window of groups over start-number conditions.
//   NotifyRecounted()                the recount after marking ran (core/recount.h). Repaint
//                                    the row counts, the marked-horse count, the reserve
//                                    signal, the winner-count labels and the ABCD list.
//   NotifyConditionsChanged()        a pattern-level condition changed (winner counts, ABCD
//                                    list, ABCD group conditions). Repaint the winner-count
//                                    labels, the ABCD list, "Nej" panel, group-condition
//                                    panel and count, and the rows after the conditions.
//   NotifyResultsStale()             a rows-stale reset ran (conditions/stale.h). Repaint
//                                    the result labels from ResultLabels.
//   NotifyReduceViewReset(zero)      the reduction window must close; when zero is true it
//                                    also shows "   0" in its unreduced-percent labels.
//   NotifyChanceResultsCleared()     the chance window must empty its result labels.
//
// Subscribers are called in the order they subscribed. ClearObservers() drops them all
// (tests use it to start clean).

#include <functional>
#include <utility>
#include <vector>

template <typename... Args>
class ChangeSignal {
public:
    void Subscribe(std::function<void(Args...)> observer) { observers_.push_back(std::move(observer)); }
    void Emit(Args... args) const
    {
        for (const auto& observer : observers_)
            observer(args...);
    }
    void Clear() { observers_.clear(); }

private:
    std::vector<std::function<void(Args...)>> observers_;
};

namespace notify_detail {
inline ChangeSignal<int, int> marksChanged;
inline ChangeSignal<> marksCleared;
inline ChangeSignal<> recounted;
inline ChangeSignal<> conditionsChanged;
inline ChangeSignal<> resultsStale;
inline ChangeSignal<bool> reduceViewReset;
inline ChangeSignal<> chanceResultsCleared;
}  // namespace notify_detail

inline void NotifyMarksChanged(int race, int horse)
{
    notify_detail::marksChanged.Emit(race, horse);
}
inline void NotifyMarksCleared()
{
    notify_detail::marksCleared.Emit();
}
inline void NotifyRecounted()
{
    notify_detail::recounted.Emit();
}
inline void NotifyConditionsChanged()
{
    notify_detail::conditionsChanged.Emit();
}
inline void NotifyResultsStale()
{
    notify_detail::resultsStale.Emit();
}
inline void NotifyReduceViewReset(bool zeroPercentLabels)
{
    notify_detail::reduceViewReset.Emit(zeroPercentLabels);
}
inline void NotifyChanceResultsCleared()
{
    notify_detail::chanceResultsCleared.Emit();
}

inline void SubscribeMarksChanged(std::function<void(int race, int horse)> f)
{
    notify_detail::marksChanged.Subscribe(std::move(f));
}
inline void SubscribeMarksCleared(std::function<void()> f)
{
    notify_detail::marksCleared.Subscribe(std::move(f));
}
inline void SubscribeRecounted(std::function<void()> f)
{
    notify_detail::recounted.Subscribe(std::move(f));
}
inline void SubscribeConditionsChanged(std::function<void()> f)
{
    notify_detail::conditionsChanged.Subscribe(std::move(f));
}
inline void SubscribeResultsStale(std::function<void()> f)
{
    notify_detail::resultsStale.Subscribe(std::move(f));
}
inline void SubscribeReduceViewReset(std::function<void(bool zeroPercentLabels)> f)
{
    notify_detail::reduceViewReset.Subscribe(std::move(f));
}
inline void SubscribeChanceResultsCleared(std::function<void()> f)
{
    notify_detail::chanceResultsCleared.Subscribe(std::move(f));
}

inline void ClearObservers()
{
    notify_detail::marksChanged.Clear();
    notify_detail::marksCleared.Clear();
    notify_detail::recounted.Clear();
    notify_detail::conditionsChanged.Clear();
    notify_detail::resultsStale.Clear();
    notify_detail::reduceViewReset.Clear();
    notify_detail::chanceResultsCleared.Clear();
}
