#pragma once

#include "platform/ui/form.h"

class TRetta2 : public VForm {
    Q_OBJECT
public:
    TRetta2();
};

extern TRetta2* Retta2;
