#pragma once

#include "platform/form.h"

class TF77 : public VForm {
    Q_OBJECT
public:
    TF77();
};
