#pragma once

#include "platform/ui/form.h"

class TProcent : public VForm {
    Q_OBJECT
public:
    TProcent();
};

extern TProcent* Procent;
