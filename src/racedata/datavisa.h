#pragma once

#include "platform/form.h"

class TData : public VForm {
    Q_OBJECT
public:
    TData();
};
