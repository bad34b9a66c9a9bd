#pragma once

#include "platform/ui/form.h"

class TData : public VForm {
    Q_OBJECT
public:
    TData();
};

extern TData* Data;
