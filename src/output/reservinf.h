#pragma once

#include "platform/form.h"

class TReservinfo : public VForm {
    Q_OBJECT
public:
    TReservinfo();
};
