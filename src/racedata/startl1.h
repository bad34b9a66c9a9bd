#pragma once

#include "platform/form.h"

class TStartlista1 : public VForm {
    Q_OBJECT
public:
    TStartlista1();
};
