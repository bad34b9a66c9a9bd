#include "views/ui/procenten.h"

TProcent::TProcent() : VForm(QStringLiteral("Streckfördelning"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Procent"));
}

TProcent* Procent = nullptr;
