#include "views/ui/infostrecken.h"

TInfoStreck::TInfoStreck() : VForm(QStringLiteral("Streck och Streck-100"), QSize(400, 300))
{
    setObjectName(QStringLiteral("InfoStreck"));
}

TInfoStreck* InfoStreck = nullptr;
