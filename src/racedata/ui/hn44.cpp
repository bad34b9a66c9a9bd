#include "racedata/ui/hn44.h"

TF44* F44 = nullptr;
