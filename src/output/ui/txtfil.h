#pragma once

#include "platform/ui/form.h"

class TTextfil : public VForm {
    Q_OBJECT
public:
    TTextfil();
};

extern TTextfil* Textfil;
