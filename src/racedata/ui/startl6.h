#pragma once

#include "racedata/ui/startlistwindow.h"

// The start-list window of race 6.
class TStartlista6 : public TStartlistaWindow {
    Q_OBJECT
public:
    TStartlista6() : TStartlistaWindow(6) {}
};

extern TStartlista6* Startlista6;
