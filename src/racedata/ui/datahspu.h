#pragma once

#include "platform/ui/form.h"

class TDataHSp : public VForm {
    Q_OBJECT
public:
    TDataHSp();
};

extern TDataHSp* DataHSp;
