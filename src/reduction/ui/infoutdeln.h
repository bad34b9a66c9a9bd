#pragma once

#include "platform/ui/form.h"

class TInfoutd : public VForm {
    Q_OBJECT
public:
    TInfoutd();
};

extern TInfoutd* Infoutd;
