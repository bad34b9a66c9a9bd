#pragma once

#include "platform/form.h"

class TF22 : public VForm {
    Q_OBJECT
public:
    TF22();
};
