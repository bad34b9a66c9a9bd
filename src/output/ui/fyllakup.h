#pragma once

#include "platform/ui/form.h"

class TFyllikup : public VForm {
    Q_OBJECT
public:
    TFyllikup();
};

extern TFyllikup* Fyllikup;
