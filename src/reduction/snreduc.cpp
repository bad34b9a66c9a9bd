#include "reduction/snreduc.h"

TSnabbred::TSnabbred() : VForm(QStringLiteral("Snabbreducera"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Snabbred"));
}
