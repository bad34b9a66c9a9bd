#pragma once

#include "platform/ui/form.h"

class TProppen : public VForm {
    Q_OBJECT
public:
    TProppen();
};

extern TProppen* Proppen;
