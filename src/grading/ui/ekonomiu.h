#pragma once

#include "platform/ui/form.h"

class TEkonomi : public VForm {
    Q_OBJECT
public:
    TEkonomi();
};

extern TEkonomi* Ekonomi;
