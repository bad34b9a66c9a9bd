#pragma once

#include "platform/ui/form.h"

class TStreckf : public VForm {
    Q_OBJECT
public:
    TStreckf();
};

extern TStreckf* Streckf;
