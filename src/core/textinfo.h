#pragma once

#include "platform/form.h"

class TtxtInfo : public VForm {
    Q_OBJECT
public:
    TtxtInfo();
};
