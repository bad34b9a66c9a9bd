#pragma once

#include "platform/ui/form.h"

class TF55 : public VForm {
    Q_OBJECT
public:
    TF55();
};

extern TF55* F55;
