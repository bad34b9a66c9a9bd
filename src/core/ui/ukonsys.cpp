#include "core/ui/ukonsys.h"

TKonsys::TKonsys() : VForm(QStringLiteral("Konstruera system"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Konsys"));
}

TKonsys* Konsys = nullptr;
