#include "racedata/ui/startl6.h"

TStartlista6* Startlista6 = nullptr;
