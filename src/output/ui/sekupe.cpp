#include "output/ui/sekupe.h"

TKupongerE::TKupongerE() : VForm(QStringLiteral("Se kupongerna"), QSize(400, 300))
{
    setObjectName(QStringLiteral("KupongerE"));
}

TKupongerE* KupongerE = nullptr;
