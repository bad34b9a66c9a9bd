#pragma once

#include "platform/ui/form.h"

class TStartlista4 : public VForm {
    Q_OBJECT
public:
    TStartlista4();
};

extern TStartlista4* Startlista4;
