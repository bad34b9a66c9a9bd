#include "racedata/ui/hn77.h"

TF77* F77 = nullptr;
