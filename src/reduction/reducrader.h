#pragma once

#include "platform/form.h"

class TReducerader : public VForm {
    Q_OBJECT
public:
    TReducerader();
};
