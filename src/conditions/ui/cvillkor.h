#pragma once

#include "platform/ui/form.h"

class TChansvillkor : public VForm {
    Q_OBJECT
public:
    TChansvillkor();
};

extern TChansvillkor* Chansvillkor;
