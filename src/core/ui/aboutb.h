#pragma once
// The about box: the program's picture, name, version and maker.

#include "core/ui/helpwindow.h"

class TAboutC : public HelpWindow {
    Q_OBJECT
public:
    TAboutC();

    void OKButtonClick() { close(); }
};

extern TAboutC* AboutC;
