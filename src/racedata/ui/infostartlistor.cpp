#include "racedata/ui/infostartlistor.h"

TForm2::TForm2() : VForm(QStringLiteral("Inställningar"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Form2"));
}

TForm2* Form2 = nullptr;
