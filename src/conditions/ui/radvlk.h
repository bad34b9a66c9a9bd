#pragma once

#include "platform/ui/form.h"

class TRadvillkor : public VForm {
    Q_OBJECT
public:
    TRadvillkor();
};

extern TRadvillkor* Radvillkor;
