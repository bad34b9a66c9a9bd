#pragma once

#include "platform/form.h"

class TATGBrowser : public VForm {
    Q_OBJECT
public:
    TATGBrowser();
};
