#include "racedata/ui/hn77.h"

TF77::TF77() : VForm(QStringLiteral(""), QSize(400, 300))
{
    setObjectName(QStringLiteral("F77"));
}

TF77* F77 = nullptr;
