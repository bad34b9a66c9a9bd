#pragma once

#include "platform/ui/form.h"

class TStartlista3 : public VForm {
    Q_OBJECT
public:
    TStartlista3();
};

extern TStartlista3* Startlista3;
