#pragma once

#include "platform/form.h"

class TKommentar : public VForm {
    Q_OBJECT
public:
    TKommentar();
};
