#include "core/infoomreduc.h"

TInforeducering::TInforeducering() : VForm(QStringLiteral("Reducering med enkelrader"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Inforeducering"));
}
