#pragma once

#include "platform/form.h"

class TForm2 : public VForm {
    Q_OBJECT
public:
    TForm2();
};
