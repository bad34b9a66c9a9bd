#pragma once

#include "platform/ui/form.h"

class TStreckreducerat : public VForm {
    Q_OBJECT
public:
    TStreckreducerat();
};

extern TStreckreducerat* Streckreducerat;
