#include "racedata/ui/atgsida.h"

TATGBrowser::TATGBrowser() : VForm(QStringLiteral("Hämta startlistor"), QSize(400, 300))
{
    setObjectName(QStringLiteral("ATGBrowser"));
}

TATGBrowser* ATGBrowser = nullptr;
