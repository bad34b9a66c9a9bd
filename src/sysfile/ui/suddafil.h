#pragma once

#include "platform/ui/form.h"

class TRadera : public VForm {
    Q_OBJECT
public:
    TRadera();
};

extern TRadera* Radera;
