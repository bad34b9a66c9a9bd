#include "core/ukonsys.h"

TKonsys::TKonsys() : VForm(QStringLiteral("Konstruera system"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Konsys"));
}
