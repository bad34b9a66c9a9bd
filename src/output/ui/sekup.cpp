#include "output/ui/sekup.h"

TKuponger::TKuponger() : VForm(QStringLiteral("Se kupongerna"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Kuponger"));
}

TKuponger* Kuponger = nullptr;
