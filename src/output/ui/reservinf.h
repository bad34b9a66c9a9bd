#pragma once

#include "platform/ui/form.h"

class TReservinfo : public VForm {
    Q_OBJECT
public:
    TReservinfo();
};

extern TReservinfo* Reservinfo;
