#pragma once

#include "platform/form.h"

class TNesta : public VForm {
    Q_OBJECT
public:
    TNesta();
};
