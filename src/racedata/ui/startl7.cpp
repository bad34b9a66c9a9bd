#include "racedata/ui/startl7.h"

TStartlista7* Startlista7 = nullptr;
