#pragma once

#include "racedata/ui/racepopup.h"

// The race popup of race 5.
class TF55 : public TRacePopup {
    Q_OBJECT
public:
    TF55() : TRacePopup(5) {}
};

extern TF55* F55;
