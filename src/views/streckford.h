#pragma once

#include "platform/form.h"

class TStreckf : public VForm {
    Q_OBJECT
public:
    TStreckf();
};
