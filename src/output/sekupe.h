#pragma once

#include "platform/form.h"

class TKupongerE : public VForm {
    Q_OBJECT
public:
    TKupongerE();
};
