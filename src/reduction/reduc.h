#pragma once

#include "platform/form.h"

class TReducera : public VForm {
    Q_OBJECT
public:
    TReducera();
};
