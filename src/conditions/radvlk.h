#pragma once

#include "platform/form.h"

class TRadvillkor : public VForm {
    Q_OBJECT
public:
    TRadvillkor();
};
