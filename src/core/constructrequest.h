#pragma once
// What the windows below the main window need of it for the unreduced system: the main
// window's construction ("ConfirmAndConstruct": the question about single rows, then the
// builder that its condition switches choose) and the state of its four condition switches.
// The main window installs both when it is created.

#include <functional>

#include "conditions/rowconditions.h"

void SetConstructionRunner(std::function<void()> runner);
// Runs the installed construction; nothing when none is installed.
void RequestConstruction();

void SetConstructionSwitchesProvider(std::function<ConstructionSwitches()> provider);
// The main window's switches; all unticked when no provider is installed.
ConstructionSwitches CurrentConstructionSwitches();
