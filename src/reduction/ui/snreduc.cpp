#include "reduction/ui/snreduc.h"

TSnabbred::TSnabbred() : VForm(QStringLiteral("Snabbreducera"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Snabbred"));
}

TSnabbred* Snabbred = nullptr;
