#pragma once

#include "platform/form.h"

class TSeenkelrader : public VForm {
    Q_OBJECT
public:
    TSeenkelrader();
};
