#pragma once

#include "platform/form.h"

class TF44 : public VForm {
    Q_OBJECT
public:
    TF44();
};
