#pragma once

#include "platform/form.h"

class TSkriva : public VForm {
    Q_OBJECT
public:
    TSkriva();
};
