#include "output/atgfilin.h"

TATGFilform::TATGFilform() : VForm(QStringLiteral("ATG-fil"), QSize(400, 300))
{
    setObjectName(QStringLiteral("ATGFilform"));
}
