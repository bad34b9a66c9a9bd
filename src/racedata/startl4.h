#pragma once

#include "platform/form.h"

class TStartlista4 : public VForm {
    Q_OBJECT
public:
    TStartlista4();
};
