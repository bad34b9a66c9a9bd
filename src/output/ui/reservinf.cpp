#include "output/ui/reservinf.h"

TReservinfo::TReservinfo() : VForm(QStringLiteral("Information om reserver"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Reservinfo"));
}

TReservinfo* Reservinfo = nullptr;
