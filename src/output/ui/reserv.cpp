#include "output/ui/reserv.h"

TReserver::TReserver() : VForm(QStringLiteral("Reserver"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Reserver"));
}

TReserver* Reserver = nullptr;
