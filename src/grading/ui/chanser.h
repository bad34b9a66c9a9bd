#pragma once

#include "platform/ui/form.h"

class TChans : public VForm {
    Q_OBJECT
public:
    TChans();
};

extern TChans* Chans;
