#pragma once

#include "platform/form.h"

class TInformation : public VForm {
    Q_OBJECT
public:
    TInformation();
};
