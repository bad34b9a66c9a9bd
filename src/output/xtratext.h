#pragma once

#include "platform/form.h"

class TEgentext : public VForm {
    Q_OBJECT
public:
    TEgentext();
};
