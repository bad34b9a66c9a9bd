#include "racedata/ui/atgdata.h"

TATG::TATG() : VForm(QStringLiteral("Startlistor, streck och odds"), QSize(400, 300))
{
    setObjectName(QStringLiteral("ATG"));
}

TATG* ATG = nullptr;
