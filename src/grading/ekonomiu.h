#pragma once

#include "platform/form.h"

class TEkonomi : public VForm {
    Q_OBJECT
public:
    TEkonomi();
};
