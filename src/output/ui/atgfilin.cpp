#include "output/ui/atgfilin.h"

TATGFilform::TATGFilform() : VForm(QStringLiteral("ATG-fil"), QSize(400, 300))
{
    setObjectName(QStringLiteral("ATGFilform"));
}

TATGFilform* ATGFilform = nullptr;
