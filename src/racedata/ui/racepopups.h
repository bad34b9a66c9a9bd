#pragma once
// The seven race popups, one class per race slot (their class names are what the program
// and the tests know them by); TRacePopup is the popup itself.

#include "racedata/ui/racepopup.h"

class TF11 : public TRacePopup {
    Q_OBJECT
public:
    TF11() : TRacePopup(1) {}
};

class TF22 : public TRacePopup {
    Q_OBJECT
public:
    TF22() : TRacePopup(2) {}
};

class TF33 : public TRacePopup {
    Q_OBJECT
public:
    TF33() : TRacePopup(3) {}
};

class TF44 : public TRacePopup {
    Q_OBJECT
public:
    TF44() : TRacePopup(4) {}
};

class TF55 : public TRacePopup {
    Q_OBJECT
public:
    TF55() : TRacePopup(5) {}
};

class TF66 : public TRacePopup {
    Q_OBJECT
public:
    TF66() : TRacePopup(6) {}
};

class TF77 : public TRacePopup {
    Q_OBJECT
public:
    TF77() : TRacePopup(7) {}
};

extern TF11* F11;
extern TF22* F22;
extern TF33* F33;
extern TF44* F44;
extern TF55* F55;
extern TF66* F66;
extern TF77* F77;
