#pragma once

#include "platform/form.h"

class TStartlista2 : public VForm {
    Q_OBJECT
public:
    TStartlista2();
};
