#pragma once

#include "platform/form.h"

class TF11 : public VForm {
    Q_OBJECT
public:
    TF11();
};
