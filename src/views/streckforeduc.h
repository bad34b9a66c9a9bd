#pragma once

#include "platform/form.h"

class Tstreckoreduc : public VForm {
    Q_OBJECT
public:
    Tstreckoreduc();
};
