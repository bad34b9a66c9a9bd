#include "conditions/ui/grpvlk.h"

TGruppvillkor::TGruppvillkor() : VForm(QStringLiteral("Gruppvillkor"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Gruppvillkor"));
}

TGruppvillkor* Gruppvillkor = nullptr;
