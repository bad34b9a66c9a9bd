#pragma once

#include "racedata/ui/startlistwindow.h"

// The start-list window of race 2.
class TStartlista2 : public TStartlistaWindow {
    Q_OBJECT
public:
    TStartlista2() : TStartlistaWindow(2) {}
};

extern TStartlista2* Startlista2;
