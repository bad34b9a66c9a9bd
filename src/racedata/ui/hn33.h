#pragma once

#include "platform/ui/form.h"

class TF33 : public VForm {
    Q_OBJECT
public:
    TF33();
};

extern TF33* F33;
