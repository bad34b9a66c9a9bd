#pragma once
// Help for the grading window.

#include "core/ui/helpwindow.h"

class TRettningsinfo : public HelpWindow {
    Q_OBJECT
public:
    TRettningsinfo();
};

extern TRettningsinfo* Rettningsinfo;
