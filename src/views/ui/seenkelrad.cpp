#include "views/ui/seenkelrad.h"

TSeenkelrader::TSeenkelrader() : VForm(QStringLiteral("Enkelrader"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Seenkelrader"));
}

TSeenkelrader* Seenkelrader = nullptr;
