#include "conditions/mainrequests.h"

#include <utility>

namespace {

MainWindowRequests& Installed()
{
    static MainWindowRequests requests;
    return requests;
}

}  // namespace

void InstallMainWindowRequests(MainWindowRequests requests)
{
    Installed() = std::move(requests);
}

void RequestConstruction()
{
    if (Installed().construct)
        Installed().construct();
}

void RequestHelp(HelpTopic topic)
{
    if (Installed().showHelp)
        Installed().showHelp(topic);
}

const std::function<ConstructionResult()>& InstalledCountRun()
{
    return Installed().countRows;
}
