#pragma once

#include "platform/form.h"

class TReduceraF : public VForm {
    Q_OBJECT
public:
    TReduceraF();
};
