#include "core/infoch.h"

TInfoChans::TInfoChans() : VForm(QStringLiteral("Information till chansvärdering, poäng och streckfördelning"), QSize(400, 300))
{
    setObjectName(QStringLiteral("InfoChans"));
}
