#pragma once

#include "platform/ui/form.h"

class TStartlista2 : public VForm {
    Q_OBJECT
public:
    TStartlista2();
};

extern TStartlista2* Startlista2;
