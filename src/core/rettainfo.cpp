#include "core/rettainfo.h"

TRettningsinfo::TRettningsinfo() : VForm(QStringLiteral("Rättningsdelen"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Rettningsinfo"));
}
