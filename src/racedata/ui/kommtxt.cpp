#include "racedata/ui/kommtxt.h"

TKommentar::TKommentar() : VForm(QStringLiteral("Kommentar"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Kommentar"));
}

TKommentar* Kommentar = nullptr;
