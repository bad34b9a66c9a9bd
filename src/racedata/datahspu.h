#pragma once

#include "platform/form.h"

class TDataHSp : public VForm {
    Q_OBJECT
public:
    TDataHSp();
};
