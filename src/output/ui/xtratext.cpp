#include "output/ui/xtratext.h"

TEgentext::TEgentext() : VForm(QStringLiteral("Egen text"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Egentext"));
}

TEgentext* Egentext = nullptr;
