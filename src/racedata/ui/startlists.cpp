#include "racedata/ui/startlists.h"

TStartlista1* Startlista1 = nullptr;
TStartlista2* Startlista2 = nullptr;
TStartlista3* Startlista3 = nullptr;
TStartlista4* Startlista4 = nullptr;
TStartlista5* Startlista5 = nullptr;
TStartlista6* Startlista6 = nullptr;
TStartlista7* Startlista7 = nullptr;
