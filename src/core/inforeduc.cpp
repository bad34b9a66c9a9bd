#include "core/inforeduc.h"

TReducinfo::TReducinfo() : VForm(QStringLiteral("Om reducering"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Reducinfo"));
}
