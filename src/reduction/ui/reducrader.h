#pragma once

#include "platform/ui/form.h"

class TReducerader : public VForm {
    Q_OBJECT
public:
    TReducerader();
};

extern TReducerader* Reducerader;
