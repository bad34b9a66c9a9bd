#pragma once

#include "platform/ui/form.h"

class TF44 : public VForm {
    Q_OBJECT
public:
    TF44();
};

extern TF44* F44;
