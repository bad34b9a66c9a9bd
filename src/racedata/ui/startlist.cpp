#include "racedata/ui/startlist.h"

TStartlistor::TStartlistor() : VForm(QStringLiteral("Startlistor, streck och odds"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Startlistor"));
}

TStartlistor* Startlistor = nullptr;
