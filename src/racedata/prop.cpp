#include "racedata/prop.h"

TProppen::TProppen() : VForm(QStringLiteral("Proposition"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Proppen"));
}
