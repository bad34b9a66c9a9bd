#pragma once

#include "platform/form.h"

class TKuponger : public VForm {
    Q_OBJECT
public:
    TKuponger();
};
