#include "output/ui/fyllakup.h"

TFyllikup::TFyllikup() : VForm(QStringLiteral("Fylla i V64 kuponger"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Fyllikup"));
}

TFyllikup* Fyllikup = nullptr;
