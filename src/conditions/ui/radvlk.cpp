#include "conditions/ui/radvlk.h"

TRadvillkor::TRadvillkor() : VForm(QStringLiteral("Villkor på startnummer"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Radvillkor"));
}

TRadvillkor* Radvillkor = nullptr;
