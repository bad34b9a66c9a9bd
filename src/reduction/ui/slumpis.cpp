#include "reduction/ui/slumpis.h"

TSlump::TSlump() : VForm(QStringLiteral("Slump"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Slump"));
}

TSlump* Slump = nullptr;
