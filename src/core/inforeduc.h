#pragma once

#include "platform/form.h"

class TReducinfo : public VForm {
    Q_OBJECT
public:
    TReducinfo();
};
