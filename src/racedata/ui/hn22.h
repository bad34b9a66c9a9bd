#pragma once

#include "platform/ui/form.h"

class TF22 : public VForm {
    Q_OBJECT
public:
    TF22();
};

extern TF22* F22;
