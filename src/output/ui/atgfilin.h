#pragma once

#include "platform/ui/form.h"

class TATGFilform : public VForm {
    Q_OBJECT
public:
    TATGFilform();
};

extern TATGFilform* ATGFilform;
