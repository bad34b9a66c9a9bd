#pragma once

#include "platform/ui/form.h"

class TReserver : public VForm {
    Q_OBJECT
public:
    TReserver();
};

extern TReserver* Reserver;
