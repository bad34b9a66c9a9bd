#pragma once

#include "platform/form.h"

class TGruppvillkor : public VForm {
    Q_OBJECT
public:
    TGruppvillkor();
};
