#pragma once

#include "platform/form.h"

class TATG : public VForm {
    Q_OBJECT
public:
    TATG();
};
