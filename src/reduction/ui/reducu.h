#pragma once

#include "platform/ui/form.h"

class TReduceraF : public VForm {
    Q_OBJECT
public:
    TReduceraF();
};

extern TReduceraF* ReduceraF;
