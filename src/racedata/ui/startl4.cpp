#include "racedata/ui/startl4.h"

TStartlista4::TStartlista4() : VForm(QStringLiteral("Avd 4"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Startlista4"));
}

TStartlista4* Startlista4 = nullptr;
