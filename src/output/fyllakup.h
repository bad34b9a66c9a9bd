#pragma once

#include "platform/form.h"

class TFyllikup : public VForm {
    Q_OBJECT
public:
    TFyllikup();
};
