#include "racedata/ui/hn44.h"

TF44::TF44() : VForm(QStringLiteral(""), QSize(400, 300))
{
    setObjectName(QStringLiteral("F44"));
}

TF44* F44 = nullptr;
