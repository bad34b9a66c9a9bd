#include "core/info.h"

TInformation::TInformation() : VForm(QStringLiteral("Komma igång"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Information"));
}
