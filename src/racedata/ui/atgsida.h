#pragma once
// "Hämta startlistor": how to copy the operator's start lists into the program, as a sheet of
// instruction texts with a sketch of the two windows side by side.

#include "platform/ui/form.h"

class TATGBrowser : public VForm {
    Q_OBJECT
public:
    TATGBrowser();

private:
    void BuildTexts();
    void BuildSketch();
};

extern TATGBrowser* ATGBrowser;
