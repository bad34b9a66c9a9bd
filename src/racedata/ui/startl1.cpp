#include "racedata/ui/startl1.h"

TStartlista1* Startlista1 = nullptr;
