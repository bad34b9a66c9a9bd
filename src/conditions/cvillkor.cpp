#include "conditions/cvillkor.h"

TChansvillkor::TChansvillkor() : VForm(QStringLiteral("Poängvillkor"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Chansvillkor"));
}
