#include "racedata/ui/startl2.h"

TStartlista2* Startlista2 = nullptr;
