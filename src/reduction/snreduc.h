#pragma once

#include "platform/form.h"

class TSnabbred : public VForm {
    Q_OBJECT
public:
    TSnabbred();
};
