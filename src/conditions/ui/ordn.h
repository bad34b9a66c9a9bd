#pragma once

#include "platform/ui/form.h"

class TOrdningsf : public VForm {
    Q_OBJECT
public:
    TOrdningsf();
};

extern TOrdningsf* Ordningsf;
