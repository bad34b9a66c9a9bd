#include "output/ui/sekupe.h"

TKupongerE::TKupongerE() : TCouponViewer(false)
{
    setObjectName(QStringLiteral("KupongerE"));
}

TKupongerE* KupongerE = nullptr;
