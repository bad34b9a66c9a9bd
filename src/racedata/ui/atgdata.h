#pragma once

#include "platform/ui/form.h"

class TATG : public VForm {
    Q_OBJECT
public:
    TATG();
};

extern TATG* ATG;
