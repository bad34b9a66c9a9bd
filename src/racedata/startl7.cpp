#include "racedata/startl7.h"

TStartlista7::TStartlista7() : VForm(QStringLiteral("Avd 7"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Startlista7"));
}
