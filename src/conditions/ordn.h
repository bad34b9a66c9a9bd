#pragma once

#include "platform/form.h"

class TOrdningsf : public VForm {
    Q_OBJECT
public:
    TOrdningsf();
};
