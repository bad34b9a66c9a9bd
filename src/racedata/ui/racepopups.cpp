#include "racedata/ui/racepopups.h"

TF11* F11 = nullptr;
TF22* F22 = nullptr;
TF33* F33 = nullptr;
TF44* F44 = nullptr;
TF55* F55 = nullptr;
TF66* F66 = nullptr;
TF77* F77 = nullptr;
