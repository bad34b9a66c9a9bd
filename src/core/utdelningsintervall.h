#pragma once

#include "platform/form.h"

class TInfoutdelning : public VForm {
    Q_OBJECT
public:
    TInfoutdelning();
};
