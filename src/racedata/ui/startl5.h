#pragma once

#include "platform/ui/form.h"

class TStartlista5 : public VForm {
    Q_OBJECT
public:
    TStartlista5();
};

extern TStartlista5* Startlista5;
