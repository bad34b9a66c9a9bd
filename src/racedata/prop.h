#pragma once

#include "platform/form.h"

class TProppen : public VForm {
    Q_OBJECT
public:
    TProppen();
};
