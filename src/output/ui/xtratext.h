#pragma once

#include "platform/ui/form.h"

class TEgentext : public VForm {
    Q_OBJECT
public:
    TEgentext();
};

extern TEgentext* Egentext;
