#pragma once

#include "platform/form.h"

class TRettningsinfo : public VForm {
    Q_OBJECT
public:
    TRettningsinfo();
};
