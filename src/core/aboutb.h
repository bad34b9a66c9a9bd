#pragma once

#include "platform/form.h"

class TAboutC : public VForm {
    Q_OBJECT
public:
    TAboutC();
};
