#pragma once
// What the windows below the main window ask of it without including it: its construction as
// "Flerkupong" runs it (the question about single rows, then the builder that the condition
// switches choose), the construction engine's counting run behind "Beräkna radantal"
// (CountSystemRows, rowcount.h) and the help windows that sit beside it. The main window
// installs all of them in one place when it is created; a request with nothing installed does
// nothing. The condition switches need no request: windows read the table ConditionSwitches.

#include <functional>

#include "conditions/construction.h"

// The help windows that lower windows open: the points help, the reduction help, the help
// of the single-row reduction, the grading help, and the help of the text report (shown
// modally).
enum class HelpTopic { Points, Reduction, SingleRows, Grading, TextReport };

struct MainWindowRequests {
    std::function<void()> construct;
    std::function<ConstructionResult()> countRows;
    std::function<void(HelpTopic)> showHelp;
};

void InstallMainWindowRequests(MainWindowRequests requests);

void RequestConstruction();
void RequestHelp(HelpTopic topic);

// The installed counting run, empty when none is installed; CountSystemRows runs it.
const std::function<ConstructionResult()>& InstalledCountRun();
