#include "racedata/ui/infohemtalistor.h"

TInfoOmHemtning::TInfoOmHemtning() : VForm(QStringLiteral("Om hämtning av startlistor"), QSize(400, 300))
{
    setObjectName(QStringLiteral("InfoOmHemtning"));
}

TInfoOmHemtning* InfoOmHemtning = nullptr;
