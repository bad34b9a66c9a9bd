#pragma once

#include "platform/form.h"

class TChansvillkor : public VForm {
    Q_OBJECT
public:
    TChansvillkor();
};
