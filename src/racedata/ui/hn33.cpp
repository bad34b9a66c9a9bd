#include "racedata/ui/hn33.h"

TF33::TF33() : VForm(QStringLiteral(""), QSize(400, 300))
{
    setObjectName(QStringLiteral("F33"));
}

TF33* F33 = nullptr;
