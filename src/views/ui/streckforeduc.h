#pragma once

#include "platform/ui/form.h"

class Tstreckoreduc : public VForm {
    Q_OBJECT
public:
    Tstreckoreduc();
};

extern Tstreckoreduc* streckoreduc;
