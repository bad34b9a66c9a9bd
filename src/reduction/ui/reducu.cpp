#include "reduction/ui/reducu.h"

TReduceraF::TReduceraF() : VForm(QStringLiteral("Reducera"), QSize(400, 300))
{
    setObjectName(QStringLiteral("ReduceraF"));
}

TReduceraF* ReduceraF = nullptr;
