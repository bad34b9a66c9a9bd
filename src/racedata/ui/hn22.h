#pragma once

#include "racedata/ui/racepopup.h"

// The race popup of race 2.
class TF22 : public TRacePopup {
    Q_OBJECT
public:
    TF22() : TRacePopup(2) {}
};

extern TF22* F22;
