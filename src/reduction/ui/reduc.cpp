#include "reduction/ui/reduc.h"

TReducera::TReducera() : VForm(QStringLiteral("Reducera kuponger"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Reducera"));
}

TReducera* Reducera = nullptr;
