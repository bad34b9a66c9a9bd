#include "racedata/ui/startl4.h"

TStartlista4* Startlista4 = nullptr;
