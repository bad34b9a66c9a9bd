#pragma once

#include "platform/ui/form.h"

class TInfoOmHemtning : public VForm {
    Q_OBJECT
public:
    TInfoOmHemtning();
};

extern TInfoOmHemtning* InfoOmHemtning;
