#pragma once

#include "platform/form.h"

class TInfoStreck : public VForm {
    Q_OBJECT
public:
    TInfoStreck();
};
