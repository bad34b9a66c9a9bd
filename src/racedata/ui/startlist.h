#pragma once

#include "platform/ui/form.h"

class TStartlistor : public VForm {
    Q_OBJECT
public:
    TStartlistor();
};

extern TStartlistor* Startlistor;
