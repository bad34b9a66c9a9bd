#include "sysfile/suddafil.h"

TRadera::TRadera() : VForm(QStringLiteral("Radera sparade filer"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Radera"));
}
