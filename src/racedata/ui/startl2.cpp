#include "racedata/ui/startl2.h"

TStartlista2::TStartlista2() : VForm(QStringLiteral("Avd 2"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Startlista2"));
}

TStartlista2* Startlista2 = nullptr;
