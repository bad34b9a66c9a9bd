#include "racedata/ui/hn22.h"

TF22* F22 = nullptr;
