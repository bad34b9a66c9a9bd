#pragma once

#include "platform/form.h"

class Tovrigavillkor : public VForm {
    Q_OBJECT
public:
    Tovrigavillkor();
};
