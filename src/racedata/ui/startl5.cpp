#include "racedata/ui/startl5.h"

TStartlista5* Startlista5 = nullptr;
