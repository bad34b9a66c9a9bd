#include "grading/ui/rettar2.h"

TRetta2::TRetta2() : VForm(QStringLiteral("Rätta"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Retta2"));
}

TRetta2* Retta2 = nullptr;
