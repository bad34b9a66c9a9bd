#pragma once

#include "platform/ui/form.h"

class TStartlista7 : public VForm {
    Q_OBJECT
public:
    TStartlista7();
};

extern TStartlista7* Startlista7;
