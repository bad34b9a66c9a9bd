#include "racedata/ui/startl3.h"

TStartlista3::TStartlista3() : VForm(QStringLiteral("Avd 3"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Startlista3"));
}

TStartlista3* Startlista3 = nullptr;
