#pragma once

#include "racedata/ui/racepopup.h"

// The race popup of race 1.
class TF11 : public TRacePopup {
    Q_OBJECT
public:
    TF11() : TRacePopup(1) {}
};

extern TF11* F11;
