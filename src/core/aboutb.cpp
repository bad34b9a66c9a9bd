#include "core/aboutb.h"

TAboutC::TAboutC() : VForm(QStringLiteral("Vimsta "), QSize(400, 300))
{
    setObjectName(QStringLiteral("AboutC"));
}
