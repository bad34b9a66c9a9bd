#pragma once

#include "platform/form.h"

class TF33 : public VForm {
    Q_OBJECT
public:
    TF33();
};
