#pragma once

#include "platform/ui/form.h"

class TF11 : public VForm {
    Q_OBJECT
public:
    TF11();
};

extern TF11* F11;
