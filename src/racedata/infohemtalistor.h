#pragma once

#include "platform/form.h"

class TInfoOmHemtning : public VForm {
    Q_OBJECT
public:
    TInfoOmHemtning();
};
