#include "core/textinfo.h"

TtxtInfo::TtxtInfo() : VForm(QStringLiteral("Information om textfilen"), QSize(400, 300))
{
    setObjectName(QStringLiteral("txtInfo"));
}
