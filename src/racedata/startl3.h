#pragma once

#include "platform/form.h"

class TStartlista3 : public VForm {
    Q_OBJECT
public:
    TStartlista3();
};
