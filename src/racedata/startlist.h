#pragma once

#include "platform/form.h"

class TStartlistor : public VForm {
    Q_OBJECT
public:
    TStartlistor();
};
