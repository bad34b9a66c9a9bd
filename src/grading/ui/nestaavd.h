#pragma once

#include "platform/ui/form.h"

class TNesta : public VForm {
    Q_OBJECT
public:
    TNesta();
};

extern TNesta* Nesta;
