#include "racedata/ui/hn11.h"

TF11::TF11() : VForm(QStringLiteral(""), QSize(400, 300))
{
    setObjectName(QStringLiteral("F11"));
}

TF11* F11 = nullptr;
