#pragma once

#include "platform/form.h"

class TStartlista7 : public VForm {
    Q_OBJECT
public:
    TStartlista7();
};
