#pragma once

#include "platform/form.h"

class TF66 : public VForm {
    Q_OBJECT
public:
    TF66();
};
