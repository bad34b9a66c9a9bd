#pragma once

#include "platform/ui/form.h"

class TKuponger : public VForm {
    Q_OBJECT
public:
    TKuponger();
};

extern TKuponger* Kuponger;
