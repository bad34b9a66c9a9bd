#pragma once

#include "platform/form.h"

class TChans : public VForm {
    Q_OBJECT
public:
    TChans();
};
