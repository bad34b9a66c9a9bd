#include "views/ui/streckforeduc.h"

Tstreckoreduc::Tstreckoreduc() : VForm(QStringLiteral("Streckfördelningen i det oreducerade systemet (procent)"), QSize(400, 300))
{
    setObjectName(QStringLiteral("streckoreduc"));
}

Tstreckoreduc* streckoreduc = nullptr;
