#pragma once

#include "racedata/ui/startlistwindow.h"

// The start-list window of race 4.
class TStartlista4 : public TStartlistaWindow {
    Q_OBJECT
public:
    TStartlista4() : TStartlistaWindow(4) {}
};

extern TStartlista4* Startlista4;
