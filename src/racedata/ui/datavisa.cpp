#include "racedata/ui/datavisa.h"

TData::TData() : VForm(QStringLiteral("Startlistor, streck och odds"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Data"));
}

TData* Data = nullptr;
