#include "grading/ui/ekonomiu.h"

TEkonomi::TEkonomi() : VForm(QStringLiteral("Ekonomi"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Ekonomi"));
}

TEkonomi* Ekonomi = nullptr;
