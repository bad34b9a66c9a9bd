#pragma once

#include "platform/ui/form.h"

class TSnabbred : public VForm {
    Q_OBJECT
public:
    TSnabbred();
};

extern TSnabbred* Snabbred;
