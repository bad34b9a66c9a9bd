#pragma once

#include "platform/ui/form.h"

class TForm2 : public VForm {
    Q_OBJECT
public:
    TForm2();
};

extern TForm2* Form2;
