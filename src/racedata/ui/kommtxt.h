#pragma once

#include "platform/ui/form.h"

class TKommentar : public VForm {
    Q_OBJECT
public:
    TKommentar();
};

extern TKommentar* Kommentar;
