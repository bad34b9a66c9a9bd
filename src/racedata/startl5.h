#pragma once

#include "platform/form.h"

class TStartlista5 : public VForm {
    Q_OBJECT
public:
    TStartlista5();
};
