#include <gtest/gtest.h>

#include <QObject>
#include <memory>
#include <vector>

#include "conditions/abcdlist.h"
#include "core/clearing.h"
#include "marks/marking.h"
#include "model/notify.h"
#include "model/variabl.h"

namespace {

class Notifications : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        ClearObservers();
        InitAbcdList();
    }
    void TearDown() override { ClearObservers(); }

    static void Mark(int race, int horse)
    {
        ClickedMarkCode = MarkCode(GroupA, horse);
        ToggleGroupMark(race);
    }
};

// The windows repaint from the tables when they hear of a change: by then the whole
// operation, the recount included, has run.
TEST_F(Notifications, ArriveAfterTheOperationHasUpdatedEveryTable)
{
    for (int race = 1; race <= 5; ++race)
        Mark(race, 1);
    std::vector<int32> rowCountsSeen;
    const auto record = [&] { rowCountsSeen.push_back(UnreducedRowCount); };
    Events::ChanceInputsChanged.Subscribe(nullptr, record);
    Events::ReductionInputsChanged.Subscribe(nullptr, [&](bool) { record(); });
    Events::ResultsStale.Subscribe(nullptr, record);
    Events::HorseMarked.Subscribe(nullptr, [&](int, int) { record(); });
    Events::CountsRecomputed.Subscribe(nullptr, record);

    Mark(6, 1);
    EXPECT_EQ(rowCountsSeen, std::vector<int32>(5, 1));
}

TEST_F(Notifications, EachChangeIsToldOncePerOperation)
{
    struct Case {
        const char* operation;
        void (*run)();
    };
    const Case cases[] = {
        {"ClearAllGroupConditions", [] { ClearAllGroupConditions(); }},
        {"ClearAllAbcdListNej", [] { ClearAllAbcdListNej(); }},
        {"SetAllAbcdListNej", [] { SetAllAbcdListNej(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operation);
        ClearObservers();
        int stale = 0;
        int conditions = 0;
        Events::ResultsStale.Subscribe(nullptr, [&] { ++stale; });
        Events::ConditionsChanged.Subscribe(nullptr, [&] { ++conditions; });
        c.run();
        EXPECT_EQ(stale, 1);
        EXPECT_EQ(conditions, 1);
    }
}

TEST_F(Notifications, ABatchHoldsEventsUntilTheOutermostCloses)
{
    std::vector<std::pair<int, int>> marked;
    int stale = 0;
    Events::HorseMarked.Subscribe(nullptr, [&](int race, int horse) { marked.emplace_back(race, horse); });
    Events::ResultsStale.Subscribe(nullptr, [&] { ++stale; });
    {
        const EventBatch outer;
        {
            const EventBatch inner;
            Events::HorseMarked.Emit(1, 2);
            Events::ResultsStale.Emit();
        }
        Events::HorseMarked.Emit(1, 2);
        Events::HorseMarked.Emit(3, 4);
        Events::ResultsStale.Emit();
        EXPECT_TRUE(marked.empty());
        EXPECT_EQ(stale, 0);
    }
    EXPECT_EQ(marked, (std::vector<std::pair<int, int>>{{1, 2}, {3, 4}}));
    EXPECT_EQ(stale, 1);
    Events::ResultsStale.Emit();
    EXPECT_EQ(stale, 2);
}

TEST_F(Notifications, ASubscriptionEndsWithItsOwner)
{
    int heard = 0;
    auto owner = std::make_unique<QObject>();
    Events::MarksCleared.Subscribe(owner.get(), [&] { ++heard; });
    Events::MarksCleared.Emit();
    owner.reset();
    Events::MarksCleared.Emit();
    EXPECT_EQ(heard, 1);
}

}  // namespace
