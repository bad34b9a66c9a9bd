#include "core/constructrequest.h"

#include <utility>

namespace {

std::function<void()>& Runner()
{
    static std::function<void()> runner;
    return runner;
}

std::function<ConstructionSwitches()>& SwitchesProvider()
{
    static std::function<ConstructionSwitches()> provider;
    return provider;
}

}  // namespace

void SetConstructionRunner(std::function<void()> runner)
{
    Runner() = std::move(runner);
}

void RequestConstruction()
{
    if (Runner())
        Runner()();
}

void SetConstructionSwitchesProvider(std::function<ConstructionSwitches()> provider)
{
    SwitchesProvider() = std::move(provider);
}

ConstructionSwitches CurrentConstructionSwitches()
{
    return SwitchesProvider() ? SwitchesProvider()() : ConstructionSwitches{};
}
