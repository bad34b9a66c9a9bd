#pragma once

#include "platform/form.h"

class TF55 : public VForm {
    Q_OBJECT
public:
    TF55();
};
