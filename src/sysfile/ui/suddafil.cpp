#include "sysfile/ui/suddafil.h"

TRadera::TRadera() : VForm(QStringLiteral("Radera sparade filer"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Radera"));
}

TRadera* Radera = nullptr;
