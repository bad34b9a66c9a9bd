#pragma once

#include "racedata/ui/racepopup.h"

// The race popup of race 7.
class TF77 : public TRacePopup {
    Q_OBJECT
public:
    TF77() : TRacePopup(7) {}
};

extern TF77* F77;
