#pragma once

#include "platform/form.h"

class TKonsys : public VForm {
    Q_OBJECT
public:
    TKonsys();
};
