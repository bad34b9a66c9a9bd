#pragma once

#include "platform/form.h"

class TInfoChans : public VForm {
    Q_OBJECT
public:
    TInfoChans();
};
