#include "racedata/ui/startl1.h"

TStartlista1::TStartlista1() : VForm(QStringLiteral("Avd 1"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Startlista1"));
}

TStartlista1* Startlista1 = nullptr;
