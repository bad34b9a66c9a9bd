#include "reduction/ui/infoutdeln.h"

TInfoutd::TInfoutd() : VForm(QStringLiteral("Utdelningsintervall"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Infoutd"));
}

TInfoutd* Infoutd = nullptr;
