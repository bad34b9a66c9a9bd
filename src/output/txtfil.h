#pragma once

#include "platform/form.h"

class TTextfil : public VForm {
    Q_OBJECT
public:
    TTextfil();
};
