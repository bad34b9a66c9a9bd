#include "racedata/ui/startl6.h"

TStartlista6::TStartlista6() : VForm(QStringLiteral("Avd 6"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Startlista6"));
}

TStartlista6* Startlista6 = nullptr;
