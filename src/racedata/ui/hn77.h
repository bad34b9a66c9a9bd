#pragma once

#include "platform/ui/form.h"

class TF77 : public VForm {
    Q_OBJECT
public:
    TF77();
};

extern TF77* F77;
