#include "racedata/ui/hn66.h"

TF66* F66 = nullptr;
