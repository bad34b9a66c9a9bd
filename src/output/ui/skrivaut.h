#pragma once

#include "platform/ui/form.h"

class TSkriva : public VForm {
    Q_OBJECT
public:
    TSkriva();
};

extern TSkriva* Skriva;
