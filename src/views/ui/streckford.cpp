#include "views/ui/streckford.h"

TStreckf::TStreckf() : VForm(QStringLiteral("Streckfördelning"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Streckf"));
}

TStreckf* Streckf = nullptr;
