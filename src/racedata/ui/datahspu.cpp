#include "racedata/ui/datahspu.h"

TDataHSp::TDataHSp() : VForm(QStringLiteral("Data"), QSize(400, 300))
{
    setObjectName(QStringLiteral("DataHSp"));
}

TDataHSp* DataHSp = nullptr;
