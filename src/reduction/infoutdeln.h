#pragma once

#include "platform/form.h"

class TInfoutd : public VForm {
    Q_OBJECT
public:
    TInfoutd();
};
