#include "racedata/ui/hn66.h"

TF66::TF66() : VForm(QStringLiteral(""), QSize(400, 300))
{
    setObjectName(QStringLiteral("F66"));
}

TF66* F66 = nullptr;
