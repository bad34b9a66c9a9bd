#include "racedata/ui/startl5.h"

TStartlista5::TStartlista5() : VForm(QStringLiteral("Avd 5"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Startlista5"));
}

TStartlista5* Startlista5 = nullptr;
