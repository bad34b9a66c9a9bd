#include "racedata/ui/hn11.h"

TF11* F11 = nullptr;
