#pragma once

#include "platform/ui/form.h"

class TStartlista6 : public VForm {
    Q_OBJECT
public:
    TStartlista6();
};

extern TStartlista6* Startlista6;
