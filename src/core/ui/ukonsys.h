#pragma once

#include "platform/ui/form.h"

class TKonsys : public VForm {
    Q_OBJECT
public:
    TKonsys();
};

extern TKonsys* Konsys;
