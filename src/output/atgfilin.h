#pragma once

#include "platform/form.h"

class TATGFilform : public VForm {
    Q_OBJECT
public:
    TATGFilform();
};
