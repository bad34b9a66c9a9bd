#pragma once

#include "platform/ui/form.h"

class TGruppvillkor : public VForm {
    Q_OBJECT
public:
    TGruppvillkor();
};

extern TGruppvillkor* Gruppvillkor;
