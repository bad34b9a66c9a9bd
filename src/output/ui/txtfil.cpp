#include "output/ui/txtfil.h"

TTextfil::TTextfil() : VForm(QStringLiteral("Textfil"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Textfil"));
}

TTextfil* Textfil = nullptr;
