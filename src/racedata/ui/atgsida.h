#pragma once

#include "platform/ui/form.h"

class TATGBrowser : public VForm {
    Q_OBJECT
public:
    TATGBrowser();
};

extern TATGBrowser* ATGBrowser;
