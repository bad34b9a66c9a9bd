#pragma once

#include "platform/ui/form.h"

class TStartlista1 : public VForm {
    Q_OBJECT
public:
    TStartlista1();
};

extern TStartlista1* Startlista1;
