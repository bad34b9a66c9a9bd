#pragma once

#include "racedata/ui/racepopup.h"

// The race popup of race 4.
class TF44 : public TRacePopup {
    Q_OBJECT
public:
    TF44() : TRacePopup(4) {}
};

extern TF44* F44;
