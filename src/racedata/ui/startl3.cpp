#include "racedata/ui/startl3.h"

TStartlista3* Startlista3 = nullptr;
