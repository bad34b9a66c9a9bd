#pragma once

#include "platform/ui/form.h"

class TReducera : public VForm {
    Q_OBJECT
public:
    TReducera();
};

extern TReducera* Reducera;
