#include "output/ui/skrivaut.h"

TSkriva::TSkriva() : VForm(QStringLiteral("Skriva ut systemet på papper"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Skriva"));
}

TSkriva* Skriva = nullptr;
