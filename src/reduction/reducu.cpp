#include "reduction/reducu.h"

TReduceraF::TReduceraF() : VForm(QStringLiteral("Reducera"), QSize(400, 300))
{
    setObjectName(QStringLiteral("ReduceraF"));
}
