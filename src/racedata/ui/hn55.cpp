#include "racedata/ui/hn55.h"

TF55* F55 = nullptr;
