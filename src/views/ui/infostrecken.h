#pragma once

#include "platform/ui/form.h"

class TInfoStreck : public VForm {
    Q_OBJECT
public:
    TInfoStreck();
};

extern TInfoStreck* InfoStreck;
