#pragma once

#include "racedata/ui/racepopup.h"

// The race popup of race 3.
class TF33 : public TRacePopup {
    Q_OBJECT
public:
    TF33() : TRacePopup(3) {}
};

extern TF33* F33;
