#pragma once

#include "platform/form.h"

class TStreckreducerat : public VForm {
    Q_OBJECT
public:
    TStreckreducerat();
};
