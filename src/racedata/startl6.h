#pragma once

#include "platform/form.h"

class TStartlista6 : public VForm {
    Q_OBJECT
public:
    TStartlista6();
};
