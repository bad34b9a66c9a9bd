#pragma once

#include "platform/ui/form.h"

class TF66 : public VForm {
    Q_OBJECT
public:
    TF66();
};

extern TF66* F66;
