#pragma once

#include "platform/form.h"

class TReserver : public VForm {
    Q_OBJECT
public:
    TReserver();
};
