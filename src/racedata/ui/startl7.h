#pragma once

#include "racedata/ui/startlistwindow.h"

// The start-list window of race 7.
class TStartlista7 : public TStartlistaWindow {
    Q_OBJECT
public:
    TStartlista7() : TStartlistaWindow(7) {}
};

extern TStartlista7* Startlista7;
