#pragma once

#include "racedata/ui/startlistwindow.h"

// The start-list window of race 3.
class TStartlista3 : public TStartlistaWindow {
    Q_OBJECT
public:
    TStartlista3() : TStartlistaWindow(3) {}
};

extern TStartlista3* Startlista3;
