#include "conditions/ui/cvillkor.h"

TChansvillkor::TChansvillkor() : VForm(QStringLiteral("Poängvillkor"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Chansvillkor"));
}

TChansvillkor* Chansvillkor = nullptr;
