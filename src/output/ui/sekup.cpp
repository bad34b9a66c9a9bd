#include "output/ui/sekup.h"

TKuponger::TKuponger() : TCouponViewer(true)
{
    setObjectName(QStringLiteral("Kuponger"));
}

TKuponger* Kuponger = nullptr;
