#include "racedata/ui/hn22.h"

TF22::TF22() : VForm(QStringLiteral(""), QSize(400, 300))
{
    setObjectName(QStringLiteral("F22"));
}

TF22* F22 = nullptr;
