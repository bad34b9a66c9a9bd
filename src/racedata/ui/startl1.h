#pragma once

#include "racedata/ui/startlistwindow.h"

// The start-list window of race 1.
class TStartlista1 : public TStartlistaWindow {
    Q_OBJECT
public:
    TStartlista1() : TStartlistaWindow(1) {}
};

extern TStartlista1* Startlista1;
