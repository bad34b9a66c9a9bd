#pragma once

#include "platform/ui/form.h"

class TSlump : public VForm {
    Q_OBJECT
public:
    TSlump();
};

extern TSlump* Slump;
