#include "reduction/ui/reducrader.h"

TReducerader::TReducerader() : VForm(QStringLiteral("Beräkna enkelrader"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Reducerader"));
}

TReducerader* Reducerader = nullptr;
