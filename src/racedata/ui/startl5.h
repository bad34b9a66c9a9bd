#pragma once

#include "racedata/ui/startlistwindow.h"

// The start-list window of race 5.
class TStartlista5 : public TStartlistaWindow {
    Q_OBJECT
public:
    TStartlista5() : TStartlistaWindow(5) {}
};

extern TStartlista5* Startlista5;
