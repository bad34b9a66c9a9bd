#include "grading/ui/nestaavd.h"

TNesta::TNesta() : VForm(QStringLiteral("Nästa avdelning"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Nesta"));
}

TNesta* Nesta = nullptr;
