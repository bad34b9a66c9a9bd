#pragma once

#include "platform/form.h"

class TProcent : public VForm {
    Q_OBJECT
public:
    TProcent();
};
