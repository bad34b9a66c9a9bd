#pragma once

#include "platform/ui/form.h"

class TSeenkelrader : public VForm {
    Q_OBJECT
public:
    TSeenkelrader();
};

extern TSeenkelrader* Seenkelrader;
