#include "core/utdelningsintervall.h"

TInfoutdelning::TInfoutdelning() : VForm(QStringLiteral("Utdelningsintervall"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Infoutdelning"));
}
