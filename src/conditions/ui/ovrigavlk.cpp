#include "conditions/ui/ovrigavlk.h"

Tovrigavillkor::Tovrigavillkor() : VForm(QStringLiteral("Övriga villkor på startnr"), QSize(400, 300))
{
    setObjectName(QStringLiteral("ovrigavillkor"));
}

Tovrigavillkor* ovrigavillkor = nullptr;
