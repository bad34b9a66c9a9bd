#pragma once

#include "platform/ui/form.h"

class Tovrigavillkor : public VForm {
    Q_OBJECT
public:
    Tovrigavillkor();
};

extern Tovrigavillkor* ovrigavillkor;
