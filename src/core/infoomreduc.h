#pragma once

#include "platform/form.h"

class TInforeducering : public VForm {
    Q_OBJECT
public:
    TInforeducering();
};
