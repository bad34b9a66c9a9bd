#pragma once

#include "platform/form.h"

class TRadera : public VForm {
    Q_OBJECT
public:
    TRadera();
};
