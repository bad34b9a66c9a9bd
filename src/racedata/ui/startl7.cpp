#include "racedata/ui/startl7.h"

TStartlista7::TStartlista7() : VForm(QStringLiteral("Avd 7"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Startlista7"));
}

TStartlista7* Startlista7 = nullptr;
