#pragma once

#include "platform/form.h"

class TSlump : public VForm {
    Q_OBJECT
public:
    TSlump();
};
