#include "racedata/ui/prop.h"

TProppen::TProppen() : VForm(QStringLiteral("Proposition"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Proppen"));
}

TProppen* Proppen = nullptr;
