#pragma once

#include "platform/ui/form.h"

class TKupongerE : public VForm {
    Q_OBJECT
public:
    TKupongerE();
};

extern TKupongerE* KupongerE;
