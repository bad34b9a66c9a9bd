#include "racedata/ui/hn33.h"

TF33* F33 = nullptr;
