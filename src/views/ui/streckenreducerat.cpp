#include "views/ui/streckenreducerat.h"

TStreckreducerat::TStreckreducerat() : VForm(QStringLiteral("Streckfördelningen i det reducerade systemet (procent)"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Streckreducerat"));
}

TStreckreducerat* Streckreducerat = nullptr;
