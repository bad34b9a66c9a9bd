#pragma once

#include "racedata/ui/racepopup.h"

// The race popup of race 6.
class TF66 : public TRacePopup {
    Q_OBJECT
public:
    TF66() : TRacePopup(6) {}
};

extern TF66* F66;
