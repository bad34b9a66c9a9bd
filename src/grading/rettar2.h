#pragma once

#include "platform/form.h"

class TRetta2 : public VForm {
    Q_OBJECT
public:
    TRetta2();
};
