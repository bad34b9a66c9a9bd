#include "racedata/ui/hn55.h"

TF55::TF55() : VForm(QStringLiteral(""), QSize(400, 300))
{
    setObjectName(QStringLiteral("F55"));
}

TF55* F55 = nullptr;
